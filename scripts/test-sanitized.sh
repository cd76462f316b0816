#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $1) and runs the whole test suite there, like scripts/test.sh.
# Any report of either sanitizer fails the test that caused it.
# Leak reports from third-party libraries are ignored, see
# tests/sanitizers/lsan.supp.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-asan}"
started=$(date +%s)
"$here/scripts/install-deps.sh" --tests
# shellcheck source=lib/node-env.sh
source "$here/scripts/lib/node-env.sh"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" "${generator[@]}" "${launcher[@]}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_SANITIZE=ON
fi
cmake --build "$build" --parallel "$(nproc)"
built=$(date +%s)

export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=0:strict_string_checks=0:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
cd "$build"
status=0
# services_node and services_scaleout are left out: they run only the services' JavaScript under
# Node, nothing this build compiled, and the ordinary run already ran it.
ctest --output-on-failure --timeout 900 -j2 -E '^services_(node|scaleout)$' || status=$?
ended=$(date +%s)
echo "sanitized build: $((built - started)) s, tests: $((ended - built)) s, total: $((ended - started)) s"
exit $status
