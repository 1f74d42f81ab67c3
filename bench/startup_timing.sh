#!/usr/bin/env bash
# Measures the window program's start-up under xvfb-run, beside a minimal Qt
# Widgets program (one window, one label) as the floor.
#
#   bench/startup_timing.sh
#
# Environment: BUILD_DIR (default build-startup at the top of the work tree),
# RUNS (measured runs per program, default 11, after one unmeasured warm-up),
# SETTLE (seconds the program runs on after its window is shown, before its
# peak memory is read; default 1), TITLE (the window program's window title,
# default Form1).
#
# Start-up: from just before the process is started to its top-level window,
# found by title, being mapped, and to the program's first drawing into it
# (quorvel-startup-probe, built here, watches the X server's events; DAMAGE
# tells it of the drawing). "Shown" is the first drawing; the processor time
# the program had used by then is reported beside it, as the figure a busy
# machine disturbs least. Peak memory: VmHWM
# of the process SETTLE seconds after that, so that the first paint and what
# follows at once are included. Both programs are measured alike and
# alternately; the medians are reported, and the targets (start-up within 1.5
# times the floor's, under 60 MiB) are reported, not enforced. Exit status 1
# if a program fails to show its window, 3 if the window program cannot be
# built (the floor is still measured).
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
self=$root/bench/startup_timing.sh
build=${BUILD_DIR:-$root/build-startup}
runs=${RUNS:-11}
settle=${SETTLE:-1}
title=${TITLE:-Form1}
floor_title=QuorvelFloor

# Inside the X server: measure and report. Arguments: the window program
# (empty when it could not be built), the floor, the probe, a log file for
# what they write on standard error.
if [ "${1:-}" = --inside ]; then
  window=$2
  floor=$3
  probe=$4
  log=$5
  settle_ms=$(awk -v s="$settle" 'BEGIN { printf "%d", s * 1000 }')

  # One start: prints "mapped_ms drawn_ms cpu_ms peak_kib".
  measure() { "$probe" "$2" "$settle_ms" "$1" 2>>"$log"; }
  median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

  programs=("$floor")
  titles=("$floor_title")
  labels=(floor)
  if [ -n "$window" ]; then
    programs+=("$window")
    titles+=("$title")
    labels+=(quorvel)
  fi
  declare -A maps paints cpus peaks
  for i in "${!programs[@]}"; do  # warm-up: libraries and fonts into the page cache
    measure "${programs[$i]}" "${titles[$i]}" >/dev/null ||
      { echo "${labels[$i]}: no window named ${titles[$i]} shown; $(tail -n 1 "$log")" >&2; exit 1; }
  done
  for ((r = 1; r <= runs; r++)); do
    for i in "${!programs[@]}"; do
      line=$(measure "${programs[$i]}" "${titles[$i]}") ||
        { echo "${labels[$i]}: no window named ${titles[$i]} shown; $(tail -n 1 "$log")" >&2; exit 1; }
      read -r map_ms paint_ms cpu_ms kib <<<"$line"
      maps[$i]+="$map_ms "
      paints[$i]+="$paint_ms "
      cpus[$i]+="$cpu_ms "
      peaks[$i]+="$kib "
    done
  done

  column() { tr ' ' '\n' <<<"$1" | grep .; }
  printf '%-8s %10s %10s %10s %10s %10s %9s   %s\n' program "mapped ms" "drawn ms" "min drawn" "cpu ms" "peak MiB" \
    "max MiB" "every first drawing (ms)"
  declare -a med_map med_paint med_cpu med_mib
  for i in "${!programs[@]}"; do
    med_map[$i]=$(column "${maps[$i]}" | median)
    med_paint[$i]=$(column "${paints[$i]}" | median)
    med_cpu[$i]=$(column "${cpus[$i]}" | median)
    min_paint=$(column "${paints[$i]}" | sort -g | head -n 1)
    med_mib[$i]=$(column "${peaks[$i]}" | median | awk '{ printf "%.1f", $1 / 1024 }')
    max_mib=$(column "${peaks[$i]}" | sort -g | tail -n 1 | awk '{ printf "%.1f", $1 / 1024 }')
    printf '%-8s %10s %10s %10s %10s %10s %9s   %s\n' "${labels[$i]}" "${med_map[$i]}" "${med_paint[$i]}" "$min_paint" \
      "${med_cpu[$i]}" "${med_mib[$i]}" "$max_mib" "${paints[$i]}"
  done
  if [ -n "$window" ]; then
    awk -v w="${med_paint[1]}" -v f="${med_paint[0]}" -v wm="${med_map[1]}" -v fm="${med_map[0]}" \
      -v wc="${med_cpu[1]}" -v fc="${med_cpu[0]}" -v m="${med_mib[1]}" 'BEGIN {
      printf "quorvel / floor, medians: %.2f to the first drawing, %.2f to the mapping, %.2f in processor time\n",
        w / f, wm / fm, wc / fc
      printf "start-up within 1.5 times the floor (first drawing): %s\n", (w <= 1.5 * f) ? "met" : "MISSED"
      printf "peak memory %.1f MiB, under 60 MiB: %s\n", m, (m < 60) ? "met" : "MISSED" }'
  fi
  exit 0
fi

command -v xvfb-run >/dev/null || { echo "needs xvfb-run (Debian package: xvfb)" >&2; exit 2; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WINDOW=ON -DQUORVEL_BENCH=ON >/dev/null
fi
cmake --build "$build" -j2 --target quorvel-startup-floor quorvel-startup-probe >/dev/null ||
  { echo "cannot build the floor program and the probe (needs Qt 6 Widgets and libxdamage-dev)" >&2; exit 2; }
floor=$build/bench/quorvel-startup-floor
probe=$build/bench/quorvel-startup-probe
window=$build/src/app/window/quorvel
status=0
: >"$build/startup-stderr.log"
if ! cmake --build "$build" -j2 --target quorvel >"$build/startup-window-build.log" 2>&1 || [ ! -x "$window" ]; then
  echo "the window program could not be built (see $build/startup-window-build.log); measuring the floor alone" >&2
  window=""
  status=3
fi

xvfb-run -a -s "-screen 0 1280x1024x24" "$self" --inside "$window" "$floor" "$probe" "$build/startup-stderr.log" || exit 1
exit $status
