#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ohmara developers
# SPDX-License-Identifier: MIT
# Measures Ohmara and prints every figure beside its target and, where there is one, the floor
# set by a bare Qt Widgets program. Starts its own virtual display.
#
#   bash bench/run.sh                    all four figures as a table
#   bash bench/run.sh random [N] [SEED]  a random user, N actions per screen (default 1000000)
#   bash bench/run.sh fuzz [SECONDS]     the number conversions under libFuzzer (default 600)
#   bash bench/run.sh soak [MINUTES]     all screens and a random user on a real display (30)
set -euo pipefail
cd "$(dirname "$0")/.."
# A desktop session has a session bus, which the toolkit's screen reader support connects to.
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exec dbus-run-session -- bash bench/run.sh "$@"
source scripts/deps.sh
ohmara_install "${ohmara_packages_build[@]}" "${ohmara_packages_test[@]}" "${ohmara_packages_bench[@]}"
ohmara_build >/dev/null
bin=build/release

start_display() {
    local n
    for n in $(seq 90 99); do
        [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null || true' EXIT
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
}

case "${1:-all}" in
random)
    QT_QPA_PLATFORM=offscreen OHMARA_RANDOM_ACTIONS="${2:-1000000}" OHMARA_SEED="${3:-$RANDOM}" \
        "$bin/bench/randomuser" | grep -E 'seed|states|PASS|FAIL|Totals'
    exit ;;
fuzz)
    cmake --preset fuzz >/dev/null && cmake --build --preset fuzz >/dev/null
    mkdir -p build/fuzz/corpus-long
    build/fuzz/tests/fuzz/fuzz_numbers -max_total_time="${2:-600}" -print_final_stats=1 \
        build/fuzz/corpus-long tests/fuzz/corpus 2>&1 | tail -15
    exit ;;
soak)
    start_display
    "$bin/bench/soak" "${2:-30}" "${3:-1}" 2>/dev/null
    exit ;;
all) ;;
*) echo "usage: bench/run.sh [random [N] [SEED] | fuzz [SECONDS] | soak [MINUTES]]"; exit 2 ;;
esac

start_display
export QT_QPA_PLATFORM=xcb
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
rss_kb() { awk '/VmRSS/{print $2}' "/proc/$1/status"; }

echo "machine: $(nproc) cores, $(awk -F': ' '/model name/{print $2; exit}' /proc/cpuinfo), $(. /etc/os-release; echo "$PRETTY_NAME")"
echo

# 1. start-up, as an X client watching the root window sees it; beside it the bare program, and
# the same with one label: what showing any text adds. Five runs of each in turn, twelve times,
# so that the machine's slower moments fall on all three alike.
runs=()
for _ in $(seq 12); do
    runs[0]+=$("$bin/bench/mapwatch" 5 "$bin/ohmara" 2>/dev/null)$'\n'
    runs[1]+=$("$bin/bench/mapwatch" 5 "$bin/bench/bare_qt" 2>/dev/null)$'\n'
    runs[2]+=$("$bin/bench/mapwatch" 5 "$bin/bench/bare_qt" text 2>/dev/null)$'\n'
done
ohmara_ms=$(printf '%s' "${runs[0]}" | median)
floor_ms=$(printf '%s' "${runs[1]}" | median)
text_ms=$(printf '%s' "${runs[2]}" | median)

# 2. and 4. all six tool screens open and idle: wake-ups (context switches of all the process's
# threads) a second over 30 s, and the resident set; beside a bare Qt program showing seven
# windows of the same sizes
# Context switches per thread, "tid count", one a line.
switches() {
    local task
    for task in /proc/"$1"/task/*; do
        awk -v t="${task##*/}" '/ctxt_switches/{n += $2} END {print t, n}' "$task/status" 2>/dev/null
    done
}
idle_figures() { # pid: wake-ups a second, resident kB
    local before
    # Idle: the toolkit's pooled threads, which the screens' start used, end after 30 s idle.
    sleep 35
    before=$(switches "$1")
    sleep 30
    # a thread that ended meanwhile woke an unknown number of times: at least once
    echo "$(switches "$1" | awk -v before="$before" 'BEGIN {
            n = split(before, b, "\n"); for (i = 1; i <= n; i++) { split(b[i], f, " "); was[f[1]] = f[2] }
        } { d += $2 - was[$1]; delete was[$1] } END { for (t in was) d++; printf "%.1f", d / 30 }') $(rss_kb "$1")"
}
"$bin/ohmara" 2>/dev/null &
app=$!
sleep 1.5
xdotool key x
sleep 0.5
menu=$(xdotool search --onlyvisible --name '^Ohmara V3\.1$' | head -1)
for button in "48 108" "168 108" "288 108" "48 156" "168 156" "288 156"; do
    xdotool windowraise "$menu"
    sleep 0.2
    xdotool mousemove --window "$menu" $button click 1
    sleep 0.4
done
windows=$(xdotool search --onlyvisible --classname ohmara | wc -l)
read -r ohmara_wakeups ohmara_rss < <(idle_figures $app)
kill $app
"$bin/bench/bare_qt" seven 2>/dev/null &
bare=$!
read -r floor_wakeups floor_rss < <(idle_figures $bare)
kill $bare

# 3. from a choice to its result painted
latency=$("$bin/bench/bench_latency" 300 2>/dev/null)

mb() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
printf '%-46s %14s %14s %14s\n' figure measured floor target
printf '%-46s %11s ms %11s ms %14s\n' "1. start-up to splash mapped (median of 60)" \
    "$ohmara_ms" "$floor_ms" "$(awk -v f="$floor_ms" 'BEGIN {printf "%.1f ms", 1.1 * f}')"
printf '%-46s %11s ms %11s ms %14s\n' "   bare Qt program with one label, for scale" \
    "$text_ms" "$floor_ms" ""
printf '%-46s %12s /s %11s /s %14s\n' "2. wake-ups, $windows windows open and idle" \
    "$ohmara_wakeups" "$floor_wakeups" "$floor_wakeups /s"
while read -r screen p50 p99 target; do
    printf '%-46s %11s ms %14s %11s ms\n' "3. choice to result, p99, $screen" "$p99" "" "$target"
done < <(echo "$latency" | tail -n +2 | sed 's/ \([a-z]\)/_\1/g')
# no more over the floor than before the clock went: 9.2 MB
printf '%-46s %11s MB %11s MB %14s\n' "4. resident set, all screens open" \
    "$(mb "$ohmara_rss")" "$(mb "$floor_rss")" "$(mb $((floor_rss + 9421))) MB"
