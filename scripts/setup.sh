#!/usr/bin/env bash
# Brings a Debian 12 machine from nothing to a built Ulmora with its demo
# database: installs the missing packages, builds, and creates the demo
# database and its connection definition when they don't exist yet.
# Sourced by run.sh and test.sh; safe to run again.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ULMORA_BUILD_DIR:-$root/build}"
var="$root/var"

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n qt6-charts-dev
    firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils
    fonts-wine libbenchmark-dev
    libxlsxwriter-dev poppler-utils unzip
    xdotool
    dpkg-dev lintian xvfb xauth desktop-file-utils
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    (( ${#missing[@]} )) || return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

build_all() {
    if [[ ! -f "$build/build.ninja" ]]; then
        cmake -G Ninja -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$build" -j "$(nproc)"
}

create_demo_database() {
    mkdir -p "$var"
    if [[ ! -f "$var/ulmora.fdb" ]]; then
        "$root/scripts/create-database.sh" "$var/ulmora.fdb" --demo
    fi
    # The program reads its connection definition beside its executable.
    if [[ ! -f "$build/connections.ini" ]]; then
        cat > "$build/connections.ini" <<INI
[Ulmora]
Database=$var/ulmora.fdb
Server=
Port=
User_Name=SYSDBA
Password=
CharacterSet=UTF8
INI
        echo "Wrote $build/connections.ini"
    fi
}

# The steps a command wants, all of them unless it says otherwise before
# sourcing this file (the package command only installs what is missing).
for step in ${setup_steps:-install build demo}; do
    case "$step" in
        install) install_missing ;;
        build) build_all ;;
        demo) create_demo_database ;;
    esac
done
