#!/usr/bin/env bash
# Sets everything up (see setup.sh) and runs the whole test suite, headless.
#
# The database tests run twice: on the embedded engine (test NAME) and on a
# Firebird server (test NAME_server), which this command installs when it
# is missing, starts when none is running and stops again at the end if it
# started it (scripts/firebird-server.sh). ULMORA_TEST_SERVER=0 leaves the
# server out. Arguments go to ctest (e.g. -R tst_seats).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export QT_QPA_PLATFORM=offscreen

server="$root/scripts/firebird-server.sh"
if [[ ${ULMORA_TEST_SERVER:-1} != 0 ]]; then
    "$server" install
    if ! "$server" status >/dev/null; then
        # Nothing listens yet: the server that `start` brings up is ours to stop.
        trap '"$server" stop' EXIT
    fi
    "$server" start
    eval "$("$server" env)"
    export ULMORA_TEST_SYSDBA_PASSWORD ULMORA_TEST_USER_PASSWORD
    cmake -DULMORA_TEST_SERVER=ON "$build" >/dev/null
else
    cmake -DULMORA_TEST_SERVER=OFF "$build" >/dev/null
fi

ctest --test-dir "$build" --output-on-failure "$@"
