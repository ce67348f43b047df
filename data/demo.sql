/*
  Demonstration data: two associations, their users, a few members.
  Load after data/schema.sql, data/reference.sql and data/cidades.sql with
  the UTF8 connection character set (isql-fb -ch UTF8).

  Every key is left to the triggers; rows refer to each other through
  their documents and login names, so the generators stay ahead of every
  stored key and later inserts never collide.

  Logins of the association's program (association CNPJ / user / password):
    11222333000181 / ADMIN / ADMIN          master user
    11222333000181 / OPERADOR / OPERADOR    ordinary user
    11444777000161 / GERENTE / GERENTE      association access inactive
  Logins of the members' program (association CNPJ 11222333000181):
    MERCADO / MERCADO1     both packages
    JOSE / JOSE2026        Pacote Financeiro only
    MARIA / 93541          Pacote Negativação only; still the initial
                           password, so the first login asks for a new one
    OFICINA / OFICINA1     no package
    PADARIA / 08472        the member is inactive: refused
    FERRAGENS / 27365      (11444777000161) the association is inactive: refused
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

/* A second active association, whose members consult the same shared
   negative list */
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR,
    ASS_A_NUM, ASS_A_CPL, ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '11333555000171', '535012345110', 'ASSOCIAÇÃO COMERCIAL DE PIRACICABA',
    'RUA GOVERNADOR PEDRO DE TOLEDO', '1020', '', 'CENTRO', '13400060', '3538709',
    'contato@acpiracicaba.org.br', 'S');

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
select null, 'ADMINISTRADOR DE PIRACICABA', 'ADMIN', 'ADMIN', 'S', ASS_I_COD, 'S'
  from ASSOCIACAO where ASS_A_CNPJ = '11333555000171';

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

/* An active member without packages */
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '61345089000112', '110556677118', 'OFICINA MECÂNICA IRMÃOS ROCHA LTDA', 'RUA JOSÉ BONIFÁCIO',
    '88', '', 'VILA OLÍMPIA', '13456000', '3545803', 'oficina@irmaosrocha.com.br', a.ASS_I_COD,
    'S', 'N', 'N', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'ADMIN'
 where a.ASS_A_CNPJ = '11222333000181';

/* A member of the second active association, with the package Negativação */
insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR,
    ACD_A_NUM, ACD_A_CPL, ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD,
    ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD, USU_I_COD)
select null, '38721456000113', '535778899114', 'EMPÓRIO PIRACICABANO LTDA', 'RUA DO ROSÁRIO',
    '840', '', 'CENTRO', '13400180', '3538709', 'compras@emporiopiracicabano.com.br', a.ASS_I_COD,
    'S', 'N', 'S', current_timestamp, u.USU_I_COD
  from ASSOCIACAO a join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD and u.USU_A_USU = 'ADMIN'
 where a.ASS_A_CNPJ = '11333555000171';
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
insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
select null, 'ANTÔNIO ROCHA', 'OFICINA', '61345', 'S', ACD_I_COD, 'S' from ASSOCIADO where ACD_A_CNPJ = '61345089000112';

insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
select null, 'LUCIANA TORRES', 'EMPORIO', '38721', 'S', ACD_I_COD, 'S' from ASSOCIADO where ACD_A_CNPJ = '38721456000113';
/* Members who have logged in to their own program once already and chose a
   password of their own */
update ASSOCIADO_USUARIO set USU_A_SEN = 'MERCADO1' where USU_A_USU = 'MERCADO';
update ASSOCIADO_USUARIO set USU_A_SEN = 'JOSE2026' where USU_A_USU = 'JOSE';
update ASSOCIADO_USUARIO set USU_A_SEN = 'OFICINA1' where USU_A_USU = 'OFICINA';
update ASSOCIADO_USUARIO set USU_A_SEN = 'EMPORIO1' where USU_A_USU = 'EMPORIO';

/* Partners of the members, written by the member's login user, with their
   contacts. BRASIL PEÇAS is a supplier of two members; one partner of the
   market is inactive and one is on the negative list (so it can't be
   deleted). */

insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'F', 'J', '33652147000115', '110778899113', 'DISTRIBUIDORA CAMPINEIRA DE ALIMENTOS LTDA',
    'RODOVIA ANHANGUERA', 'KM 98', 'GALPÃO 3', 'JARDIM SANTA LÚCIA', '13065000', '3509502',
    'vendas@campineira.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'F', 'J', '19028374000143', '110334455110', 'BRASIL PEÇAS E FERRAMENTAS LTDA',
    'AVENIDA DO ESTADO', '5200', '', 'CAMBUCI', '01516000', '3550308',
    'comercial@brasilpecas.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'C', 'F', '12398745619', '123456789', 'ANTONIO CARLOS MENDES',
    'RUA DO ROSÁRIO', '340', '', 'CENTRO', '13450030', '3545803',
    'acmendes@email.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'C', 'F', '40821367544', '234567890', 'BEATRIZ LOPES FERREIRA',
    'RUA TREZE DE MAIO', '1215', 'CASA 2', 'VILA SÃO JOÃO', '13454100', '3545803',
    'beatriz.lopes@email.com.br', 'N', 'N', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'C', 'F', '25173890479', '345678901', 'CLÁUDIO RIBEIRO SANTOS',
    'RUA IPIRANGA', '77', '', 'CIDADE NOVA', '13453210', '3545803',
    'claudio.rs@email.com.br', 'S', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '45123456000187';

insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'C', 'F', '31762459043', '456789012', 'FERNANDA ALVES COSTA',
    'RUA CAMPOS SALES', '560', '', 'CENTRO', '13450040', '3545803',
    'fernanda.costa@email.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '52998224725';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'F', 'J', '55301298000161', '110990011116', 'PAPELARIA ESCOLAR LIMEIRENSE LTDA',
    'RUA SANTA CRUZ', '901', '', 'CENTRO', '13480040', '3526902',
    'papelaria@limeirense.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '52998224725';

insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'C', 'J', '72814056000190', '110223344117', 'SALÃO BELEZA PURA LTDA',
    'RUA DONA MARGARIDA', '45', '', 'JARDIM EUROPA', '13457010', '3545803',
    'contato@belezapura.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '93541134780';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'F', 'J', '19028374000143', '110334455110', 'BRASIL PEÇAS E FERRAMENTAS LTDA',
    'AVENIDA DO ESTADO', '5200', '', 'CAMBUCI', '01516000', '3550308',
    'comercial@brasilpecas.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '93541134780';

insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'C', 'F', '64290135706', '567890123', 'GUSTAVO HENRIQUE PRADO',
    'RUA PADRE ANCHIETA', '1330', '', 'VILA OLÍMPIA', '13456010', '3545803',
    'gustavo.prado@email.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '61345089000112';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'F', 'J', '41092735000170', '110667788115', 'AUTO PEÇAS OESTE PAULISTA LTDA',
    'AVENIDA MONTE CASTELO', '2100', '', 'JARDIM SÃO FRANCISCO', '13456100', '3545803',
    'vendas@autopecasoeste.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '61345089000112';

/* The emporium in the other association sells to one of the market's
   customers too */
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'C', 'F', '12398745619', '123456789', 'ANTONIO CARLOS MENDES',
    'RUA DO ROSÁRIO', '340', '', 'CENTRO', '13400180', '3538709',
    'antonio.mendes@email.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '38721456000113';
insert into PARCEIRO (PAR_I_COD, PAR_A_TIP, PAR_A_PES, PAR_A_CNPJ_CPF, PAR_A_IE_RG, PAR_A_NOM, PAR_A_LGR,
    PAR_A_NUM, PAR_A_CPL, PAR_A_BRR, PAR_A_CEP, CID_A_COD, PAR_A_MAIL, PAR_A_NEG, PAR_A_ABL, ACD_I_COD,
    PAR_D_CAD, USU_I_COD)
select null, 'F', 'J', '33652147000115', '110778899113', 'DISTRIBUIDORA CAMPINEIRA DE ALIMENTOS LTDA',
    'RODOVIA ANHANGUERA', 'KM 98', 'GALPÃO 3', 'JARDIM SANTA LÚCIA', '13065000', '3509502',
    'vendas@campineira.com.br', 'N', 'S', a.ACD_I_COD, current_date, u.USU_I_COD
  from ASSOCIADO a join ASSOCIADO_USUARIO u on u.ACD_I_COD = a.ACD_I_COD where a.ACD_A_CNPJ = '38721456000113';

/* Partner contacts */

insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'RENATA (VENDAS)', '19', '32417700', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '33652147000115' and a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'LOGÍSTICA', '19', '32417710', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '33652147000115' and a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'MARCOS', '11', '32095500', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '19028374000143' and a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'ANTONIO', '19', '998112233', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '12398745619' and a.ACD_A_CNPJ = '45123456000187';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'FERNANDA', '19', '997654321', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '31762459043' and a.ACD_A_CNPJ = '52998224725';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'BALCÃO', '19', '34412020', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '55301298000161' and a.ACD_A_CNPJ = '52998224725';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'JULIANA', '19', '34561818', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '72814056000190' and a.ACD_A_CNPJ = '93541134780';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'MARCOS', '11', '32095500', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '19028374000143' and a.ACD_A_CNPJ = '93541134780';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'GUSTAVO', '19', '996663311', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '64290135706' and a.ACD_A_CNPJ = '61345089000112';
insert into PARCEIRO_CONTATO (PAC_I_COD, PAC_A_CON, PAC_A_DDD, PAC_A_FON, PAR_I_COD)
select null, 'PEDIDOS', '19', '34590000', p.PAR_I_COD from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '41092735000170' and a.ACD_A_CNPJ = '61345089000112';

/* The market put one customer on the negative list */
insert into PARCEIRO_NEGATIVA (PNG_I_COD, PNG_D_REG, PNG_A_MOT, PNG_N_VAL, PAR_I_COD, ACD_I_COD, PNG_A_NEG, PNG_D_RET)
select null, current_timestamp, 'CHEQUE DEVOLVIDO', 350.00, p.PAR_I_COD, p.ACD_I_COD, 'S', null
  from PARCEIRO p join ASSOCIADO a on a.ACD_I_COD = p.ACD_I_COD
 where p.PAR_A_CNPJ_CPF = '25173890479' and a.ACD_A_CNPJ = '45123456000187';

commit;
