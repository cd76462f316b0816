#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ (or $QUILLET_FUZZ_BUILD)
# and runs each for the given number of seconds, one after the other.
#
#   scripts/fuzz.sh [seconds per target, default 60] [target ...]
#
# Targets: answerstream configfile vocabulary thrift docx enml filelist sentences.
# Each starts from its stored inputs in tests/fuzz/<target>/ and keeps what it
# finds new in build-fuzz/corpus/<target>/. An input that crashes a target (or
# breaks one of its checks) lands in build-fuzz/artifacts/<target>/: copy it
# into tests/fuzz/<target>/ so the test suite replays it from then on.
# The last line per target gives the executions and the coverage libFuzzer
# counted (cov: edges, ft: features); the full log is in build-fuzz/logs/.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLET_FUZZ_BUILD:-$here/build-fuzz}"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(answerstream configfile vocabulary thrift docx enml filelist sentences)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$build" "${generator[@]}" "${launcher[@]}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_FUZZ=ON
fi
cmake --build "$build" --parallel 2 --target $(printf 'fuzz_%s ' "${targets[@]}")

status=0
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t" "$build/artifacts/$t" "$build/logs"
  log="$build/logs/$t.log"
  # Leaks are not what this looks for (Qt keeps caches until exit).
  if ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
     nice -n 10 "$build/bin/fuzz_$t" "$build/corpus/$t" "$here/tests/fuzz/$t" \
       -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/artifacts/$t/" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (see $log and $build/artifacts/$t/)"
    status=1
  fi
  runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)"
  cov="$(grep -Eo '(DONE|#[0-9]+).*cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 | grep -Eo 'cov: [0-9]+ ft: [0-9]+' || true)"
  echo "$t: ${seconds}s, ${runs:-?} executions, ${cov:-no coverage line}, corpus $(ls "$build/corpus/$t" | wc -l) files: $result"
done
exit $status
