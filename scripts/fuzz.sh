#!/usr/bin/env bash
# Builds the reply fuzzer with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs it on a copy of the seed
# corpus in fuzz/corpus/.
#
#   scripts/fuzz.sh           one minute; new inputs are kept in fuzz/corpus-run/
#   scripts/fuzz.sh --short   a fixed 25 seconds on a fresh copy, for the test suite
#   scripts/fuzz.sh SECONDS   that many seconds, like the one-minute run
#
# libFuzzer's own output goes to build-fuzz/fuzz.log; a crash, an assertion,
# a leak or a hang (an input running over 10 s) makes the script fail and
# leaves the input in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
corpus=fuzz/corpus-run
case "${1:-}" in
  --short) seconds=25; corpus=build-fuzz/corpus-short ;;
  "") ;;
  *[!0-9]*) echo "usage: scripts/fuzz.sh [--short | SECONDS]" >&2; exit 2 ;;
  *) seconds=$1 ;;
esac

build=build-fuzz
log=$build/fuzz.log
mkdir -p "$build"
# Two cores are shared with the rest of the suite.
jobs=$(( $(nproc) < 2 ? $(nproc) : 2 ))

if ! cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUORVEL_FUZZ=ON -DQUORVEL_SANITIZE=ON -DQUORVEL_WINDOW=OFF -DQUORVEL_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >"$build/configure.log" 2>&1 ||
   ! cmake --build "$build" -j"$jobs" --target quorvel_fuzz >"$build/build.log" 2>&1; then
  tail -n 30 "$build/configure.log" "$build/build.log" 2>/dev/null
  echo "fuzz: FAILED to build the fuzzer (see $build/build.log)"
  exit 1
fi

if [ "${1:-}" = "--short" ]; then rm -rf "$corpus"; fi
if [ ! -d "$corpus" ]; then
  mkdir -p "$corpus"
  cp fuzz/corpus/* "$corpus"/
fi
rm -rf "$build/artifacts"
mkdir -p "$build/artifacts"

status=0
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  "$build/fuzz/quorvel_fuzz" "$corpus" \
    -dict=fuzz/replies.dict -max_total_time="$seconds" -max_len=4096 -len_control=0 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 || true)
inputs=$(find "$corpus" -type f | wc -l)
if [ "$status" -ne 0 ] || [ -z "$runs" ]; then
  grep -E '^(quorvel fuzz:|==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log" | head -n 20 || true
  tail -n 20 "$log"
  echo "fuzz: FAILED after ${seconds}s: exit $status; input in $build/artifacts/, log in $log"
  exit 1
fi
echo "fuzz: ${runs} runs in ${seconds}s, ${coverage:-cov: ?}, ${inputs} inputs in $corpus, nothing found"
