#!/usr/bin/env bash
# Creates an Ulmora database: an empty UTF8 database at PATH with the
# schema, the payment methods and the cities, and with --demo the
# demonstration associations, users and members as well.
#
#   scripts/create-database.sh PATH [--demo]
#   scripts/create-database.sh --server HOST[/PORT] PATH [--demo]
#
# Without --server: isql-fb on the local file (embedded engine, user SYSDBA).
# Refuses to touch an existing file.
#
# With --server: the database is created by the Firebird server at HOST, PATH
# being a path on the server in a folder the server may write; isql-fb logs
# in as SYSDBA with the password in ISC_PASSWORD. The program's database user
# ULMORA (which must exist on the server) then gets its rights on the new
# database (data/grants.sql).
#
# Any isql error stops the script with a non-zero status and removes the
# half-built database.
set -euo pipefail

usage() {
    echo "usage: $0 [--server HOST[/PORT]] PATH [--demo]" >&2
    exit 2
}

db=""
demo=0
server=""
while (( $# )); do
    case "$1" in
        --demo) demo=1 ;;
        --server) (( $# >= 2 )) || usage; server="$2"; shift ;;
        -*) usage ;;
        *) [[ -z "$db" ]] || usage; db="$1" ;;
    esac
    shift
done
[[ -n "$db" ]] || usage

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="$here/../data"
isql="${ISQL:-isql-fb}"

command -v "$isql" >/dev/null || { echo "$0: $isql not found (Debian package firebird3.0-utils)" >&2; exit 1; }

if [[ -z "$server" ]]; then
    if [[ -e "$db" ]]; then
        echo "$0: $db already exists; not touching it" >&2
        exit 1
    fi
    dir="$(dirname "$db")"
    [[ -d "$dir" ]] || { echo "$0: folder $dir does not exist" >&2; exit 1; }
    db="$(cd "$dir" && pwd)/$(basename "$db")"
    target="$db"
    password_clause=""
    export ISC_USER=SYSDBA
    unset ISC_PASSWORD
else
    [[ $db == /* ]] || { echo "$0: with --server, PATH is an absolute path on the server" >&2; exit 1; }
    [[ -n ${ISC_PASSWORD:-} ]] || { echo "$0: with --server, set ISC_PASSWORD to SYSDBA's password" >&2; exit 1; }
    target="$server:$db"
    password_clause=" password '${ISC_PASSWORD//\'/\'\'}'"
    export ISC_USER=SYSDBA ISC_PASSWORD
fi

created=0
cleanup() {
    if [[ $? -ne 0 && $created -eq 1 ]]; then
        if [[ -z "$server" ]]; then
            rm -f "$db"
        else
            "$isql" -q "$target" <<<"drop database;" >/dev/null 2>&1 || true
        fi
        echo "$0: failed; $target removed" >&2
    fi
}
trap cleanup EXIT

# -bail stops at the first error with a non-zero status; the output is
# checked as well, so that an error isql-fb only prints is not missed.
run_isql() {
    local what="$1"; shift
    local out
    if ! out="$("$isql" "$@" 2>&1)" || grep -q -E 'Statement failed|SQLSTATE = ' <<<"$out"; then
        echo "$0: $what failed:" >&2
        echo "$out" >&2
        exit 1
    fi
}

sql_target="${target//\'/\'\'}"
run_isql "creating $target" -q <<<"create database '$sql_target' user 'SYSDBA'$password_clause default character set UTF8;"
created=1

files=(schema.sql reference.sql cidades.sql)
(( demo )) && files+=(demo.sql)
[[ -n "$server" ]] && files+=(grants.sql)
for f in "${files[@]}"; do
    run_isql "loading $f" -q -bail -ch UTF8 -i "$data/$f" "$target"
done

echo "Created $target with ${files[*]}"
