/*
  Reference data every database starts with: the payment methods.
  Load after data/schema.sql with the UTF8 connection character set
  (isql-fb -ch UTF8). The cities are in data/cidades.sql.

  Fixed keys, so that the methods keep the same numbers in every database;
  the generator is then moved past them so that methods added later take
  the next free key.
*/
insert into PAGAMENTO_FPG (FPG_I_COD, FPG_A_DSC) values (1, 'DINHEIRO');
insert into PAGAMENTO_FPG (FPG_I_COD, FPG_A_DSC) values (2, 'CHEQUE');
insert into PAGAMENTO_FPG (FPG_I_COD, FPG_A_DSC) values (3, 'BOLETO');
insert into PAGAMENTO_FPG (FPG_I_COD, FPG_A_DSC) values (4, 'CARTÃO DE CRÉDITO');
insert into PAGAMENTO_FPG (FPG_I_COD, FPG_A_DSC) values (5, 'CARTÃO DE DÉBITO');
insert into PAGAMENTO_FPG (FPG_I_COD, FPG_A_DSC) values (6, 'PIX');
insert into PAGAMENTO_FPG (FPG_I_COD, FPG_A_DSC) values (7, 'TRANSFERÊNCIA');

alter sequence GEN_PAGAMENTO_FPG_ID restart with 7;

commit;
