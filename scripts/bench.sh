#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Tessaro against a bare Qt dialog of the main menu's size (bench/baseline.cpp) and prints the medians:
# start-up to the first painted frame of the main menu, peak resident memory, opening the first exercise screen,
# one "Berechnen" check and opening the page "Lösungsweg". Usage: scripts/bench.sh [RUNS] (15 by default) under the
# offscreen platform, or scripts/bench.sh --xvfb [RUNS] on a virtual X server (package xvfb). CI runs it once, with
# one run, so that it keeps working.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [ "${1:-}" = "--xvfb" ]; then
    shift
    exec xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$0" "$@"
fi
runs="${1:-15}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# EPOCHREALTIME and the printed figures use a decimal point.
export LC_ALL=C

"$root/scripts/install-deps.sh" time
"$root/scripts/build.sh" bench >/dev/null
bin="$root/build-bench/bench"
peak="$(mktemp)"
trap 'rm -f "$peak"' EXIT

declare -A samples
# Runs one benchmark program and adds its "name=value" lines and its peak resident size to the samples. The start
# time is taken here, right before the program is started, so loading it and its libraries counts.
measure() {
    local program=$1 line
    local output
    output="$(TESSARO_BENCH_FIRST_PAINT=$EPOCHREALTIME /usr/bin/time -f %M -o "$peak" "$bin/$program" 2>/dev/null)"
    for line in $output "peak_kib=$(cat "$peak")"; do
        samples["$program.${line%%=*}"]+="${line#*=} "
    done
}

median() {
    tr ' ' '\n' <<<"${samples[$1]}" | grep . | sort -g |
        awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# One run of each first, so every measured run finds the libraries in the page cache.
for program in bench_baseline bench_main_menu bench_rechnen1 bench_loesungsweg; do
    measure "$program"
done
samples=()
# Interleaved, so a slow moment of the machine hits all three alike.
for ((run = 0; run < runs; run++)); do
    for program in bench_baseline bench_main_menu bench_rechnen1 bench_loesungsweg; do
        measure "$program"
    done
done

base_start="$(median bench_baseline.first_paint_ms)"
start="$(median bench_main_menu.first_paint_ms)"
base_peak="$(awk -v k="$(median bench_baseline.peak_kib)" 'BEGIN { printf "%.1f", k / 1024 }')"
menu_peak="$(awk -v k="$(median bench_main_menu.peak_kib)" 'BEGIN { printf "%.1f", k / 1024 }')"

echo "Medians of $runs runs each, platform $QT_QPA_PLATFORM, $(nproc) cores, $(date -u +%F):"
echo
echo "| measure | baseline | Tessaro | Tessaro / baseline |"
echo "|---|---:|---:|---:|"
echo "| process start to first painted frame of the main menu (ms) | $base_start | $start | $(ratio "$start" "$base_start") |"
echo "| peak resident memory, main menu shown (MiB) | $base_peak | $menu_peak | $(ratio "$menu_peak" "$base_peak") |"
echo "| open \`Rechnen1\` from the main menu to its first painted frame (ms) | – | $(median bench_rechnen1.rechnen1_open_ms) | |"
echo "| open \`Rechnen3\`, the screen of the polar form, to its first painted frame (ms) | – | $(median bench_rechnen1.rechnen3_open_ms) | |"
echo "| one \"Berechnen\" check, click to repainted frame (ms) | – | $(median bench_rechnen1.check_ms) | |"
echo "| of which the evaluation before the repaint (ms) | – | $(median bench_rechnen1.check_evaluation_ms) | |"
echo "| open the page \"Lösungsweg\" after a wrong answer to its first painted frame (ms) | – | $(median bench_loesungsweg.loesungsweg_open_ms) | |"
