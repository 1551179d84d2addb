# shellcheck shell=bash
# shellcheck disable=SC2034  # NUMIVOX_ENV, LAUNCH_US and friends are read by the sourcing scripts
# Measuring steps shared by the benchmark scripts (bench/run, bench/startup_bench.sh): wall-clock
# times in microseconds, a launch timed to the MapNotify of the program's window, the memory and
# CPU time of a process with its children, the times of logged phrases, and medians.
#
# Source tests/e2e/lib.sh and call its e2e_init first: these steps use its work folder, its X
# helper (XTOOL) and the APP_PID, APP_LOG and WIN variables that its other steps read.

# How lib.sh's start_program runs the program: on X, with its speech log on.
NUMIVOX_ENV=(QT_QPA_PLATFORM=xcb QT_LOGGING_RULES=numivox.speech.debug=true)
# Log lines that carry their wall-clock time, so nothing has to poll while the program counts.
BENCH_MESSAGE_PATTERN='%{time yyyy-MM-dd HH:mm:ss.zzz} %{category}: %{message}'

# --- time ----------------------------------------------------------------------------------------

# now_us: microseconds since the epoch, the clock x_window_tool reports in.
now_us() { echo "${EPOCHREALTIME/./}"; }

# ms_between FROM_US TO_US
ms_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) / 1000 }'; }

sleep_until_us() {
    local left=$(($1 - $(now_us)))
    ((left > 0)) && sleep "$(awk -v u="$left" 'BEGIN { printf "%.3f", u / 1e6 }')"
    return 0
}

# --- launching -----------------------------------------------------------------------------------

# launch_mapped TITLE TIMEOUT_S COMMAND...: starts COMMAND, stderr to APP_LOG, and times it to the
# MapNotify of its top-level window: the one that has the title TITLE when it is mapped and the
# command's pid in _NET_WM_PID. Sets APP_PID, APP_LOG, LAUNCH_US, MAPPED_US and WIN; returns 1 when
# no such window came (the program ended, or TIMEOUT_S passed).
#
# The command waits at a gate until the X listener is ready: its pid is then known to the listener
# before it runs, and exec keeps that pid. LAUNCH_US is taken as the gate opens.
launch_mapped() {
    local title=$1 timeout=$2 run=$((++E2E_RUNS)) i tool
    shift 2
    local gate="$E2E_WORK/gate.$run" listener="$E2E_WORK/listener.$run"
    APP_LOG="$E2E_WORK/program.$run.log"
    APP_STATUS=""
    WIN=""
    MAPPED_US=""
    mkfifo "$gate" || return 1
    (
        read -r _ <"$gate"
        exec "$@"
    ) 2>"$APP_LOG" >/dev/null &
    APP_PID=$!
    "$XTOOL" wait-mapped "$title" "$((timeout * 1000))" "$APP_PID" >"$listener" 2>&1 &
    tool=$!
    for ((i = 0; i < 200; i++)); do
        grep -qs '^ready' "$listener" && break
        sleep 0.05
    done
    LAUNCH_US=$(now_us)
    echo go >"$gate"
    # The listener stamps the event itself, so this loop's pace does not matter.
    while kill -0 "$tool" 2>/dev/null; do
        if ! app_alive; then
            kill "$tool" 2>/dev/null
            break
        fi
        sleep 0.05
    done
    wait "$tool"
    rm -f "$gate"
    WIN=$(awk '/^mapped/ {print $2}' "$listener")
    MAPPED_US=$(awk '/^mapped/ {print $3}' "$listener")
    [ -n "$WIN" ]
}

# --- memory and CPU ------------------------------------------------------------------------------

# process_tree PID: the process and all its descendants, one pid a line.
process_tree() {
    local child
    echo "$1"
    for child in $(pgrep -P "$1"); do
        process_tree "$child"
    done
}

# tree_rss_kb PID: VmRSS of the process and its descendants together, in kB.
tree_rss_kb() {
    local pid kb total=0
    for pid in $(process_tree "$1"); do
        kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        total=$((total + ${kb:-0}))
    done
    echo "$total"
}

# tree_cpu_ticks PID: user plus system time used so far by the process (all its threads) and its
# living descendants, in clock ticks (getconf CLK_TCK a second).
tree_cpu_ticks() {
    local pid ticks total=0
    for pid in $(process_tree "$1"); do
        # The name in parentheses may hold spaces; the fields after it are fixed.
        ticks=$(sed 's/^.*) //' "/proc/$pid/stat" 2>/dev/null | awk '{print $12 + $13}')
        total=$((total + ${ticks:-0}))
    done
    echo "$total"
}

# cpu_percent TICKS FROM_US TO_US: the share of one core those ticks are over that time.
cpu_percent() {
    awk -v t="$1" -v hz="$(getconf CLK_TCK)" -v a="$2" -v b="$3" 'BEGIN { printf "%.2f", 100 * t / hz / ((b - a) / 1e6) }'
}

# --- the speech log (with BENCH_MESSAGE_PATTERN) -------------------------------------------------

# logged_us PHRASE: when the program logged the phrase first, in µs since the epoch.
logged_us() {
    local stamp
    stamp=$(grep -aF -m 1 "numivox.speech: \"$1\"" "$APP_LOG" | cut -c 1-23)
    [ -n "$stamp" ] || return 1
    date -d "$stamp" +%s%6N
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

# --- statistics ----------------------------------------------------------------------------------

# stats VALUE...: prints "median min max" of the numbers (the median of an even count is the mean
# of the middle two).
stats() {
    printf '%s\n' "$@" | sort -g | awk '
        NF { v[++n] = $1 }
        END {
            if (n == 0) exit 1
            m = n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
            print m, v[1], v[n]
        }'
}
