#!/usr/bin/env bash
# Configures and builds the project into build/ (or $1): everything, or only
# the targets named after the folder.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true
# shellcheck source=lib/node-env.sh
source "$here/scripts/lib/node-env.sh"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
launcher=()
# A compiler cache, where one is installed, makes rebuilds of other checkouts cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
fi
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
