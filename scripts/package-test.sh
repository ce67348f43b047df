#!/usr/bin/env bash
# Tests a built Debian package of Ulmora on this machine:
#
#   scripts/package-test.sh build/ulmora_<version>_amd64.deb
#
# 1. its files (dpkg-deb --contents) and control fields (dpkg -I): both
#    programs and the restore's helper, the database scripts, desktop entries, icons, manual pages,
#    the runtime dependencies; the desktop entries validate;
# 2. lintian reports no error (warnings are printed);
# 3. it installs with apt (as root, else through sudo), again when the same
#    version is installed already;
# 4. each installed program, started from its desktop entry's command line
#    under Xvfb by an ordinary user with an empty home folder, shows its
#    first window (the first-run assistant, "Configuração inicial") and
#    ends with status 0 on SIGTERM. ULMORA_PACKAGE_SHOTS=FOLDER keeps a
#    screenshot of each window there (ImageMagick's import).
#
# Not part of ctest: it installs software on the machine.
set -euo pipefail

(( $# == 1 )) || { echo "usage: $0 PACKAGE.deb" >&2; exit 2; }
deb="$(realpath "$1")"
fail() { echo "package-test: FAILED: $*" >&2; exit 1; }
step() { echo "== $*"; }
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

step "contents"
dpkg-deb --contents "$deb"
mapfile -t files < <(dpkg-deb --contents "$deb" | awk '{print $6}')
expected=(
    ./usr/bin/ulmora ./usr/bin/ulmora-associado ./usr/bin/ulmora-restauracao
    ./usr/share/ulmora/schema.sql ./usr/share/ulmora/reference.sql ./usr/share/ulmora/cidades.sql
    ./usr/share/applications/ulmora.desktop ./usr/share/applications/ulmora-associado.desktop
    ./usr/share/man/man1/ulmora.1.gz ./usr/share/man/man1/ulmora-associado.1.gz
    ./usr/share/man/man1/ulmora-restauracao.1.gz
    ./usr/share/doc/ulmora/copyright ./usr/share/doc/ulmora/changelog.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/ulmora.png")
done
for f in "${expected[@]}"; do
    printf '%s\n' "${files[@]}" | grep -qxF "$f" || fail "$f is not in the package"
done
# A new desk's database starts without the demonstration data.
! printf '%s\n' "${files[@]}" | grep -q 'demo\.sql' || fail "the demo data is in the package"

step "control"
dpkg -I "$deb"
version="$(dpkg-deb -f "$deb" Version)"
[[ "$(basename "$deb")" == "ulmora_${version}_amd64.deb" ]] || fail "file name $(basename "$deb") for version $version"
depends="$(dpkg-deb -f "$deb" Depends)"
for p in libfbclient2 firebird3.0-server-core fonts-wine qt6-translations-l10n libxlsxwriter \
         libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6printsupport6; do
    grep -qE "(^|, )$p" <<<"$depends" || fail "Depends lacks $p: $depends"
done
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop || fail "a desktop entry does not validate"

step "lintian"
# lintian warns about running as root; its findings are what counts.
report="$(lintian --info "$deb" 2>/dev/null || true)"
[[ -z "$report" ]] || echo "$report"
! grep -q '^E:' <<<"$report" || fail "lintian reports errors"

step "install"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --reinstall "$deb"
command -v ulmora ulmora-associado ulmora-restauracao
for program in ulmora ulmora-associado; do
    env -u DISPLAY "$program" --help | grep -q -- '--help' || fail "$program --help"
done
man -w ulmora ulmora-associado ulmora-restauracao

step "first start of each installed program"
# An ordinary user with an empty home folder: a new desk.
home="$(mktemp -d)"
runner=()
if [[ $(id -u) -eq 0 ]]; then
    chown nobody "$home"
    runner=(runuser -u nobody --)
fi
for entry in ulmora ulmora-associado; do
    command="$(sed -n 's/^Exec=//p' "/usr/share/applications/$entry.desktop")"
    shot="$home/installed-$entry.png"
    status=0
    "${runner[@]}" env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 SHOT="${ULMORA_PACKAGE_SHOTS:+$shot}" \
        xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
            '"$command"' & pid=$!
            if ! timeout 60 xdotool search --sync --onlyvisible --name "^Configuração inicial$" >/dev/null; then
                kill -KILL $pid; exit 3
            fi
            if [[ -n $SHOT ]] && command -v import >/dev/null; then sleep 1; import -window root "$SHOT"; fi
            kill -TERM $pid
            wait $pid' || status=$?
    (( status == 0 )) || fail "$entry: no first window, or status $status after SIGTERM"
    if [[ -n ${ULMORA_PACKAGE_SHOTS:-} && -f $shot ]]; then
        mkdir -p "$ULMORA_PACKAGE_SHOTS"
        mv "$shot" "$ULMORA_PACKAGE_SHOTS/"
    fi
    echo "$entry: first window shown, ended with status 0"
done
[[ -z "$(ls -A "$home/.config/ulmora" 2>/dev/null)" ]] || fail "a first start that was only closed wrote files"
rm -rf "$home"
step "package OK: $deb"
