/*
  Demonstration data: two associations, their users, a few members.
  Load after data/schema.sql, data/reference.sql and data/cidades.sql with
  the UTF8 connection character set (isql-fb -ch UTF8).

  Every key is left to the triggers; rows refer to each other through
  their documents and login names, so the generators stay ahead of every
  stored key and later inserts never collide.

  Logins (association CNPJ / user / password):
    11222333000181 / ADMIN / ADMIN          master user
    11222333000181 / OPERADOR / OPERADOR    ordinary user
    11444777000161 / GERENTE / GERENTE      association access inactive
  Documents carry valid check digits.
*/

/* Associations */

insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR,
    ASS_A_NUM, ASS_A_CPL, ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '11222333000181', '110042490114', 'ASSOCIAÇÃO COMERCIAL DE ULMORA',
    'AVENIDA BRASIL', '1500', 'SALA 12', 'CENTRO', '13450000', '3545803',
    'contato@aculmora.org.br', 'S');

insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR,
    ASS_A_NUM, ASS_A_CPL, ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '11444777000161', 'ISENTO', 'ASSOCIAÇÃO EMPRESARIAL DO VALE',
    'RUA DAS FLORES', '230', '', 'JARDIM AMÉRICA', '13480000', '3526902',
    'vale@aevale.org.br', 'N');

insert into ASSOCIACAO_CONTATO (ASC_I_COD, ASC_A_CON, ASC_A_DDD, ASC_A_FON, ASS_I_COD)
select null, 'SECRETARIA', '19', '34551200', ASS_I_COD
  from ASSOCIACAO where ASS_A_CNPJ = '11222333000181';
insert into ASSOCIACAO_CONTATO (ASC_I_COD, ASC_A_CON, ASC_A_DDD, ASC_A_FON, ASS_I_COD)
select null, 'FINANCEIRO', '19', '34551210', ASS_I_COD
  from ASSOCIACAO where ASS_A_CNPJ = '11222333000181';
insert into ASSOCIACAO_CONTATO (ASC_I_COD, ASC_A_CON, ASC_A_DDD, ASC_A_FON, ASS_I_COD)
select null, 'RECEPÇÃO', '19', '34417700', ASS_I_COD
  from ASSOCIACAO where ASS_A_CNPJ = '11444777000161';

/* Association users (the login upper-cases what is typed) */

insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST)
select null, 'ADMINISTRADOR', 'ADMIN', 'ADMIN', 'S', ASS_I_COD, 'S'
  from ASSOCIACAO where ASS_A_CNPJ = '11222333000181';
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST)
select null, 'OPERADOR DE CADASTRO', 'OPERADOR', 'OPERADOR', 'S', ASS_I_COD, 'N'
  from ASSOCIACAO where ASS_A_CNPJ = '11222333000181';
insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST)
select null, 'GERENTE DO VALE', 'GERENTE', 'GERENTE', 'S', ASS_I_COD, 'S'
  from ASSOCIACAO where ASS_A_CNPJ = '11444777000161';

/* Members, registered by the master user of their association */

insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '45123456000187', '110234567119', 'MERCADO BOA VISTA LTDA', 'RUA XV DE NOVEMBRO',
    '455', '', 'CENTRO', '13450010', '3545803', 'compras@mercadoboavista.com.br', a.ASS_I_COD,
    'S', 'S', 'S', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'ADMIN'
 where a.ASS_A_CNPJ = '11222333000181';

insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '52998224725', '284512367', 'JOSÉ DA SILVA', 'RUA SANTA BÁRBARA D''OESTE',
    '78', 'FUNDOS', 'VILA SÃO JOÃO', '13454120', '3545803', 'jose.silva@email.com.br', a.ASS_I_COD,
    'S', 'S', 'N', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'ADMIN'
 where a.ASS_A_CNPJ = '11222333000181';

insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '08472163000189', '110987654112', 'PADARIA PÃO DOURADO LTDA', 'AVENIDA CAMPOS SALES',
    '1020', 'LOJA 2', 'JARDIM EUROPA', '13457000', '3545803', 'padaria@paodourado.com.br', a.ASS_I_COD,
    'N', 'N', 'N', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'ADMIN'
 where a.ASS_A_CNPJ = '11222333000181';

insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '93541134780', '301256789', 'MARIA APARECIDA SOUZA', 'RUA DOM PEDRO II',
    '12', 'APTO 31', 'CIDADE NOVA', '13453200', '3545803', 'maria.souza@email.com.br', a.ASS_I_COD,
    'S', 'N', 'S', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'ADMIN'
 where a.ASS_A_CNPJ = '11222333000181';

/* A company registered since July 2026: its CNPJ has letters */
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '12ABC34501DE35', '', 'NOVA ERA TECNOLOGIA LTDA', 'RUA GOVERNADOR PEDRO DE TOLEDO',
    '2200', 'SALA 4', 'CENTRO', '13450020', '3545803', 'contato@novaeratec.com.br', a.ASS_I_COD,
    'S', 'S', 'N', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'ADMIN'
 where a.ASS_A_CNPJ = '11222333000181';

insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '27365914000102', '417893450110', 'FERRAGENS DO VALE LTDA', 'RUA DAS FLORES',
    '410', '', 'JARDIM AMÉRICA', '13480010', '3526902', 'ferragens@ferragensdovale.com.br', a.ASS_I_COD,
    'S', 'S', 'S', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'GERENTE'
 where a.ASS_A_CNPJ = '11444777000161';

/* Member contacts */

insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
select null, 'CARLOS (COMPRAS)', '19', '34562010', ACD_I_COD from ASSOCIADO where ACD_A_CNPJ = '45123456000187';
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
select null, 'ANA (FINANCEIRO)', '19', '34562011', ACD_I_COD from ASSOCIADO where ACD_A_CNPJ = '45123456000187';
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
select null, 'JOSÉ', '19', '998761234', ACD_I_COD from ASSOCIADO where ACD_A_CNPJ = '52998224725';
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
select null, 'BALCÃO', '19', '34578899', ACD_I_COD from ASSOCIADO where ACD_A_CNPJ = '08472163000189';
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
select null, 'MARIA', '19', '991234567', ACD_I_COD from ASSOCIADO where ACD_A_CNPJ = '93541134780';
insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
select null, 'ESCRITÓRIO', '19', '34419090', ACD_I_COD from ASSOCIADO where ACD_A_CNPJ = '27365914000102';

/* Member login users: master, active, password the first five characters of
   the document, as the member register creates them */

insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
select null, 'CARLOS PEREIRA', 'MERCADO', '45123', 'S', ACD_I_COD, 'S' from ASSOCIADO where ACD_A_CNPJ = '45123456000187';
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
select null, 'JOSÉ DA SILVA', 'JOSE', '52998', 'S', ACD_I_COD, 'S' from ASSOCIADO where ACD_A_CNPJ = '52998224725';
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
select null, 'ROBERTO LIMA', 'PADARIA', '08472', 'S', ACD_I_COD, 'S' from ASSOCIADO where ACD_A_CNPJ = '08472163000189';
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
select null, 'MARIA APARECIDA SOUZA', 'MARIA', '93541', 'S', ACD_I_COD, 'S' from ASSOCIADO where ACD_A_CNPJ = '93541134780';
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
select null, 'PAULO FERREIRA', 'FERRAGENS', '27365', 'S', ACD_I_COD, 'S' from ASSOCIADO where ACD_A_CNPJ = '27365914000102';

commit;
