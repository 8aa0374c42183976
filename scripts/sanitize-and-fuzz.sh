#!/usr/bin/env bash
# Builds the plain C++ logic and its unit tests with the address and
# undefined-behaviour sanitizers in build-san/ (the sanitize preset) and runs
# them, two at a time: any report fails the run. With clang present (the
# preset's compiler), it then runs the unit tests of what runs on a worker
# thread (the checker, its report window) under the thread sanitizer in
# build-tsan/ (the tsan preset), and builds the libFuzzer targets of fuzz/
# and runs each on its seed files for FUZZ_SECONDS seconds (20 by default),
# two at a time; a crash, a sanitizer report or a mismatch with the reference
# model fails the run and leaves the input in build-san/fuzz-findings/.
#
#   FUZZ_SECONDS=600 scripts/sanitize-and-fuzz.sh     a longer fuzzing run
#   FUZZ_SECONDS=0 scripts/sanitize-and-fuzz.sh       the sanitized tests only
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}

if command -v clang++ >/dev/null 2>&1; then
  fuzzers=ON
  cmake --preset sanitize >/dev/null
else
  echo "sanitize-and-fuzz: no clang, so the sanitizers run under g++ and no fuzzer is built"
  fuzzers=OFF
  cmake --preset sanitize -DCMAKE_CXX_COMPILER=g++ -DLUMIVOX_BUILD_FUZZERS=OFF >/dev/null
fi
cmake --build --preset sanitize
ctest --preset sanitize

if [ "$fuzzers" = ON ]; then
  cmake --preset tsan >/dev/null
  cmake --build --preset tsan
  ctest --preset tsan
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

[ "$fuzzers" = ON ] && [ "$seconds" -gt 0 ] || exit 0

findings=build-san/fuzz-findings
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs one target on a scratch corpus (new inputs go there, the seeds in the
# repository stay as they are) and prints its count of runs.
fuzz() {
  local name=$1 corpus="$work/$1"
  mkdir -p "$corpus"
  if ! "build-san/fuzz/fuzz_$name" "$corpus" "fuzz/seeds/$name" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix="$findings/$name-" \
      >"$work/$name.log" 2>&1; then
    tail -n 40 "$work/$name.log"
    echo "fuzz_$name: FAILED (input kept in $findings/)"
    return 1
  fi
  awk -v name="$name" '/stat::number_of_executed_units/ { runs = $2 }
    END { printf "fuzz_%-8s %12d runs in %d s, no finding\n", name, runs, ENVIRON["seconds"] }' "$work/$name.log"
}
export -f fuzz
export work findings seconds

status=0
printf '%s\n' ini fields number gbk hotkey page check | xargs -P "$(nproc)" -I{} bash -c 'fuzz {}' || status=1
exit $status
