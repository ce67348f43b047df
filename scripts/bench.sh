#!/usr/bin/env bash
# Sets everything up (see setup.sh), builds the benchmark program of the
# member register and runs it. On the first run it builds its database under
# build/bench-data (300,000 members; about half a minute) and uses it from
# then on, until data/schema.sql or the other scripts it comes from change.
# Arguments go to the program, e.g.
#   scripts/bench.sh --benchmark_filter=Search
#   scripts/bench.sh --repetitions=1 --data-dir=/some/folder
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
type="$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")"
case "$type" in
    Release|RelWithDebInfo|MinSizeRel) ;;
    *) echo "warning: $build is a '$type' build; figures need an optimised one (RelWithDebInfo)" >&2 ;;
esac
cmake --build "$build" --target bench_members
exec "$build/benchmarks/bench_members" "$@"
