#!/usr/bin/env bash
# Start-up figures of the real program under a private Xvfb; prints a table, asserts nothing.
#
#   bench/startup_bench.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR is a build with the tests on (it needs numivox and tests/e2e/x_window_tool); the
# default is build/test, the optimised build of scripts/test. RUNS (default 5) start-ups give:
#   launch -> window mapped     from starting the process to the MapNotify of its window
#   mapped -> welcome logged    the start-up wait of a million passes, and the welcome itself
#   card click -> hint logged   the first deal: a wait of 150000 passes, then the new card
# One more, longer run gives the memory (VmRSS 2 s and 5 s after launch, with any child processes)
# and the CPU time used during the first 5 s and while idle over the 10 s after the welcome.
# bench/run puts these figures beside two other programs for children.
# Phrases go to the null sink of tests/e2e/pulse_env.sh when it runs, else nowhere.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build=$(cd "${1:-$root/build/test}" && pwd) || exit 1
runs=${2:-5}
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
# shellcheck source=measure.sh
source "$root/bench/measure.sh"
e2e_init "$build/numivox" "$build/tests/e2e/x_window_tool"
start_xvfb
use_test_sink_or_silence
export QT_MESSAGE_PATTERN="$BENCH_MESSAGE_PATTERN"

welcome="welcome to numivox, standard mode. click on flashcard to begin"

launch() {
    launch_mapped "$E2E_TITLE" 60 env "${NUMIVOX_ENV[@]}" "$NUMIVOX" || die "the window was mapped"
}

finish_run() {
    close_window
    wait_exit 15
}

map_ms=()
welcome_ms=()
deal_ms=()
for ((run = 1; run <= runs; run++)); do
    launch
    map_ms+=("$(ms_between "$LAUNCH_US" "$MAPPED_US")")
    wait_logged "$welcome" 120 || die "run $run: the welcome was logged"
    welcome_ms+=("$(ms_between "$MAPPED_US" "$(logged_us "$welcome")")")
    clicked=$(now_us)
    click_twips 4600 3000
    wait_logged "click flash card for answer" 120 || die "run $run: the card click dealt"
    deal_ms+=("$(ms_between "$clicked" "$(logged_us "click flash card for answer")")")
    finish_run
done

# The longer run: memory and CPU.
launch
ticks_per_s=$(getconf CLK_TCK)
sleep_until_us $((LAUNCH_US + 2000000))
rss2=$(tree_rss_kb "$APP_PID")
sleep_until_us $((LAUNCH_US + 5000000))
rss5=$(tree_rss_kb "$APP_PID")
ticks5=$(tree_cpu_ticks "$APP_PID")
wait_logged "$welcome" 120 || die "the welcome was logged"
idle_from=$(now_us)
ticks_start=$(tree_cpu_ticks "$APP_PID")
sleep 10
ticks_idle=$(($(tree_cpu_ticks "$APP_PID") - ticks_start))
idle_to=$(now_us)
finish_run

row() {
    local label=$1
    shift
    stats "$@" | awk -v l="$label" '{ printf "%-40s %8.1f %8.1f %8.1f\n", l, $1, $2, $3 }'
}
echo
echo "Numivox start-up, $(basename "$build") build, $runs runs, Xvfb $DISPLAY, $(nproc) cores, load $(cut -d ' ' -f 1-3 /proc/loadavg)"
printf '%-40s %8s %8s %8s\n' "" "median" "min" "max"
row "launch -> window mapped (ms)" "${map_ms[@]}"
row "mapped -> welcome logged (ms)" "${welcome_ms[@]}"
row "card click -> next card dealt (ms)" "${deal_ms[@]}"
echo
printf '%-40s %8s\n' "VmRSS 2 s after launch (MB)" "$(awk -v k="$rss2" 'BEGIN { printf "%.1f", k / 1024 }')"
printf '%-40s %8s\n' "VmRSS 5 s after launch (MB)" "$(awk -v k="$rss5" 'BEGIN { printf "%.1f", k / 1024 }')"
printf '%-40s %8s\n' "CPU time used in the first 5 s (s)" "$(awk -v t="$ticks5" -v hz="$ticks_per_s" 'BEGIN { printf "%.2f", t / hz }')"
printf '%-40s %8s\n' "CPU while idle, after the welcome (%)" "$(cpu_percent "$ticks_idle" "$idle_from" "$idle_to")"
printf '%-40s %8s\n' "  (measured over, s)" "$(awk -v ms="$(ms_between "$idle_from" "$idle_to")" 'BEGIN { printf "%.1f", ms / 1000 }')"
