/*
  Rights of the program's database user ULMORA on an Ulmora database held by
  a Firebird server.

  Run as SYSDBA (the owner of the objects) after schema.sql, on the server:
      isql-fb -user SYSDBA -password ... -q -i data/grants.sql 127.0.0.1/3050:/path/ulmora.fdb
  The user must already exist on the server (create user ULMORA password '...';
  see the README). The user gets exactly what the program does to this
  database: it reads and writes rows of every table, runs every procedure
  and meets the exceptions they raise; it creates, alters and drops nothing,
  and it has no rights on any other database of the server.

  The user has no right on the key generators: whoever may call gen_id
  could move one back, and every insert would then meet a key that exists.
  The triggers and procedures that draw keys hold the right themselves.

  The objects are taken from the system tables, so the script fits every
  version of the schema; run it again after the schema changes.
*/

set term ^ ;

execute block
as
    declare name varchar(63);
    declare generator varchar(63);
    declare kind smallint;
begin
    for select trim(rdb$relation_name) from rdb$relations
        where coalesce(rdb$system_flag, 0) = 0
        into :name
    do
        execute statement 'grant select, insert, update, delete on "' || name || '" to user ULMORA';

    for select trim(rdb$procedure_name) from rdb$procedures
        where coalesce(rdb$system_flag, 0) = 0 and rdb$package_name is null
        into :name
    do
        execute statement 'grant execute on procedure "' || name || '" to user ULMORA';

    /* Raised by the procedures and triggers when they refuse; without the
       right the user gets "no permission" instead of the refusal. */
    for select trim(rdb$exception_name) from rdb$exceptions
        where coalesce(rdb$system_flag, 0) = 0
        into :name
    do
        execute statement 'grant usage on exception "' || name || '" to user ULMORA';

    /* New keys come from the triggers (and any procedure that draws one);
       the program learns them through "returning". */
    for select distinct trim(d.rdb$dependent_name), d.rdb$dependent_type, trim(d.rdb$depended_on_name)
        from rdb$dependencies d
        join rdb$generators g on g.rdb$generator_name = d.rdb$depended_on_name
        where d.rdb$depended_on_type = 14 and d.rdb$dependent_type in (2, 5)
          and coalesce(g.rdb$system_flag, 0) = 0
        into :name, :kind, :generator
    do
        execute statement 'grant usage on sequence "' || generator || '" to '
            || iif(kind = 2, 'trigger', 'procedure') || ' "' || name || '"';

    /* A database granted by an earlier version of this script. */
    for select trim(rdb$generator_name) from rdb$generators
        where coalesce(rdb$system_flag, 0) = 0
        into :name
    do
        execute statement 'revoke usage on sequence "' || name || '" from user ULMORA';
end^

set term ; ^

commit;
