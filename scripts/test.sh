#!/usr/bin/env bash
# Sets everything up (see setup.sh) and runs the whole test suite, headless.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure "$@"
