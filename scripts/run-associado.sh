#!/usr/bin/env bash
# Sets everything up (see setup.sh) and starts the members' program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$build/ulmora-associado" "$@"
