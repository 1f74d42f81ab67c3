#!/usr/bin/env bash
# Times quorvel-console end to end on generated reply scripts: a regular
# central polygon of N triangles in the outer side case, computed once.
#
#   bench/console_timing.sh [N ...]        default: 1000 100000
#
# Environment: BUILD_DIR (default build-bench at the top of the work tree),
# RUNS (runs per N, default 5), KEEP=1 keeps the scripts and outputs.
#
# Each run's wall time is taken by the shell around the process (start-up
# included, microsecond clock) and its peak resident set by /usr/bin/time -v;
# the median wall time and the largest peak are reported. Every run must end
# with exit status 0, no "! " line, all N points listed and the traverse back
# on A; otherwise the script stops with status 1. The targets (N = 100000 in
# under 2 s and 100 MiB) are reported, not enforced.
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-5}
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(1000 100000)

[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package: time)" >&2; exit 2; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_BENCH=ON >/dev/null
fi
cmake --build "$build" -j2 --target quorvel-console quorvel-bench-script >/dev/null
console=$build/src/quorvel-console
generator=$build/bench/quorvel-bench-script

work=$(mktemp -d)
if [ "${KEEP:-0}" = 1 ]; then echo "files kept in $work"; else trap 'rm -rf "$work"' EXIT; fi

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The run's output must be a finished computation: no error report, N points
# listed, the last one A itself, and the waiting line again at the end.
check_output() {
  local n=$1 script=$2 out=$3
  local errors listed xa ya last_x last_y
  errors=$(grep -c '^! ' "$out" || true)
  [ "$errors" -eq 0 ] || { echo "N=$n: error report: $(grep -m1 '^! ' "$out")" >&2; return 1; }
  listed=$(grep -c '^Label36 = X' "$out" || true)
  [ "$listed" -eq "$n" ] || { echo "N=$n: $listed points listed, expected $n" >&2; return 1; }
  xa=$(sed -n 3p "$script")
  ya=$(sed -n 5p "$script")
  last_x=$(grep '^Text18 = ' "$out" | tail -n 1 | cut -d' ' -f3)
  last_y=$(grep '^Text19 = ' "$out" | tail -n 1 | cut -d' ' -f3)
  awk -v a="$xa" -v b="$ya" -v x="$last_x" -v y="$last_y" \
    'BEGIN { d = sqrt((x - a) ^ 2 + (y - b) ^ 2); exit !(d <= 0.02) }' ||
    { echo "N=$n: traverse ends at ($last_x, $last_y), A is ($xa, $ya)" >&2; return 1; }
  [ "$(tail -n 1 "$out")" = "> 1 = 计 算, 2 = 结 束" ] ||
    { echo "N=$n: output does not end at the waiting line" >&2; return 1; }
}

printf '%-8s %10s %10s %12s %12s %14s %14s\n' N "in lines" "out lines" "wall s" "us/triangle" "peak MiB" "wall s (all)"

for n in "${sizes[@]}"; do
  script=$work/replies-$n.txt
  "$generator" "$n" >"$script"
  walls=()
  peak_kib=0
  for ((r = 1; r <= runs; r++)); do
    out=$work/out-$n.txt
    set +e
    start=$EPOCHREALTIME
    /usr/bin/time -v -o "$work/time.txt" "$console" <"$script" >"$out"
    rc=$?
    end=$EPOCHREALTIME
    set -e
    [ "$rc" -eq 0 ] || { echo "N=$n: quorvel-console exited with status $rc" >&2; exit 1; }
    check_output "$n" "$script" "$out" || exit 1
    wall=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
    kib=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
    walls+=("$wall")
    [ "$kib" -gt "$peak_kib" ] && peak_kib=$kib
  done
  med=$(printf '%s\n' "${walls[@]}" | median)
  per=$(awk -v w="$med" -v n="$n" 'BEGIN { printf "%.2f", w * 1e6 / n }')
  mib=$(awk -v k="$peak_kib" 'BEGIN { printf "%.1f", k / 1024 }')
  printf '%-8s %10s %10s %12s %12s %14s %14s\n' "$n" "$(wc -l <"$script")" "$(wc -l <"$out")" "$med" "$per" "$mib" \
    "$(printf '%s ' "${walls[@]}")"
  if [ "$n" -eq 100000 ]; then
    verdict=$(awk -v w="$med" -v m="$mib" 'BEGIN { print (w < 2 && m < 100) ? "met" : "MISSED" }')
    echo "target for N=100000 (under 2 s and 100 MiB): $verdict"
  fi
done
exit 0
