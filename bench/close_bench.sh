#!/usr/bin/env bash
# How soon the program ends after its window is closed, while the speech worker is busy loading
# Festival's voice from a slow disk (bench/slow_festival_disk.cpp, preloaded, makes every open of
# Festival's files take NUMIVOX_SLOW_OPEN_MS, 200 ms by default), and after an ordinary session.
# Prints a table, asserts nothing.
#
#   bench/close_bench.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR is an optimised build with the tests on (numivox, tests/e2e/x_window_tool and
# bench/libslow_festival_disk.so); the default is build/test. RUNS (default 3) closes of each kind.
# A close is timed from sending the window manager's close request to the end of the process.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build=$(cd "${1:-$root/build/test}" && pwd) || exit 1
runs=${2:-3}
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
# shellcheck source=measure.sh
source "$root/bench/measure.sh"
e2e_init "$build/numivox" "$build/tests/e2e/x_window_tool"
slow_disk="$build/bench/libslow_festival_disk.so"
[ -f "$slow_disk" ] || die "no $slow_disk"
start_xvfb
use_test_sink_or_silence
welcome="welcome to numivox, standard mode. click on flashcard to begin"
voice_rules="numivox.speech.debug=true;numivox.speech.voice.debug=true"

# close_timed: closes the window; sets CLOSE_MS to how long the process took to end, and APP_STATUS.
close_timed() {
    local from
    from=$(now_us)
    close_window
    while app_alive; do sleep 0.01; done
    CLOSE_MS=$(ms_between "$from" "$(now_us)")
    wait_exit 1
}

loading=()
loading_status=()
for ((run = 1; run <= runs; run++)); do
    start_program LD_PRELOAD="$slow_disk" QT_LOGGING_RULES="$voice_rules"
    wait_window 60 || die "the window is mapped"
    sleep 1.5
    grep -q '^numivox.speech.voice:' "$APP_LOG" && die "Festival was still loading at the close"
    close_timed
    loading+=("$CLOSE_MS")
    loading_status+=("$APP_STATUS")
done

idle=()
for ((run = 1; run <= runs; run++)); do
    start_program QT_LOGGING_RULES="$voice_rules"
    wait_window 60 || die "the window is mapped"
    wait_phrase "$welcome" 0 60 || die "the welcome is logged"
    sleep 5
    close_timed
    idle+=("$CLOSE_MS")
done

row() {
    local label=$1
    shift
    stats "$@" | awk -v l="$label" '{ printf "%-44s %8.0f %8.0f %8.0f\n", l, $1, $2, $3 }'
}
echo
echo "Closing the window, $(basename "$build") build, $runs runs, $(nproc) cores, load $(cut -d ' ' -f 1-3 /proc/loadavg)"
printf '%-44s %8s %8s %8s\n' "close request -> process ended (ms)" "median" "min" "max"
row "Festival still loading (slow disk)" "${loading[@]}"
row "after the welcome, idle" "${idle[@]}"
echo "exit status while loading: ${loading_status[*]}"
