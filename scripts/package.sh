#!/usr/bin/env bash
# Builds the Debian package build/ulmora_<version>_amd64.deb (CPack, from the
# same CMake project) and then tests it with scripts/package-test.sh: its
# contents and control fields, lintian, an installation on this machine and
# a first start of each installed program under Xvfb. ULMORA_PACKAGE_TEST=0
# only builds it. Installs what is missing first, as the other commands do.
set -euo pipefail
setup_steps=install
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# Only the programs: the package holds nothing else that is built, and
# packing must not wait for the whole test suite.
cmake -G Ninja -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target ulmora ulmora-associado ulmora_package_docs
rm -f "$build"/ulmora_*_amd64.deb
(cd "$build" && cpack -G DEB)
deb="$(ls "$build"/ulmora_*_amd64.deb)"
echo "Built $deb"

if [[ ${ULMORA_PACKAGE_TEST:-1} != 0 ]]; then
    "$root/scripts/package-test.sh" "$deb"
fi
