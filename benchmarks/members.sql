/*
  Data for the benchmark program (benchmarks/): a register at the scale of a
  large federation, loaded after data/schema.sql, data/reference.sql and
  data/cidades.sql with the UTF8 connection character set.

  - Five associations, each with its master user ADMIN / ADMIN.
  - 300,000 members, every third one in the first association (100,000), the
    rest spread over the other four; each member has two phone contacts and
    its own login user. Members of the associations are written in turn, as
    they would have been registered over the years, so one association's
    rows are spread over the whole table.
  - Every member of an association carries its trade as the first word of
    its name (LOJA, PADARIA, FARMÁCIA, OFICINA, MERCADO), so "LOJA" finds
    the whole first association; the last word is one of 100 surnames drawn
    evenly, so "QUEIROZ" finds about 1% of it.
  - Documents: 70% CNPJ (14 digits), 30% CPF (11 digits), all different,
    with valid check digits.

  The rows come from a procedure that runs inside the database (a few
  seconds per 50,000 members instead of one round trip per row); it is
  dropped again at the end.
*/

insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL,
    ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '11222333000181', '110042490114', 'ASSOCIAÇÃO DOS LOJISTAS DE ULMORA', 'AVENIDA BRASIL',
    '1500', 'SALA 12', 'CENTRO', '13450000', '3545803', 'contato@lojistas.org.br', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL,
    ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '11444777000161', 'ISENTO', 'ASSOCIAÇÃO DOS PANIFICADORES', 'RUA DAS FLORES',
    '230', '', 'JARDIM AMÉRICA', '13480000', '3509502', 'contato@panificadores.org.br', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL,
    ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '22333444000181', 'ISENTO', 'ASSOCIAÇÃO DOS FARMACÊUTICOS', 'AVENIDA PAULISTA',
    '900', '', 'BELA VISTA', '01310100', '3550308', 'contato@farmaceuticos.org.br', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL,
    ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '33444555000181', 'ISENTO', 'ASSOCIAÇÃO DAS OFICINAS MECÂNICAS', 'RUA TIRADENTES',
    '45', '', 'CENTRO', '80010000', '4106902', 'contato@oficinas.org.br', 'S');
insert into ASSOCIACAO (ASS_I_COD, ASS_A_CNPJ, ASS_A_IE, ASS_A_NOM, ASS_A_LGR, ASS_A_NUM, ASS_A_CPL,
    ASS_A_BRR, ASS_A_CEP, CID_A_COD, ASS_A_MAIL, ASS_A_ABL)
values (null, '44555666000181', 'ISENTO', 'ASSOCIAÇÃO DOS SUPERMERCADOS', 'AVENIDA CENTRAL',
    '1200', 'ANDAR 3', 'CENTRO', '30110000', '3106200', 'contato@supermercados.org.br', 'S');

insert into ASSOCIACAO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ASS_I_COD, USU_A_MST)
select null, 'ADMINISTRADOR', 'ADMIN', 'ADMIN', 'S', ASS_I_COD, 'S' from ASSOCIACAO order by ASS_I_COD;

commit;

set term ^ ;

create procedure BENCH_GERA_ASSOCIADOS (PRIMEIRO integer, ULTIMO integer)
as
declare variable I integer;
declare variable H bigint;
declare variable N integer;
declare variable ASS integer;
declare variable USU integer;
declare variable ASSOCIACOES varchar(100) = '';
declare variable USUARIOS varchar(100) = '';
declare variable ACD integer;
declare variable RAMO varchar(10);
declare variable NOME_PESSOA varchar(20);
declare variable CONTATO varchar(20);
declare variable SOBRENOME varchar(20);
declare variable DOC varchar(14);
declare variable BASE bigint;
declare variable DDD char(2);
declare variable PRENOMES varchar(600);
declare variable SOBRENOMES varchar(1300);
declare variable RUAS varchar(1100);
declare variable BAIRROS varchar(600);
declare variable RAMOS varchar(60);
declare variable CIDADES varchar(80);
declare variable DDDS varchar(20);

  /* A check digit over the last N digits of B (weights 2, 3, ... from the
     right, starting again at 2 after WMAX: 9 for a CNPJ, none for a CPF). */
  declare function DIGITO (B bigint, N integer, WMAX integer) returns integer
  as
  declare variable S integer = 0;
  declare variable W integer = 2;
  declare variable J integer = 0;
  declare variable R integer;
  begin
    while (J < N) do
    begin
      S = S + mod(B, 10) * W;
      B = B / 10;
      W = W + 1;
      if (W > WMAX) then
        W = 2;
      J = J + 1;
    end
    R = mod(S, 11);
    return iif(R < 2, 0, 11 - R);
  end

  /* Item K (from 0) of a list of items padded to width W. */
  declare function ITEM (LISTA varchar(1300), K integer, W integer) returns varchar(30)
  as
  begin
    return trim(substring(LISTA from K * W + 1 for W));
  end

begin
  PRENOMES = 'MARIA     JOSÉ      ANA       JOÃO      ANTONIO   FRANCISCO CARLOS    '
            || 'PAULO     PEDRO     LUCAS     LUIZ      MARCOS    LUÍS      GABRIEL   '
            || 'RAFAEL    DANIEL    MARCELO   BRUNO     EDUARDO   FELIPE    RAIMUNDO  '
            || 'RODRIGO   MANOEL    MATEUS    ANDRÉ     FERNANDO  FÁBIO     LEONARDO  '
            || 'GUSTAVO   GUILHERME LEANDRO   TIAGO     ANDERSON  RICARDO   MÁRCIO    '
            || 'JORGE     SEBASTIÃO ALEXANDRE ROBERTO   EDSON     DIEGO     VITOR     '
            || 'SÉRGIO    CLÁUDIO   JÚLIA     BEATRIZ   LETÍCIA   CAMILA    FRANCISCA '
            || 'ADRIANA   ';
  SOBRENOMES = 'SILVA       SANTOS      OLIVEIRA    SOUZA       RODRIGUES   FERREIRA    '
            || 'ALVES       PEREIRA     LIMA        GOMES       COSTA       RIBEIRO     '
            || 'MARTINS     CARVALHO    ALMEIDA     LOPES       SOARES      FERNANDES   '
            || 'VIEIRA      BARBOSA     ROCHA       DIAS        NASCIMENTO  ANDRADE     '
            || 'MOREIRA     NUNES       MARQUES     MACHADO     MENDES      FREITAS     '
            || 'CARDOSO     RAMOS       GONÇALVES   SANTANA     TEIXEIRA    ARAÚJO      '
            || 'PINTO       CAVALCANTI  MONTEIRO    MOURA       CORREIA     CASTRO      '
            || 'CAMPOS      BORGES      MIRANDA     REIS        PIRES       NOGUEIRA    '
            || 'MORAES      BATISTA     QUEIROZ     CUNHA       BRAGA       MELO        '
            || 'FARIAS      DUARTE      SALES       BEZERRA     MOTA        SIQUEIRA    '
            || 'PAIVA       AZEVEDO     XAVIER      BRITO       TAVARES     MACEDO      '
            || 'LEITE       AGUIAR      FONSECA     VASCONCELOS PACHECO     SAMPAIO     '
            || 'RESENDE     GUIMARÃES   MAGALHÃES   FIGUEIREDO  CORDEIRO    LACERDA     '
            || 'PRADO       CHAVES      VALENTE     FRANCO      AMARAL      BUENO       '
            || 'TORRES      CAMARGO     PEIXOTO     SERRA       GUERRA      ASSIS       '
            || 'BRANDÃO     COELHO      ESTEVES     MATOS       VELOSO      PAZ         '
            || 'SALGADO     LUZ         DANTAS      ROSA        ';
  RUAS = 'RUA DAS FLORES            AVENIDA BRASIL            '
            || 'RUA XV DE NOVEMBRO        RUA SETE DE SETEMBRO      '
            || 'AVENIDA PAULISTA          RUA DOM PEDRO II          '
            || 'RUA TIRADENTES            RUA SÃO JOSÉ              '
            || 'AVENIDA GETÚLIO VARGAS    RUA BARÃO DO RIO BRANCO   '
            || 'RUA SANTOS DUMONT         RUA DUQUE DE CAXIAS       '
            || 'AVENIDA DAS NAÇÕES        RUA DAS PALMEIRAS         '
            || 'RUA DOS PINHEIROS         RUA MARECHAL DEODORO      '
            || 'RUA FLORIANO PEIXOTO      RUA JOSÉ BONIFÁCIO        '
            || 'AVENIDA INDEPENDÊNCIA     RUA RUI BARBOSA           '
            || 'RUA CASTRO ALVES          RUA SANTA CATARINA        '
            || 'RUA PARANÁ                RUA BAHIA                 '
            || 'RUA GOIÁS                 AVENIDA AMAZONAS          '
            || 'RUA DAS ACÁCIAS           RUA DOS IPÊS              '
            || 'RUA DAS MANGUEIRAS        AVENIDA BEIRA RIO         '
            || 'RUA DO COMÉRCIO           RUA DA CONCEIÇÃO          '
            || 'RUA SÃO PAULO             RUA VOLUNTÁRIOS DA PÁTRIA '
            || 'RUA GENERAL OSÓRIO        AVENIDA CENTRAL           '
            || 'RUA DA ESTAÇÃO            RUA DO ROSÁRIO            '
            || 'RUA DA MATRIZ             RUA AMADOR BUENO          ';
  BAIRROS = 'CENTRO            JARDIM AMÉRICA    VILA NOVA         JARDIM EUROPA     '
            || 'BELA VISTA        SANTA CRUZ        VILA MARIA        JARDIM PAULISTA   '
            || 'BOA VISTA         SÃO JOSÉ          VILA RICA         JARDIM DAS FLORES '
            || 'PARQUE INDUSTRIAL CIDADE NOVA       ALTO DA BOA VISTA VILA SÃO JOÃO     '
            || 'JARDIM PRIMAVERA  SANTO ANTÔNIO     NOVA ESPERANÇA    JARDIM IPÊ        '
            || 'VILA OPERÁRIA     PLANALTO          JARDIM BOTÂNICO   VILA ESPERANÇA    '
            || 'SÃO CRISTÓVÃO     JARDIM SÃO PAULO  VILA MADALENA     MORUMBI           '
            || 'LIBERDADE         BOM RETIRO        ';
  RAMOS = 'LOJA      PADARIA   FARMÁCIA  OFICINA   MERCADO   ';
  CIDADES = '3545803355030833045573106200410690243149022927408261160653001083509502';
  DDDS = '19112131415171816119';
  /* The keys of the five associations and of their users, in order, as
     lists of 10-digit items. */
  for select a.ASS_I_COD, u.USU_I_COD from ASSOCIACAO a
      join ASSOCIACAO_USUARIO u on u.ASS_I_COD = a.ASS_I_COD order by a.ASS_I_COD
      into :ASS, :USU
  do
  begin
    ASSOCIACOES = ASSOCIACOES || lpad(ASS, 10, ' ');
    USUARIOS = USUARIOS || lpad(USU, 10, ' ');
  end

  I = PRIMEIRO;
  while (I <= ULTIMO) do
  begin
    /* One pseudo-random number per member picks its name, address and
       kind of document. */
    H = mod(mod(I * 48271, 2147483647) * 48271, 2147483647);
    N = iif(mod(I, 3) = 0, 0, 1 + mod(I / 3, 4));
    ASS = ITEM(ASSOCIACOES, N, 10);
    USU = ITEM(USUARIOS, N, 10);
    RAMO = ITEM(RAMOS, N, 10);
    NOME_PESSOA = ITEM(PRENOMES, mod(H / 100, 50), 10);
    CONTATO = ITEM(PRENOMES, mod(H / 7, 50), 10);
    SOBRENOME = ITEM(SOBRENOMES, mod(H, 100), 12);
    DDD = substring(DDDS from mod(H / 13, 10) * 2 + 1 for 2);

    if (mod(H / 5000, 10) < 7) then
    begin
      /* CNPJ: an 8-digit root unique to the member, branch 0001. */
      BASE = mod(I * 7919 + 10000000, 100000000) * 10000 + 1;
      BASE = BASE * 10 + DIGITO(BASE, 12, 9);
      BASE = BASE * 10 + DIGITO(BASE, 13, 9);
      DOC = lpad(BASE, 14, '0');
    end
    else
    begin
      BASE = mod(I * 7919 + 100000000, 1000000000);
      BASE = BASE * 10 + DIGITO(BASE, 9, 99);
      BASE = BASE * 10 + DIGITO(BASE, 10, 99);
      DOC = lpad(BASE, 11, '0');
    end

    insert into ASSOCIADO (ACD_I_COD, ACD_A_CNPJ, ACD_A_IE, ACD_A_NOM, ACD_A_LGR, ACD_A_NUM, ACD_A_CPL,
        ACD_A_BRR, ACD_A_CEP, CID_A_COD, ACD_A_MAIL, ASS_I_COD, ACD_A_ABL, ACD_A_PCT1, ACD_A_PCT2, ACD_D_CAD,
        USU_I_COD)
    values (null, :DOC, iif(char_length(:DOC) = 14, lpad(mod(:H, 1000000000), 12, '1'), ''),
        :RAMO || ' ' || :NOME_PESSOA || ' ' || :SOBRENOME,
        ITEM(:RUAS, mod(:H / 50, 40), 26), mod(:H / 3, 2000) + 1, iif(mod(:H, 4) = 0, 'SALA ' || mod(:H, 30), ''),
        ITEM(:BAIRROS, mod(:H / 2000, 30), 18), lpad(mod(:H, 100000000), 8, '0'),
        substring(:CIDADES from mod(:H / 11, 10) * 7 + 1 for 7),
        lower(:NOME_PESSOA) || '.' || lower(:SOBRENOME) || '@exemplo.com.br', :ASS,
        iif(mod(:H / 17, 20) = 0, 'N', 'S'), iif(mod(:H, 2) = 0, 'S', 'N'), iif(mod(:H, 3) = 0, 'S', 'N'),
        dateadd(-mod(:H, 3650) day to timestamp '2024-06-01 10:00:00'), :USU)
    returning ACD_I_COD into :ACD;

    insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
    values (null, :CONTATO, :DDD, '3' || lpad(mod(:H, 10000000), 7, '0'), :ACD);
    insert into ASSOCIADO_CONTATO (ACC_I_COD, ACC_A_CON, ACC_A_DDD, ACC_A_FON, ACD_I_COD)
    values (null, :NOME_PESSOA, :DDD, '9' || lpad(mod(:H / 7, 100000000), 8, '0'), :ACD);
    insert into ASSOCIADO_USUARIO (USU_I_COD, USU_A_NOM, USU_A_USU, USU_A_SEN, USU_A_ABL, ACD_I_COD, USU_A_MST)
    values (null, :NOME_PESSOA || ' ' || :SOBRENOME, 'U' || :ACD, left(:DOC, 5), 'S', :ACD, 'S');

    I = I + 1;
  end
end^

set term ; ^
commit;

execute procedure BENCH_GERA_ASSOCIADOS(1, 50000);
commit;
execute procedure BENCH_GERA_ASSOCIADOS(50001, 100000);
commit;
execute procedure BENCH_GERA_ASSOCIADOS(100001, 150000);
commit;
execute procedure BENCH_GERA_ASSOCIADOS(150001, 200000);
commit;
execute procedure BENCH_GERA_ASSOCIADOS(200001, 250000);
commit;
execute procedure BENCH_GERA_ASSOCIADOS(250001, 300000);
commit;

drop procedure BENCH_GERA_ASSOCIADOS;
commit;
