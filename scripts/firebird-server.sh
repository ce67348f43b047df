#!/usr/bin/env bash
# The Firebird server of the several-seats back end, for the tests and for
# trying the program against a server on this machine.
#
#   scripts/firebird-server.sh install  install Debian's firebird3.0-server without questions
#   scripts/firebird-server.sh start    start it on 127.0.0.1:3050 unless a server already
#                                       listens there; create the program's database user
#   scripts/firebird-server.sh stop     stop the server that `start` started (nothing else)
#   scripts/firebird-server.sh owned    exit 0 when the running server is the one `start` started
#   scripts/firebird-server.sh status   say whether a server listens and whose it is
#   scripts/firebird-server.sh env      print the variables the server tests read
#
# There is no service manager on these machines: `start` runs the server
# binary itself as the `firebird` user and waits for its port. The server
# keeps its lock files in its own folder (FIREBIRD_LOCK), apart from
# /tmp/firebird, where processes running the embedded engine as other users
# (root, the tests) keep theirs; the two never share a database file.
#
# Passwords: SYSDBA's is the one the package stored in
# /etc/firebird/3.0/SYSDBA.password; the program's user ULMORA gets a random
# one, kept in /etc/firebird/3.0/ULMORA.password (both readable by root only).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
etc=/etc/firebird/3.0
run=/run/firebird3.0
pidfile="$run/ulmora-server.pid"
lockdir="$run/lock"
testdir=/var/lib/firebird/3.0/data/ulmora-tests
host=127.0.0.1
port=3050
server_bin=/usr/sbin/firebird
log=/var/log/firebird/firebird3.0.log
app_user=ULMORA

die() {
    echo "$0: $*" >&2
    exit 1
}

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    else
        sudo "$@"
    fi
}

installed() {
    dpkg-query -W -f='${Status}' firebird3.0-server 2>/dev/null | grep -q "install ok installed"
}

listening() {
    # bash's /dev/tcp: no extra tool, and a refused connection fails at once.
    (exec 3<>"/dev/tcp/$host/$port") 2>/dev/null
}

# Waits up to $1 seconds for the port to be in the state $2 (up/down).
wait_port() {
    local seconds="$1" want="$2" i
    for ((i = 0; i < seconds * 5; ++i)); do
        if listening; then
            [[ $want == up ]] && return 0
        else
            [[ $want == down ]] && return 0
        fi
        sleep 0.2
    done
    return 1
}

ours_running() {
    [[ -f $pidfile ]] && as_root kill -0 "$(cat "$pidfile")" 2>/dev/null
}

password_of() { # file variable
    as_root bash -c "set -a; . '$1' >/dev/null 2>&1; printf '%s' \"\${$2:-}\""
}

sysdba_password() {
    [[ -n ${ISC_PASSWORD:-} ]] && { printf '%s' "$ISC_PASSWORD"; return; }
    as_root test -f "$etc/SYSDBA.password" || die "$etc/SYSDBA.password not found; run '$0 install'"
    password_of "$etc/SYSDBA.password" ISC_PASSWORD
}

app_password() {
    if ! as_root test -f "$etc/ULMORA.password"; then
        local generated
        generated="$(tr -dc 'A-Za-z0-9' </dev/urandom | head -c 16 || true)"
        as_root install -m 0600 /dev/null "$etc/ULMORA.password"
        printf '# Password of the database user %s of the Ulmora program\nULMORA_PASSWORD=%s\n' \
            "$app_user" "$generated" | as_root tee "$etc/ULMORA.password" >/dev/null
    fi
    password_of "$etc/ULMORA.password" ULMORA_PASSWORD
}

cmd_install() {
    if installed; then
        return 0
    fi
    echo "Installing firebird3.0-server"
    # The package asks for SYSDBA's password; answer it beforehand.
    local password
    password="$(tr -dc 'A-Za-z0-9' </dev/urandom | head -c 16 || true)"
    printf 'firebird3.0-server shared/firebird/sysdba_password/first_install password %s\n' "$password" \
        | as_root debconf-set-selections
    # The package starts its service when installed; this script starts the
    # server itself, so deny that start for the length of the installation
    # (only when the machine has no policy of its own).
    local policy=/usr/sbin/policy-rc.d added=0
    if ! as_root test -e "$policy"; then
        printf '#!/bin/sh\nexit 101\n' | as_root tee "$policy" >/dev/null
        as_root chmod 0755 "$policy"
        added=1
    fi
    local status=0
    as_root apt-get update -qq || status=$?
    if [[ $status -eq 0 ]]; then
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q firebird3.0-server || status=$?
    fi
    (( added )) && as_root rm -f "$policy"
    [[ $status -eq 0 ]] || die "installing firebird3.0-server failed"
    as_root test -f "$etc/SYSDBA.password" || die "the package left no $etc/SYSDBA.password"
}

# Runs SQL as SYSDBA through the server, against the services manager's
# user list: `create or alter user` needs an attachment, and the security
# database itself refuses remote access.
sysdba_services() {
    as_root env ISC_USER=SYSDBA ISC_PASSWORD="$(sysdba_password)" fbsvcmgr "$host/$port:service_mgr" "$@"
}

ensure_app_user() {
    local password
    password="$(app_password)"
    if sysdba_services action_display_user_adm sec_username "$app_user" 2>/dev/null | grep -qi "$app_user"; then
        sysdba_services action_modify_user sec_username "$app_user" sec_password "$password" >/dev/null
    else
        sysdba_services action_add_user sec_username "$app_user" sec_password "$password" >/dev/null
    fi
}

cmd_start() {
    installed || die "firebird3.0-server is not installed; run '$0 install'"
    if listening; then
        if ours_running; then
            echo "Firebird server already running (pid $(cat "$pidfile"))"
        else
            echo "A Firebird server already listens on $host:$port; using it"
        fi
    else
        as_root install -d -o firebird -g firebird -m 0770 "$run" "$lockdir"
        as_root rm -f "$pidfile"
        # The server binary in the foreground of its own session, as the
        # firebird user; start-stop-daemon puts it in the background and
        # keeps its pid for `stop`.
        as_root env FIREBIRD_LOCK="$lockdir" start-stop-daemon --start --quiet --background \
            --make-pidfile --pidfile "$pidfile" --chuid firebird:firebird --exec "$server_bin"
        if ! wait_port 30 up; then
            as_root tail -n 20 "$log" >&2 2>/dev/null || true
            cmd_stop >/dev/null 2>&1 || true
            die "the Firebird server did not open $host:$port within 30 seconds"
        fi
        echo "Started the Firebird server on $host:$port (pid $(cat "$pidfile"))"
    fi
    ensure_app_user
    # Where the tests create their databases: the server writes the files.
    # A test that crashed leaves its file behind; none lives for half a day.
    as_root install -d -o firebird -g firebird -m 0770 "$testdir"
    as_root find "$testdir" -maxdepth 1 -name '*.fdb' -mmin +720 -delete
}

cmd_stop() {
    if ! ours_running; then
        as_root rm -f "$pidfile"
        echo "No Firebird server started by $0 is running"
        return 0
    fi
    # TERM lets the server close its attachments and databases; KILL only if
    # it has not ended after 20 seconds.
    as_root start-stop-daemon --stop --quiet --pidfile "$pidfile" --retry TERM/20/KILL/5 --remove-pidfile \
        || die "the Firebird server did not stop"
    wait_port 10 down || die "$host:$port still answers after the server stopped"
    echo "Stopped the Firebird server"
}

cmd_status() {
    if ! listening; then
        echo "No Firebird server listens on $host:$port"
        return 3
    fi
    if ours_running; then
        echo "Firebird server running on $host:$port (pid $(cat "$pidfile"), started by $0)"
    else
        echo "A Firebird server listens on $host:$port (not started by $0)"
    fi
}

cmd_env() {
    printf 'ULMORA_TEST_SYSDBA_PASSWORD=%q\n' "$(sysdba_password)"
    printf 'ULMORA_TEST_USER_PASSWORD=%q\n' "$(app_password)"
}

case "${1:-}" in
    install) cmd_install ;;
    start) cmd_start ;;
    stop) cmd_stop ;;
    owned) ours_running ;;
    status) cmd_status ;;
    env) cmd_env ;;
    *)
        echo "usage: $0 install|start|stop|owned|status|env" >&2
        exit 2
        ;;
esac
