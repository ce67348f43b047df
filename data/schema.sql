/*
  Ulmora database schema (Firebird 3, SQL dialect 3).

  Run against an empty database created with DEFAULT CHARACTER SET UTF8:
      isql-fb -user SYSDBA -q -ch UTF8 -i data/schema.sql PATH
  scripts/create-database.sh does this and then loads the reference data
  (data/reference.sql, data/cidades.sql) and, on request, data/demo.sql.

  Conventions:
  - every key column is NOT NULL; every other column is nullable, because the
    program writes whole rows through "update or insert" and leaves it to the
    database to fill what it does not know;
  - keys of new rows come from one generator per table, through a BEFORE
    INSERT trigger that fills a NULL key with gen_id(G, 1) and keeps a key
    that was given explicitly (data scripts load rows with their keys);
  - the rows the program writes back after reading them carry a version
    (see "Row versions"), so that a write never undoes another seat's write
    or brings back a row another seat deleted;
  - the program reads GEN_ASSOCIADO_ID and GEN_PARCEIRO_ID right after an
    insert to learn the new key, so nothing else may draw from them;
  - flags are one character, 'S' or 'N';
  - rows that belong together (a member, its contacts and its login user; a
    partner and its contacts) are written by the program in one
    transaction; the stored procedures below change several rows in one
    call.

  Load it with the UTF8 connection character set (-ch UTF8) so that the
  accented messages of the procedures are stored as written.
*/

/* ------------------------------------------------------------------ */
/* Names                                                              */
/* ------------------------------------------------------------------ */

/* Names sort and compare as a Brazilian reads them: JOÃO before JOSÉ,
   ÁLVARO among the A's, capitals and small letters alike. Every name that
   a list is ordered by (members, users, partners, cities) has it, so the
   database sorts and indexes them this way; LIKE on such a column ignores
   case and accents too. */
create collation PT_BR_CI_AI for UTF8 from UNICODE
    case insensitive accent insensitive 'LOCALE=pt_BR';

/* ------------------------------------------------------------------ */
/* Reference registers                                                */
/* ------------------------------------------------------------------ */

/* IBGE municipalities. The name compares without regard to case or accents
   (PT_BR_CI_AI), so the city search, which upper-cases what is typed, finds
   "SÃO PAULO" also when it is typed without accents. */
create table CIDADE (
    CID_A_COD  char(7) not null,
    CID_A_DSC  varchar(50) collate PT_BR_CI_AI,
    CID_A_UF   char(2),
    constraint PK_CIDADE primary key (CID_A_COD)
);

create table PAGAMENTO_FPG (
    FPG_I_COD  integer not null,
    FPG_A_DSC  varchar(50),
    constraint PK_PAGAMENTO_FPG primary key (FPG_I_COD)
);

/* ------------------------------------------------------------------ */
/* Associations (maintained outside this program)                     */
/* ------------------------------------------------------------------ */

/* CID_A_COD of ASSOCIACAO, ASSOCIADO and PARCEIRO carries no foreign key:
   the program writes an empty text there while no city was chosen. */
create table ASSOCIACAO (
    ASS_I_COD   integer not null,
    ASS_A_CNPJ  varchar(14),
    ASS_A_IE    varchar(20),
    ASS_A_NOM   varchar(100),
    ASS_A_LGR   varchar(100),
    ASS_A_NUM   varchar(20),
    ASS_A_CPL   varchar(100),
    ASS_A_BRR   varchar(100),
    ASS_A_CEP   varchar(10),
    CID_A_COD   char(7),
    ASS_A_MAIL  varchar(100),
    ASS_A_ABL   char(1),
    constraint PK_ASSOCIACAO primary key (ASS_I_COD)
);

/* The login looks an association up by its CNPJ; two associations with one
   CNPJ would make that ambiguous. */
create unique index UK_ASSOCIACAO_CNPJ on ASSOCIACAO (ASS_A_CNPJ);

create table ASSOCIACAO_CONTATO (
    ASC_I_COD  integer not null,
    ASC_A_CON  varchar(40),
    ASC_A_DDD  varchar(2),
    ASC_A_FON  varchar(15),
    ASS_I_COD  integer,
    constraint PK_ASSOCIACAO_CONTATO primary key (ASC_I_COD),
    constraint FK_ASSOCIACAO_CONTATO_ASS foreign key (ASS_I_COD)
        references ASSOCIACAO (ASS_I_COD)
);

/* Login users of an association; passwords are kept in clear text. */
create table ASSOCIACAO_USUARIO (
    USU_I_COD  integer not null,
    USU_A_NOM  varchar(100) collate PT_BR_CI_AI,
    USU_A_USU  varchar(30),
    USU_A_SEN  varchar(100),
    USU_A_ABL  char(1),
    ASS_I_COD  integer,
    USU_A_MST  char(1),
    USU_I_VER  integer not null,
    constraint PK_ASSOCIACAO_USUARIO primary key (USU_I_COD),
    constraint FK_ASSOCIACAO_USUARIO_ASS foreign key (ASS_I_COD)
        references ASSOCIACAO (ASS_I_COD)
);

/* ------------------------------------------------------------------ */
/* Members                                                            */
/* ------------------------------------------------------------------ */

/* USU_I_COD is the association user (ASSOCIACAO_USUARIO) who was logged in
   when the member was written. It carries no foreign key: a member written
   without a session user gets 0 there. */
create table ASSOCIADO (
    ACD_I_COD   integer not null,
    ACD_A_CNPJ  varchar(14),
    ACD_A_IE    varchar(20),
    ACD_A_NOM   varchar(100) collate PT_BR_CI_AI,
    ACD_A_LGR   varchar(100),
    ACD_A_NUM   varchar(20),
    ACD_A_CPL   varchar(100),
    ACD_A_BRR   varchar(100),
    ACD_A_CEP   varchar(10),
    CID_A_COD   char(7),
    ACD_A_MAIL  varchar(100),
    ASS_I_COD   integer,
    ACD_A_ABL   char(1),
    ACD_A_PCT1  char(1),
    ACD_A_PCT2  char(1),
    ACD_D_CAD   timestamp,
    USU_I_COD   integer,
    ACD_I_VER  integer not null,
    constraint PK_ASSOCIADO primary key (ACD_I_COD),
    constraint FK_ASSOCIADO_ASS foreign key (ASS_I_COD)
        references ASSOCIACAO (ASS_I_COD)
);

/* The reader by document looks ACD_A_CNPJ up.
   The member search (association = key, a column containing a text, ordered
   by name) deliberately has no index on (ASS_I_COD, ACD_A_NOM). With one,
   and the index statistics of the empty tables this script creates (Firebird
   computes them again only when asked to, or on a restore), Firebird walks
   that index in name order and fetches every member of the association in
   that order, whatever the text matches. An association's members lie spread
   over the whole table, so with 100,000 of them the walk read some 90,000
   pages: 0.6 s even when a thousand rows matched. Without it the search
   finds the association's rows through FK_ASSOCIADO_ASS, reads each data
   page once and sorts only the rows that match: 0.1 s for a thousand of
   100,000. */
create index IX_ASSOCIADO_CNPJ on ASSOCIADO (ACD_A_CNPJ);

/* One document per association: two seats registering the same document at
   the same moment both pass the program's own check, and this index lets
   only the first through. A member without a document (empty text or NULL)
   is not indexed: the expression gives NULL for it, and a unique index
   holds any number of NULLs. */
create unique index UK_ASSOCIADO_DOC on ASSOCIADO computed by (
    case when coalesce(ACD_A_CNPJ, '') = '' then null
         else cast(ASS_I_COD as varchar(11)) || '/' || ACD_A_CNPJ end);

create table ASSOCIADO_CONTATO (
    ACC_I_COD  integer not null,
    ACC_A_CON  varchar(40),
    ACC_A_DDD  varchar(2),
    ACC_A_FON  varchar(15),
    ACD_I_COD  integer,
    ACC_I_VER  integer not null,
    constraint PK_ASSOCIADO_CONTATO primary key (ACC_I_COD),
    constraint FK_ASSOCIADO_CONTATO_ACD foreign key (ACD_I_COD)
        references ASSOCIADO (ACD_I_COD)
);

/* A member's contacts are read in key order. With only the foreign key's
   index, Firebird walks the whole primary key in that order and checks each
   contact against the member (4 ms with 600,000 contacts); this index gives
   one member's contacts, already in order. */
create index IX_ASSOCIADO_CONTATO_ACD on ASSOCIADO_CONTATO (ACD_I_COD, ACC_I_COD);

create table ASSOCIADO_USUARIO (
    USU_I_COD  integer not null,
    USU_A_NOM  varchar(100) collate PT_BR_CI_AI,
    USU_A_USU  varchar(30),
    USU_A_SEN  varchar(100),
    USU_A_ABL  char(1),
    ACD_I_COD  integer,
    USU_A_MST  char(1),
    USU_I_VER  integer not null,
    constraint PK_ASSOCIADO_USUARIO primary key (USU_I_COD),
    constraint FK_ASSOCIADO_USUARIO_ACD foreign key (ACD_I_COD)
        references ASSOCIADO (ACD_I_COD)
);

/* A member's users in key order, for the same reason. */
create index IX_ASSOCIADO_USUARIO_ACD on ASSOCIADO_USUARIO (ACD_I_COD, USU_I_COD);

/* The members' program's login looks a user up by its login name: without
   this index it reads every member user of every association (0.34 s with
   300,000 of them), with it a handful of rows (0.01 s). */
create index IX_ASSOCIADO_USUARIO_USU on ASSOCIADO_USUARIO (USU_A_USU);

/* ------------------------------------------------------------------ */
/* Partners and the negative list                                     */
/* ------------------------------------------------------------------ */

/* USU_I_COD is the member user (ASSOCIADO_USUARIO) who wrote the partner;
   no foreign key, since 0 is written when there is none. */
create table PARCEIRO (
    PAR_I_COD       integer not null,
    PAR_A_TIP       varchar(1),
    PAR_A_PES       varchar(1),
    PAR_A_CNPJ_CPF  varchar(14),
    PAR_A_IE_RG     varchar(20),
    PAR_A_NOM       varchar(100) collate PT_BR_CI_AI,
    PAR_A_LGR       varchar(100),
    PAR_A_NUM       varchar(20),
    PAR_A_CPL       varchar(100),
    PAR_A_BRR       varchar(100),
    PAR_A_CEP       varchar(10),
    CID_A_COD       char(7),
    PAR_A_MAIL      varchar(100),
    PAR_A_NEG       char(1),
    PAR_A_ABL       char(1),
    ACD_I_COD       integer,
    PAR_D_CAD       date,
    USU_I_COD       integer,
    PAR_I_VER       integer not null,
    constraint PK_PARCEIRO primary key (PAR_I_COD),
    constraint FK_PARCEIRO_ACD foreign key (ACD_I_COD)
        references ASSOCIADO (ACD_I_COD)
);

/* The partner search of one member orders by name. */
create index IX_PARCEIRO_ACD_NOM on PARCEIRO (ACD_I_COD, PAR_A_NOM);

/* One document per member among its partners, for the reason given at
   UK_ASSOCIADO_DOC; partners without a document are not indexed. */
create unique index UK_PARCEIRO_DOC on PARCEIRO computed by (
    case when coalesce(PAR_A_CNPJ_CPF, '') = '' then null
         else cast(ACD_I_COD as varchar(11)) || '/' || PAR_A_CNPJ_CPF end);

create table PARCEIRO_CONTATO (
    PAC_I_COD  integer not null,
    PAC_A_CON  varchar(40),
    PAC_A_DDD  varchar(2),
    PAC_A_FON  varchar(15),
    PAR_I_COD  integer,
    PAC_I_VER  integer not null,
    constraint PK_PARCEIRO_CONTATO primary key (PAC_I_COD),
    constraint FK_PARCEIRO_CONTATO_PAR foreign key (PAR_I_COD)
        references PARCEIRO (PAR_I_COD)
);

/* A partner's contacts in key order, for the reason given at
   ASSOCIADO_CONTATO. */
create index IX_PARCEIRO_CONTATO_PAR on PARCEIRO_CONTATO (PAR_I_COD, PAC_I_COD);

/* One row per registration; a withdrawn one ('N') stays as history. */
create table PARCEIRO_NEGATIVA (
    PNG_I_COD  integer not null,
    PNG_D_REG  timestamp,
    PNG_A_MOT  varchar(200),
    PNG_N_VAL  double precision,
    PAR_I_COD  integer,
    ACD_I_COD  integer,
    PNG_A_NEG  char(1),
    PNG_D_RET  timestamp,
    PNG_A_RET  varchar(200),
    constraint PK_PARCEIRO_NEGATIVA primary key (PNG_I_COD),
    constraint FK_PARCEIRO_NEGATIVA_PAR foreign key (PAR_I_COD)
        references PARCEIRO (PAR_I_COD),
    constraint FK_PARCEIRO_NEGATIVA_ACD foreign key (ACD_I_COD)
        references ASSOCIADO (ACD_I_COD)
);

/* ------------------------------------------------------------------ */
/* Finance of a member                                                */
/* ------------------------------------------------------------------ */

/* GRP_A_TIP: 'C' credit group (revenue), 'D' debit group (expense). */
create table ASSOCIADO_CONTA_GRP (
    GRP_I_COD  integer not null,
    GRP_A_DSC  varchar(50),
    GRP_A_TIP  char(1),
    ACD_I_COD  integer,
    constraint PK_ASSOCIADO_CONTA_GRP primary key (GRP_I_COD),
    constraint FK_ASSOCIADO_CONTA_GRP_ACD foreign key (ACD_I_COD)
        references ASSOCIADO (ACD_I_COD)
);

create table ASSOCIADO_CONTA (
    CON_I_COD  integer not null,
    CON_A_DSC  varchar(50),
    GRP_I_COD  integer,
    constraint PK_ASSOCIADO_CONTA primary key (CON_I_COD),
    constraint FK_ASSOCIADO_CONTA_GRP foreign key (GRP_I_COD)
        references ASSOCIADO_CONTA_GRP (GRP_I_COD)
);

/* Payable and receivable entries, one row per instalment.
   PAG_A_STS: 'A' open (no payment date), 'B' settled by ACD_BAIXA_PAG.
   PAG_N_DA: adjustment added to the amount due at settlement: positive for
   interest and fees, negative for a discount.
   PAG_I_ORI: for an entry that ACD_BAIXA_PAG created to carry the unpaid
   rest of a partial settlement, the entry whose settlement created it;
   NULL for every entry written by the program. ACD_ESTORNA_PAG follows it
   to undo that rest when the settlement is reversed.
   FPG_I_COD, CON_I_COD and PAR_I_COD carry no foreign key: the program
   writes 0 there when the entry has no method, account or partner.
   CONTA_DEL and PARCEIRO_DEL refuse while entries still refer to them. */
create table ASSOCIADO_PAGAMENTO (
    PAG_I_COD   integer not null,
    FPG_I_COD   integer,
    CON_I_COD   integer,
    PAG_A_DSC   varchar(100),
    PAG_I_PAR   integer,
    PAG_I_TPAR  integer,
    PAG_D_DIV   date,
    PAG_N_DIV   double precision,
    PAG_D_VNC   date,
    PAG_D_PAG   date,
    PAG_N_PAG   double precision,
    PAG_A_STS   char(1),
    PAR_I_COD   integer,
    ACD_I_COD   integer,
    PAG_N_DA    double precision,
    PAG_I_ORI   integer,
    constraint PK_ASSOCIADO_PAGAMENTO primary key (PAG_I_COD),
    constraint FK_ASSOCIADO_PAGAMENTO_ACD foreign key (ACD_I_COD)
        references ASSOCIADO (ACD_I_COD)
);

/* The entry search filters by one of the three dates and by account or
   partner; the deletions check accounts and partners; the reversal looks
   up the rest entries of a settlement. */
create index IX_PAGAMENTO_DIV on ASSOCIADO_PAGAMENTO (PAG_D_DIV);
create index IX_PAGAMENTO_VNC on ASSOCIADO_PAGAMENTO (PAG_D_VNC);
create index IX_PAGAMENTO_PAG on ASSOCIADO_PAGAMENTO (PAG_D_PAG);
create index IX_PAGAMENTO_CON on ASSOCIADO_PAGAMENTO (CON_I_COD);
create index IX_PAGAMENTO_PAR on ASSOCIADO_PAGAMENTO (PAR_I_COD);
create index IX_PAGAMENTO_ORI on ASSOCIADO_PAGAMENTO (PAG_I_ORI);

/* ------------------------------------------------------------------ */
/* Generators and key triggers                                        */
/* ------------------------------------------------------------------ */

/* One generator per table with an integer key, each advancing by 1. A NULL
   key takes the next value; an explicit key is kept as given (and does not
   move the generator). GEN_ASSOCIADO_ID and GEN_PARCEIRO_ID are read by the
   program after an insert; no trigger or procedure draws from them except
   the insert of a member or partner itself. */
create sequence GEN_PAGAMENTO_FPG_ID;
create sequence GEN_ASSOCIACAO_ID;
create sequence GEN_ASSOCIACAO_CONTATO_ID;
create sequence GEN_ASSOCIACAO_USUARIO_ID;
create sequence GEN_ASSOCIADO_ID;
create sequence GEN_ASSOCIADO_CONTATO_ID;
create sequence GEN_ASSOCIADO_USUARIO_ID;
create sequence GEN_PARCEIRO_ID;
create sequence GEN_PARCEIRO_CONTATO_ID;
create sequence GEN_PARCEIRO_NEGATIVA_ID;
create sequence GEN_ASSOCIADO_CONTA_GRP_ID;
create sequence GEN_ASSOCIADO_CONTA_ID;
create sequence GEN_ASSOCIADO_PAGAMENTO_ID;

set term ^ ;

create trigger PAGAMENTO_FPG_BI for PAGAMENTO_FPG
active before insert position 0
as
begin
    if (new.FPG_I_COD is null) then
        new.FPG_I_COD = gen_id(GEN_PAGAMENTO_FPG_ID, 1);
end^

create trigger ASSOCIACAO_BI for ASSOCIACAO
active before insert position 0
as
begin
    if (new.ASS_I_COD is null) then
        new.ASS_I_COD = gen_id(GEN_ASSOCIACAO_ID, 1);
end^

create trigger ASSOCIACAO_CONTATO_BI for ASSOCIACAO_CONTATO
active before insert position 0
as
begin
    if (new.ASC_I_COD is null) then
        new.ASC_I_COD = gen_id(GEN_ASSOCIACAO_CONTATO_ID, 1);
end^

create trigger ASSOCIACAO_USUARIO_BI for ASSOCIACAO_USUARIO
active before insert position 0
as
begin
    if (new.USU_I_COD is null) then
        new.USU_I_COD = gen_id(GEN_ASSOCIACAO_USUARIO_ID, 1);
end^

create trigger ASSOCIADO_BI for ASSOCIADO
active before insert position 0
as
begin
    if (new.ACD_I_COD is null) then
        new.ACD_I_COD = gen_id(GEN_ASSOCIADO_ID, 1);
end^

create trigger ASSOCIADO_CONTATO_BI for ASSOCIADO_CONTATO
active before insert position 0
as
begin
    if (new.ACC_I_COD is null) then
        new.ACC_I_COD = gen_id(GEN_ASSOCIADO_CONTATO_ID, 1);
end^

create trigger ASSOCIADO_USUARIO_BI for ASSOCIADO_USUARIO
active before insert position 0
as
begin
    if (new.USU_I_COD is null) then
        new.USU_I_COD = gen_id(GEN_ASSOCIADO_USUARIO_ID, 1);
end^

create trigger PARCEIRO_BI for PARCEIRO
active before insert position 0
as
begin
    if (new.PAR_I_COD is null) then
        new.PAR_I_COD = gen_id(GEN_PARCEIRO_ID, 1);
end^

create trigger PARCEIRO_CONTATO_BI for PARCEIRO_CONTATO
active before insert position 0
as
begin
    if (new.PAC_I_COD is null) then
        new.PAC_I_COD = gen_id(GEN_PARCEIRO_CONTATO_ID, 1);
end^

create trigger PARCEIRO_NEGATIVA_BI for PARCEIRO_NEGATIVA
active before insert position 0
as
begin
    if (new.PNG_I_COD is null) then
        new.PNG_I_COD = gen_id(GEN_PARCEIRO_NEGATIVA_ID, 1);
end^

create trigger ASSOCIADO_CONTA_GRP_BI for ASSOCIADO_CONTA_GRP
active before insert position 0
as
begin
    if (new.GRP_I_COD is null) then
        new.GRP_I_COD = gen_id(GEN_ASSOCIADO_CONTA_GRP_ID, 1);
end^

create trigger ASSOCIADO_CONTA_BI for ASSOCIADO_CONTA
active before insert position 0
as
begin
    if (new.CON_I_COD is null) then
        new.CON_I_COD = gen_id(GEN_ASSOCIADO_CONTA_ID, 1);
end^

create trigger ASSOCIADO_PAGAMENTO_BI for ASSOCIADO_PAGAMENTO
active before insert position 0
as
begin
    if (new.PAG_I_COD is null) then
        new.PAG_I_COD = gen_id(GEN_ASSOCIADO_PAGAMENTO_ID, 1);
end^

set term ; ^

/* ------------------------------------------------------------------ */
/* Row versions                                                       */
/* ------------------------------------------------------------------ */

/* The rows that the program reads into a window and writes back (members,
   their contacts and users, the association's users, partners and their
   contacts) carry a version, 0 when inserted and one more at each update.
   The program writes a row together with the version it read:
   - an update that brings another version than the stored one is refused
     with E_REGISTRO_ALTERADO: another seat wrote the row since it was read,
     and writing it now would undo that write without anybody seeing it;
   - an "update or insert" that finds no row to update inserts; when it
     brings a version, the row had been read, so it was deleted since, and
     the insert is refused with E_REGISTRO_EXCLUIDO instead of bringing the
     row back. A new row is written without a version (NULL).
   An update that does not name the version column (a change of password,
   the statements of the procedures) keeps the stored version and so passes,
   and moves it on like any other update. */
create exception E_REGISTRO_ALTERADO
    'Este registro foi alterado por outro usuário. Os dados serão lidos novamente.';
create exception E_REGISTRO_EXCLUIDO
    'Este registro foi excluído por outro usuário. Os dados serão lidos novamente.';

set term ^ ;

create trigger ASSOCIACAO_USUARIO_VER_BI for ASSOCIACAO_USUARIO
active before insert position 1
as
begin
    if (new.USU_I_VER is not null) then
        exception E_REGISTRO_EXCLUIDO;
    new.USU_I_VER = 0;
end^

create trigger ASSOCIACAO_USUARIO_VER_BU for ASSOCIACAO_USUARIO
active before update position 1
as
begin
    if (new.USU_I_VER is distinct from old.USU_I_VER) then
        exception E_REGISTRO_ALTERADO;
    new.USU_I_VER = old.USU_I_VER + 1;
end^

create trigger ASSOCIADO_VER_BI for ASSOCIADO
active before insert position 1
as
begin
    if (new.ACD_I_VER is not null) then
        exception E_REGISTRO_EXCLUIDO;
    new.ACD_I_VER = 0;
end^

create trigger ASSOCIADO_VER_BU for ASSOCIADO
active before update position 1
as
begin
    if (new.ACD_I_VER is distinct from old.ACD_I_VER) then
        exception E_REGISTRO_ALTERADO;
    new.ACD_I_VER = old.ACD_I_VER + 1;
end^

create trigger ASSOCIADO_CONTATO_VER_BI for ASSOCIADO_CONTATO
active before insert position 1
as
begin
    if (new.ACC_I_VER is not null) then
        exception E_REGISTRO_EXCLUIDO;
    new.ACC_I_VER = 0;
end^

create trigger ASSOCIADO_CONTATO_VER_BU for ASSOCIADO_CONTATO
active before update position 1
as
begin
    if (new.ACC_I_VER is distinct from old.ACC_I_VER) then
        exception E_REGISTRO_ALTERADO;
    new.ACC_I_VER = old.ACC_I_VER + 1;
end^

create trigger ASSOCIADO_USUARIO_VER_BI for ASSOCIADO_USUARIO
active before insert position 1
as
begin
    if (new.USU_I_VER is not null) then
        exception E_REGISTRO_EXCLUIDO;
    new.USU_I_VER = 0;
end^

create trigger ASSOCIADO_USUARIO_VER_BU for ASSOCIADO_USUARIO
active before update position 1
as
begin
    if (new.USU_I_VER is distinct from old.USU_I_VER) then
        exception E_REGISTRO_ALTERADO;
    new.USU_I_VER = old.USU_I_VER + 1;
end^

create trigger PARCEIRO_VER_BI for PARCEIRO
active before insert position 1
as
begin
    if (new.PAR_I_VER is not null) then
        exception E_REGISTRO_EXCLUIDO;
    new.PAR_I_VER = 0;
end^

create trigger PARCEIRO_VER_BU for PARCEIRO
active before update position 1
as
begin
    if (new.PAR_I_VER is distinct from old.PAR_I_VER) then
        exception E_REGISTRO_ALTERADO;
    new.PAR_I_VER = old.PAR_I_VER + 1;
end^

create trigger PARCEIRO_CONTATO_VER_BI for PARCEIRO_CONTATO
active before insert position 1
as
begin
    if (new.PAC_I_VER is not null) then
        exception E_REGISTRO_EXCLUIDO;
    new.PAC_I_VER = 0;
end^

create trigger PARCEIRO_CONTATO_VER_BU for PARCEIRO_CONTATO
active before update position 1
as
begin
    if (new.PAC_I_VER is distinct from old.PAC_I_VER) then
        exception E_REGISTRO_ALTERADO;
    new.PAC_I_VER = old.PAC_I_VER + 1;
end^

set term ; ^

/* ------------------------------------------------------------------ */
/* Deletions                                                          */
/* ------------------------------------------------------------------ */

/* The four plain deletions answer STS:
     0  deleted;
     1  refused: other rows still refer to the row;
     2  refused: no row has that key (nothing was deleted, so the caller
        must not report a deletion). */

set term ^ ;

/* ASSOCIADO_DEL: deletes a member together with its phone contacts and its
   login users. Refused (1) while the member still owns partners, account
   groups or entries, or has made negative-list registrations: those are
   the member's business records and must be cleared first. */
create procedure ASSOCIADO_DEL (ID integer)
returns (STS integer)
as
begin
    if (not exists(select 1 from ASSOCIADO where ACD_I_COD = :ID)) then
    begin
        STS = 2;
        exit;
    end

    if (exists(select 1 from PARCEIRO where ACD_I_COD = :ID)
        or exists(select 1 from ASSOCIADO_CONTA_GRP where ACD_I_COD = :ID)
        or exists(select 1 from ASSOCIADO_PAGAMENTO where ACD_I_COD = :ID)
        or exists(select 1 from PARCEIRO_NEGATIVA where ACD_I_COD = :ID)) then
    begin
        STS = 1;
        exit;
    end

    delete from ASSOCIADO_CONTATO where ACD_I_COD = :ID;
    delete from ASSOCIADO_USUARIO where ACD_I_COD = :ID;
    delete from ASSOCIADO where ACD_I_COD = :ID;
    STS = 0;
end^

/* PARCEIRO_DEL: deletes a partner together with its phone contacts.
   Refused (1) while entries refer to the partner or while it has any
   negative-list registration, standing or withdrawn (the list is shared by
   all associations and keeps its history). */
create procedure PARCEIRO_DEL (ID integer)
returns (STS integer)
as
begin
    if (not exists(select 1 from PARCEIRO where PAR_I_COD = :ID)) then
    begin
        STS = 2;
        exit;
    end

    if (exists(select 1 from ASSOCIADO_PAGAMENTO where PAR_I_COD = :ID)
        or exists(select 1 from PARCEIRO_NEGATIVA where PAR_I_COD = :ID)) then
    begin
        STS = 1;
        exit;
    end

    delete from PARCEIRO_CONTATO where PAR_I_COD = :ID;
    delete from PARCEIRO where PAR_I_COD = :ID;
    STS = 0;
end^

/* CONTA_GRP_DEL: deletes an account group; refused (1) while it still
   holds accounts. */
create procedure CONTA_GRP_DEL (ID integer)
returns (STS integer)
as
begin
    if (not exists(select 1 from ASSOCIADO_CONTA_GRP where GRP_I_COD = :ID)) then
    begin
        STS = 2;
        exit;
    end

    if (exists(select 1 from ASSOCIADO_CONTA where GRP_I_COD = :ID)) then
    begin
        STS = 1;
        exit;
    end

    delete from ASSOCIADO_CONTA_GRP where GRP_I_COD = :ID;
    STS = 0;
end^

/* CONTA_DEL: deletes an account; refused (1) while entries are posted to
   it, whatever their status. */
create procedure CONTA_DEL (ID integer)
returns (STS integer)
as
begin
    if (not exists(select 1 from ASSOCIADO_CONTA where CON_I_COD = :ID)) then
    begin
        STS = 2;
        exit;
    end

    if (exists(select 1 from ASSOCIADO_PAGAMENTO where CON_I_COD = :ID)) then
    begin
        STS = 1;
        exit;
    end

    delete from ASSOCIADO_CONTA where CON_I_COD = :ID;
    STS = 0;
end^

/* ACD_PAGAMENTO_DEL: deletes an open entry (status 'A') and answers 1.
   Answers 0 and deletes nothing for an entry that is settled (any other
   status: its settlement must be reversed first) or that does not exist.
   An open rest entry created by a partial settlement may be deleted: that
   writes the rest off, and reversing the original settlement later still
   works. */
create procedure ACD_PAGAMENTO_DEL (ID integer)
returns (STS integer)
as
begin
    STS = 0;
    if (exists(select 1 from ASSOCIADO_PAGAMENTO
               where PAG_I_COD = :ID and PAG_A_STS = 'A')) then
    begin
        delete from ASSOCIADO_PAGAMENTO where PAG_I_COD = :ID;
        STS = 1;
    end
end^

set term ; ^

/* ------------------------------------------------------------------ */
/* Settlement and its reversal                                        */
/* ------------------------------------------------------------------ */

create exception E_PAGAMENTO_BAIXA 'Baixa recusada.';

set term ^ ;

/* ACD_BAIXA_PAG: settles one open entry.
   - Amount due = VLRDIV + VLRDA, VLRDA being the adjustment of this
     settlement: positive for interest and fees, negative for a discount.
     A NULL VLRDIV or VLRDA stands for the amount stored in the entry.
   - The entry becomes status 'B' with PAG_D_PAG = current_date,
     PAG_N_PAG = VLRPAGO and PAG_N_DA = VLRDA; PAG_N_DIV (the amount posted)
     is left as it was.
   - When VLRPAGO is below the amount due (by at least one cent) the rest,
     rounded to cents, becomes a new open entry: same member, account,
     partner, method, description, instalment numbers, posting date and
     due date, no adjustment, PAG_I_ORI = the settled entry.
   - Paying more than is due settles the entry with the amount paid; no
     entry is created.
   Raises E_PAGAMENTO_BAIXA (nothing changes) for an entry that does not
   exist, one that is not open, or an amount paid that is not above 0. */
create procedure ACD_BAIXA_PAG (
    ID       integer,
    VLRDIV   double precision,
    VLRDA    double precision,
    VLRPAGO  double precision)
as
declare variable STATUS  char(1);
declare variable DIV     double precision;
declare variable DA      double precision;
declare variable RESTO   double precision;
begin
    select PAG_A_STS, PAG_N_DIV, PAG_N_DA
      from ASSOCIADO_PAGAMENTO
     where PAG_I_COD = :ID
      into :STATUS, :DIV, :DA;

    if (row_count = 0) then
        exception E_PAGAMENTO_BAIXA 'Lançamento ' || coalesce(:ID, 0) || ' não encontrado.';
    if (STATUS is distinct from 'A') then
        exception E_PAGAMENTO_BAIXA 'Lançamento ' || :ID || ' já está baixado.';
    if (VLRPAGO is null or VLRPAGO <= 0) then
        exception E_PAGAMENTO_BAIXA 'Valor pago do lançamento ' || :ID || ' deve ser maior que zero.';

    DIV = coalesce(VLRDIV, DIV, 0);
    DA = coalesce(VLRDA, DA, 0);
    RESTO = round(DIV + DA - VLRPAGO, 2);

    update ASSOCIADO_PAGAMENTO
       set PAG_A_STS = 'B',
           PAG_D_PAG = current_date,
           PAG_N_PAG = :VLRPAGO,
           PAG_N_DA = :DA
     where PAG_I_COD = :ID;

    if (RESTO >= 0.01) then
        insert into ASSOCIADO_PAGAMENTO (
            PAG_I_COD, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR,
            PAG_D_DIV, PAG_N_DIV, PAG_D_VNC, PAG_D_PAG, PAG_N_PAG, PAG_A_STS,
            PAR_I_COD, ACD_I_COD, PAG_N_DA, PAG_I_ORI)
        select null, FPG_I_COD, CON_I_COD, PAG_A_DSC, PAG_I_PAR, PAG_I_TPAR,
               PAG_D_DIV, :RESTO, PAG_D_VNC, null, 0, 'A',
               PAR_I_COD, ACD_I_COD, 0, PAG_I_COD
          from ASSOCIADO_PAGAMENTO
         where PAG_I_COD = :ID;
end^

/* ACD_ESTORNA_PAG: reverses the settlement of an entry.
   - STS = -1, nothing changed: the entry does not exist or is open ('A').
   - STS = key of the rest entry, nothing changed: the rest entry that this
     settlement created is itself settled; that settlement has to be
     reversed first.
   - STS = 0: the open rest entries of this settlement are deleted and the
     entry is open again: status 'A', PAG_D_PAG NULL, PAG_N_PAG 0 (the
     adjustment PAG_N_DA is kept, so settling again starts from it). */
create procedure ACD_ESTORNA_PAG (ID integer)
returns (STS integer)
as
declare variable STATUS  char(1);
declare variable RESTO   integer;
begin
    select PAG_A_STS from ASSOCIADO_PAGAMENTO where PAG_I_COD = :ID
      into :STATUS;
    if (row_count = 0 or STATUS = 'A') then
    begin
        STS = -1;
        exit;
    end

    RESTO = null;
    select first 1 PAG_I_COD from ASSOCIADO_PAGAMENTO
     where PAG_I_ORI = :ID and PAG_A_STS is distinct from 'A'
     order by PAG_I_COD
      into :RESTO;
    if (RESTO is not null) then
    begin
        STS = RESTO;
        exit;
    end

    delete from ASSOCIADO_PAGAMENTO where PAG_I_ORI = :ID;
    update ASSOCIADO_PAGAMENTO
       set PAG_A_STS = 'A',
           PAG_D_PAG = null,
           PAG_N_PAG = 0
     where PAG_I_COD = :ID;
    STS = 0;
end^

set term ; ^

/* ------------------------------------------------------------------ */
/* Result statements                                                  */
/* ------------------------------------------------------------------ */

/* dre_op (accrual) and dre_fi (cash) give one member's result for the days
   IDT_INI to IDT_FIM, both included, as lines:
     - one line per credit group of the member (GRP_A_TIP 'C'), by name
       (in alphabetical order, accented letters beside their base letter);
     - one line per debit group ('D'), by name, its value NEGATIVE, so that
       the VALOR column adds up to the last line;
     - "RESULTADO": credits minus debits.
   Every group of the member appears, also without movement (value 0), so
   the statement keeps the same lines from one period to the next. Groups
   of any other type, and entries without an account of one of the
   member's groups, are not part of the statement.
   VALOR is rounded to cents. PORC is VALOR / total credits * 100 rounded to
   one decimal (debit lines therefore negative, the result line being the
   margin); 0 on every line when the period has no credits.

   dre_op: entries by posting date PAG_D_DIV, amount posted PAG_N_DIV,
   whatever their status. Rest entries created by a partial settlement
   (PAG_I_ORI set) are left out: their amount is already part of the
   amount posted by the entry they came from.
   dre_fi: settled entries (any status but 'A') by payment date PAG_D_PAG,
   amount paid PAG_N_PAG, rest entries included (each payment counts once,
   interest and discounts with it). */

set term ^ ;

create procedure DRE_OP (IACD integer, IDT_INI date, IDT_FIM date)
returns (DESCRICAO varchar(100), VALOR double precision, PORC numeric(18,1))
as
declare variable GRP      integer;
declare variable TIPO     char(1);
declare variable CREDITO  double precision;
declare variable DEBITO   double precision;
begin
    /* Total credits as the sum of the rounded credit lines, so that the
       lines and the result agree to the cent. */
    select round(coalesce(sum(t.V), 0), 2)
      from (select round(sum(p.PAG_N_DIV), 2) as V
              from ASSOCIADO_PAGAMENTO p
              join ASSOCIADO_CONTA c on c.CON_I_COD = p.CON_I_COD
              join ASSOCIADO_CONTA_GRP g on g.GRP_I_COD = c.GRP_I_COD
             where g.ACD_I_COD = :IACD and p.ACD_I_COD = :IACD
               and g.GRP_A_TIP = 'C'
               and p.PAG_I_ORI is null
               and p.PAG_D_DIV between :IDT_INI and :IDT_FIM
             group by g.GRP_I_COD) t
      into :CREDITO;
    DEBITO = 0;

    for select g.GRP_I_COD, g.GRP_A_DSC, g.GRP_A_TIP
          from ASSOCIADO_CONTA_GRP g
         where g.ACD_I_COD = :IACD and g.GRP_A_TIP in ('C', 'D')
         order by case g.GRP_A_TIP when 'C' then 0 else 1 end,
                  g.GRP_A_DSC collate UNICODE, g.GRP_I_COD
          into :GRP, :DESCRICAO, :TIPO
    do
    begin
        select round(coalesce(sum(p.PAG_N_DIV), 0), 2)
          from ASSOCIADO_PAGAMENTO p
          join ASSOCIADO_CONTA c on c.CON_I_COD = p.CON_I_COD
         where c.GRP_I_COD = :GRP and p.ACD_I_COD = :IACD
           and p.PAG_I_ORI is null
           and p.PAG_D_DIV between :IDT_INI and :IDT_FIM
          into :VALOR;
        if (TIPO = 'D') then
        begin
            DEBITO = DEBITO + VALOR;
            /* no negative zero for a debit group without movement */
            if (VALOR <> 0) then
                VALOR = -VALOR;
        end
        PORC = iif(CREDITO = 0, 0, round(VALOR / CREDITO * 100, 1));
        suspend;
    end

    DESCRICAO = 'RESULTADO';
    VALOR = round(CREDITO - DEBITO, 2);
    PORC = iif(CREDITO = 0, 0, round(VALOR / CREDITO * 100, 1));
    suspend;
end^

create procedure DRE_FI (IACD integer, IDT_INI date, IDT_FIM date)
returns (DESCRICAO varchar(100), VALOR double precision, PORC numeric(18,1))
as
declare variable GRP      integer;
declare variable TIPO     char(1);
declare variable CREDITO  double precision;
declare variable DEBITO   double precision;
begin
    /* Total credits as the sum of the rounded credit lines, so that the
       lines and the result agree to the cent. */
    select round(coalesce(sum(t.V), 0), 2)
      from (select round(sum(p.PAG_N_PAG), 2) as V
              from ASSOCIADO_PAGAMENTO p
              join ASSOCIADO_CONTA c on c.CON_I_COD = p.CON_I_COD
              join ASSOCIADO_CONTA_GRP g on g.GRP_I_COD = c.GRP_I_COD
             where g.ACD_I_COD = :IACD and p.ACD_I_COD = :IACD
               and g.GRP_A_TIP = 'C'
               and p.PAG_A_STS <> 'A'
               and p.PAG_D_PAG between :IDT_INI and :IDT_FIM
             group by g.GRP_I_COD) t
      into :CREDITO;
    DEBITO = 0;

    for select g.GRP_I_COD, g.GRP_A_DSC, g.GRP_A_TIP
          from ASSOCIADO_CONTA_GRP g
         where g.ACD_I_COD = :IACD and g.GRP_A_TIP in ('C', 'D')
         order by case g.GRP_A_TIP when 'C' then 0 else 1 end,
                  g.GRP_A_DSC collate UNICODE, g.GRP_I_COD
          into :GRP, :DESCRICAO, :TIPO
    do
    begin
        select round(coalesce(sum(p.PAG_N_PAG), 0), 2)
          from ASSOCIADO_PAGAMENTO p
          join ASSOCIADO_CONTA c on c.CON_I_COD = p.CON_I_COD
         where c.GRP_I_COD = :GRP and p.ACD_I_COD = :IACD
           and p.PAG_A_STS <> 'A'
           and p.PAG_D_PAG between :IDT_INI and :IDT_FIM
          into :VALOR;
        if (TIPO = 'D') then
        begin
            DEBITO = DEBITO + VALOR;
            /* no negative zero for a debit group without movement */
            if (VALOR <> 0) then
                VALOR = -VALOR;
        end
        PORC = iif(CREDITO = 0, 0, round(VALOR / CREDITO * 100, 1));
        suspend;
    end

    DESCRICAO = 'RESULTADO';
    VALOR = round(CREDITO - DEBITO, 2);
    PORC = iif(CREDITO = 0, 0, round(VALOR / CREDITO * 100, 1));
    suspend;
end^

set term ; ^

/* ------------------------------------------------------------------ */
/* Key lists                                                          */
/* ------------------------------------------------------------------ */

/* The keys of a comma-separated list ('12,7,431'), one row each with its
   place in the list. A report of a search's rows reads them joined to this
   in batches: each key is one index lookup, where "in (12, 7, 431)" tests
   every row against every key of the list and needs a new statement for
   every batch. Anything but digits and commas is refused by the cast. */

set term ^ ;

create procedure LISTA_CHAVES (CHAVES varchar(32000) character set ascii)
returns (POS integer, ID integer)
as
declare variable INICIO integer = 1;
declare variable FIM    integer;
begin
    POS = 0;
    while (INICIO <= char_length(CHAVES)) do
    begin
        FIM = position(',', CHAVES, INICIO);
        if (FIM = 0) then
            FIM = char_length(CHAVES) + 1;
        POS = POS + 1;
        ID = cast(substring(CHAVES from INICIO for FIM - INICIO) as integer);
        suspend;
        INICIO = FIM + 1;
    end
end^

set term ; ^

commit;
