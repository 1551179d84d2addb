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
# One more, longer run gives the memory (VmRSS 2 s and 5 s after launch) and the CPU time used
# during the first 5 s and while idle over the 10 s after that.
# Phrases go to the null sink of tests/e2e/pulse_env.sh when it runs, else nowhere.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build=$(cd "${1:-$root/build/test}" && pwd) || exit 1
runs=${2:-5}
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
e2e_init "$build/numivox" "$build/tests/e2e/x_window_tool"
start_xvfb
use_test_sink_or_silence
# The log lines carry their wall-clock time, so nothing has to poll while the program counts.
export QT_MESSAGE_PATTERN='%{time yyyy-MM-dd HH:mm:ss.zzz} %{category}: %{message}'

welcome="welcome to numivox, standard mode. click on flashcard to begin"
now_us() { echo "${EPOCHREALTIME/./}"; }
ms_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) / 1000 }'; }

# logged_us PHRASE: the time, in µs since the epoch, at which the phrase was logged.
logged_us() {
    local stamp
    stamp=$(grep -aF -m 1 "numivox.speech: \"$1\"" "$APP_LOG" | cut -c 1-23)
    [ -n "$stamp" ] || return 1
    echo $(($(date -d "$stamp" +%s%6N)))
}

# wait_logged PHRASE TIMEOUT_S: waits, gently, until the phrase is in the log.
wait_logged() {
    local deadline=$((SECONDS + $2))
    until grep -qaF "numivox.speech: \"$1\"" "$APP_LOG"; do
        ((SECONDS >= deadline)) && return 1
        app_alive || return 1
        sleep 0.2
    done
}

# launch: starts the program with an X listener already waiting; sets LAUNCH_US and MAPPED_US.
launch() {
    local listener="$E2E_WORK/listener" i
    : >"$listener"
    "$XTOOL" wait-mapped "$E2E_TITLE" 60000 >"$listener" &
    local tool=$!
    for ((i = 0; i < 200; i++)); do
        grep -q '^ready' "$listener" && break
        sleep 0.05
    done
    LAUNCH_US=$(now_us)
    start_program
    wait "$tool" || die "the window was mapped"
    # shellcheck disable=SC2034  # lib.sh's clicks and close read it
    WIN=$(awk '/^mapped/ {print $2}' "$listener")
    MAPPED_US=$(awk '/^mapped/ {print $3}' "$listener")
}

finish_run() {
    close_window
    wait_exit 15
}

# rss_kb: the program's resident memory now.
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$APP_PID/status"; }
# cpu_ticks: user plus system time the program has used so far, in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
sleep_until_us() {
    local left=$(($1 - $(now_us)))
    ((left > 0)) && sleep "$(awk -v u="$left" 'BEGIN { printf "%.3f", u / 1e6 }')"
}

map_ms=()
welcome_ms=()
deal_ms=()
for ((run = 1; run <= runs; run++)); do
    launch
    map_ms+=("$(ms_between "$LAUNCH_US" "$MAPPED_US")")
    wait_logged "$welcome" 120 || die "run $run: the welcome was logged"
    welcome_ms+=("$(ms_between "$MAPPED_US" "$(logged_us "$welcome")")")
    click_twips 4600 3000
    clicked=$(now_us)
    wait_logged "click flash card for answer" 120 || die "run $run: the card click dealt"
    deal_ms+=("$(ms_between "$clicked" "$(logged_us "click flash card for answer")")")
    finish_run
done

# The longer run: memory and CPU.
launch
ticks_per_s=$(getconf CLK_TCK)
sleep_until_us $((LAUNCH_US + 2000000))
rss2=$(rss_kb)
sleep_until_us $((LAUNCH_US + 5000000))
rss5=$(rss_kb)
ticks5=$(cpu_ticks)
wait_logged "$welcome" 120 || die "the welcome was logged"
idle_from=$(now_us)
ticks_start=$(cpu_ticks)
sleep 10
ticks_idle=$(($(cpu_ticks) - ticks_start))
idle_s=$(ms_between "$idle_from" "$(now_us)")
finish_run

stats() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { printf "%8.1f %8.1f %8.1f", v[int((NR + 1) / 2)], v[1], v[NR] }'
}
echo
echo "Numivox start-up, $(basename "$build") build, $runs runs, Xvfb $DISPLAY, $(nproc) cores, load $(cut -d ' ' -f 1-3 /proc/loadavg)"
printf '%-40s %8s %8s %8s\n' "" "median" "min" "max"
printf '%-40s %s\n' "launch -> window mapped (ms)" "$(stats "${map_ms[@]}")"
printf '%-40s %s\n' "mapped -> welcome logged (ms)" "$(stats "${welcome_ms[@]}")"
printf '%-40s %s\n' "card click -> next card dealt (ms)" "$(stats "${deal_ms[@]}")"
echo
printf '%-40s %8s\n' "VmRSS 2 s after launch (MB)" "$(awk -v k="$rss2" 'BEGIN { printf "%.1f", k / 1024 }')"
printf '%-40s %8s\n' "VmRSS 5 s after launch (MB)" "$(awk -v k="$rss5" 'BEGIN { printf "%.1f", k / 1024 }')"
printf '%-40s %8s\n' "CPU time used in the first 5 s (s)" "$(awk -v t="$ticks5" -v hz="$ticks_per_s" 'BEGIN { printf "%.2f", t / hz }')"
printf '%-40s %8s\n' "CPU while idle, after the welcome (%)" \
    "$(awk -v t="$ticks_idle" -v hz="$ticks_per_s" -v ms="$idle_s" 'BEGIN { printf "%.2f", 100 * t / hz / (ms / 1000) }')"
printf '%-40s %8s\n' "  (measured over, s)" "$(awk -v ms="$idle_s" 'BEGIN { printf "%.1f", ms / 1000 }')"
