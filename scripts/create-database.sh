#!/usr/bin/env bash
# Creates an Ulmora database: an empty UTF8 database at PATH with the
# schema, the payment methods and the cities, and with --demo the
# demonstration associations, users and members as well.
#
#   scripts/create-database.sh PATH [--demo]
#
# Uses isql-fb on the local file (embedded engine, user SYSDBA). Refuses to
# touch an existing file. Any isql error stops the script with a non-zero
# status and removes the half-built database.
set -euo pipefail

usage() {
    echo "usage: $0 PATH [--demo]" >&2
    exit 2
}

db=""
demo=0
for arg in "$@"; do
    case "$arg" in
        --demo) demo=1 ;;
        -*) usage ;;
        *) [[ -z "$db" ]] || usage; db="$arg" ;;
    esac
done
[[ -n "$db" ]] || usage

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="$here/../data"
isql="${ISQL:-isql-fb}"

command -v "$isql" >/dev/null || { echo "$0: $isql not found (Debian package firebird3.0-utils)" >&2; exit 1; }

if [[ -e "$db" ]]; then
    echo "$0: $db already exists; not touching it" >&2
    exit 1
fi
dir="$(dirname "$db")"
[[ -d "$dir" ]] || { echo "$0: folder $dir does not exist" >&2; exit 1; }
db="$(cd "$dir" && pwd)/$(basename "$db")"

created=0
cleanup() {
    if [[ $? -ne 0 && $created -eq 1 ]]; then
        rm -f "$db"
        echo "$0: failed; $db removed" >&2
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

sql_path="${db//\'/\'\'}"
run_isql "creating $db" -q <<<"create database '$sql_path' user 'SYSDBA' default character set UTF8;"
created=1

files=(schema.sql reference.sql cidades.sql)
(( demo )) && files+=(demo.sql)
for f in "${files[@]}"; do
    run_isql "loading $f" -user SYSDBA -q -bail -ch UTF8 -i "$data/$f" "$db"
done

echo "Created $db with ${files[*]}"
