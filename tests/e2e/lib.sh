# Shared steps of the end-to-end scripts: a private X server, the real program started under it,
# clicks at places given in twips, the speech log, screenshots, polite closing, and audio captured
# from the PulseAudio null sink "test_sink" (tests/e2e/pulse_env.sh starts that server).
#
# Source it, then call e2e_init with the script's arguments: the program, the x_window_tool helper
# and the phrase_length helper (all three built with the project). Every wait is bounded; timeouts
# are generous because a loaded two-core machine or a sanitizer build makes the program several
# times slower.
# Set E2E_KEEP=1 to keep the work folder (logs, screenshots, recordings) for a look afterwards.

# shellcheck shell=bash
# shellcheck disable=SC2034  # PHRASE_LENGTH, APP_STATUS and friends are read by the sourcing scripts

E2E_TITLE="Numivox (version 1.1)"
E2E_FAILURES=0
E2E_RUNS=0
E2E_WORK=""
XVFB_PID=""
APP_PID=""
APP_LOG=""
APP_STATUS=""
WIN=""
CAPTURE_PID=""
SILENCE_PID=""

# --- reporting ---------------------------------------------------------------------------------

pass() { echo "  ok   - $*"; }
fail() {
    echo "  FAIL - $*"
    E2E_FAILURES=$((E2E_FAILURES + 1))
}
# A step the rest of the script cannot do without.
die() {
    echo "  FAIL - $* (cannot go on)"
    E2E_FAILURES=$((E2E_FAILURES + 1))
    e2e_finish
}
step() { echo "-- $*"; }

# check DESCRIPTION COMMAND...: runs the command; its status decides.
check() {
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

e2e_finish() {
    if [ "$E2E_FAILURES" -gt 0 ]; then
        if [ -n "$APP_LOG" ] && [ -f "$APP_LOG" ]; then
            echo "-- last lines of the program's stderr ($APP_LOG):"
            tail -n 40 "$APP_LOG" | sed 's/^/   | /'
        fi
        echo "RESULT: $E2E_FAILURES check(s) failed"
        exit 1
    fi
    echo "RESULT: all checks passed"
    exit 0
}

# --- set-up and clean-up -----------------------------------------------------------------------

# e2e_init PROGRAM X_WINDOW_TOOL [PHRASE_LENGTH]
e2e_init() {
    NUMIVOX=${1:?the program to test}
    XTOOL=${2:?the x_window_tool helper}
    PHRASE_LENGTH=${3:-}
    [ -x "$NUMIVOX" ] || die "no program at $NUMIVOX"
    [ -x "$XTOOL" ] || die "no x_window_tool at $XTOOL"
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/numivox-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    # The log format the scripts read is Qt's default one.
    unset QT_MESSAGE_PATTERN
    if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
        export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
        mkdir -m 700 "$XDG_RUNTIME_DIR"
    fi
}

# Ends only what this script started, by process id.
e2e_cleanup() {
    local pid
    for pid in "$APP_PID" "$CAPTURE_PID" "$SILENCE_PID" "$XVFB_PID"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
    done
    for pid in "$APP_PID" "$CAPTURE_PID" "$SILENCE_PID" "$XVFB_PID"; do
        [ -n "$pid" ] && wait "$pid" 2>/dev/null
    done
    if [ -n "$E2E_WORK" ]; then
        if [ -n "${E2E_KEEP:-}" ]; then echo "(work files kept in $E2E_WORK)"; else rm -rf "$E2E_WORK"; fi
    fi
}

# Starts Xvfb on a display number it picks itself and exports DISPLAY.
start_xvfb() {
    local display_file="$E2E_WORK/display" i
    : >"$display_file"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >"$E2E_WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for ((i = 0; i < 300; i++)); do
        if [ -s "$display_file" ] && grep -q '^[0-9][0-9]*$' "$display_file"; then
            DISPLAY=":$(head -n 1 "$display_file")"
            export DISPLAY
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$E2E_WORK/xvfb.log" >&2
    die "Xvfb did not start"
}

# --- the program -------------------------------------------------------------------------------

# start_program [VAR=value...]: starts the program with its speech log on, stderr to APP_LOG.
start_program() {
    APP_LOG="$E2E_WORK/numivox.$((++E2E_RUNS)).log"
    env QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="numivox.speech.debug=true" "$@" "$NUMIVOX" 2>"$APP_LOG" >/dev/null &
    APP_PID=$!
    APP_STATUS=""
    WIN=""
}

# start_welcomed [VARIABLE=VALUE...]: starts the program and waits for its window and its welcome;
# the test ends when either does not come.
start_welcomed() {
    start_program "$@"
    wait_window 60 || die "the window is mapped"
    wait_phrase "welcome to numivox, standard mode. click on flashcard to begin" 0 60 || die "the welcome is logged"
}

# focus_window: gives WIN the keyboard; with no window manager the keys go where the focus is put.
focus_window() {
    xdotool windowfocus --sync "$WIN" || die "the window takes the keyboard focus"
}

# True while the program runs (a process that ended but was not waited for yet is a zombie).
app_alive() {
    [ -n "$APP_PID" ] || return 1
    local state
    state=$(awk '{print $3}' "/proc/$APP_PID/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ]
}

# wait_window [TIMEOUT_S]: waits until the program's window is mapped; sets WIN.
wait_window() {
    local timeout=${1:-60} line
    line=$("$XTOOL" wait-mapped "$E2E_TITLE" "$((timeout * 1000))" "$APP_PID" | grep '^mapped ')
    WIN=$(echo "$line" | awk '{print $2}')
    [ -n "$WIN" ]
}

# window_geometry: prints "X Y WIDTH HEIGHT" of WIN on the screen.
window_geometry() {
    xwininfo -id "$WIN" | awk '
        /Absolute upper-left X:/ {x = $NF}
        /Absolute upper-left Y:/ {y = $NF}
        /^ *Width:/ {w = $NF}
        /^ *Height:/ {h = $NF}
        END {print x, y, w, h}'
}

window_title() {
    xwininfo -id "$WIN" | sed -n 's/^xwininfo: Window id: [^ ]* "\(.*\)"$/\1/p'
}

# The window is laid out in twips, 15 to the pixel.
twips_to_px() { echo $(($1 / 15)); }

# Two clicks on one spot within the desktop's double-click interval (400 ms) make a double-click,
# which counts once. A script's clicks are deliberate single clicks, so each comes at least
# E2E_CLICK_GAP_MS after the one before.
E2E_CLICK_GAP_MS=${E2E_CLICK_GAP_MS:-500}
E2E_LAST_CLICK_MS=0
wait_click_gap() {
    local now wait_ms
    now=$(($(date +%s%N) / 1000000))
    wait_ms=$((E2E_LAST_CLICK_MS + E2E_CLICK_GAP_MS - now))
    ((wait_ms > 0)) && sleep "$(awk -v ms="$wait_ms" 'BEGIN { printf "%.3f", ms / 1000 }')"
    E2E_LAST_CLICK_MS=$(($(date +%s%N) / 1000000))
}

# click_twips X Y: a real mouse click at a place in the window's client area, given in twips.
click_twips() {
    wait_click_gap
    xdotool mousemove --window "$WIN" "$(twips_to_px "$1")" "$(twips_to_px "$2")" click 1
}

# double_click_twips X Y: two clicks 80 ms apart, which the desktop takes for a double-click.
double_click_twips() {
    wait_click_gap
    xdotool mousemove --window "$WIN" "$(twips_to_px "$1")" "$(twips_to_px "$2")" click --repeat 2 --delay 80 1
}

# click_px X Y: the same in pixels of the client area.
click_px() {
    wait_click_gap
    xdotool mousemove --window "$WIN" "$1" "$2" click 1
}

# close_window: asks the window to close, as a window manager's close button would.
close_window() {
    "$XTOOL" close "$WIN"
}

# wait_exit [TIMEOUT_S]: waits for the program to end; sets APP_STATUS. A program still running at
# the timeout is killed, and its status then tells so (137).
wait_exit() {
    local timeout=${1:-15} deadline
    deadline=$((SECONDS + timeout))
    while app_alive && ((SECONDS < deadline)); do
        sleep 0.05
    done
    app_alive && kill -KILL "$APP_PID" 2>/dev/null
    wait "$APP_PID"
    APP_STATUS=$?
    APP_PID=""
}

# --- the speech log ----------------------------------------------------------------------------

# phrases: every phrase logged so far, one a line, without the quotes.
phrases() {
    sed -n 's/^numivox\.speech: "\(.*\)"$/\1/p' "$APP_LOG"
}

phrase_count() { phrases | wc -l; }

# phrases_since N: the phrases logged after the first N.
phrases_since() { phrases | tail -n +$(($1 + 1)); }

# wait_phrase PHRASE [SINCE] [TIMEOUT_S]: waits until PHRASE (exact text) is logged after the first
# SINCE phrases.
wait_phrase() {
    local phrase=$1 since=${2:-0} timeout=${3:-30} deadline
    deadline=$((SECONDS + timeout))
    while :; do
        phrases_since "$since" | grep -qxF -- "$phrase" && return 0
        ((SECONDS >= deadline)) && return 1
        app_alive || { phrases_since "$since" | grep -qxF -- "$phrase"; return; }
        sleep 0.05
    done
}

# wait_phrase_match REGEX [SINCE] [TIMEOUT_S]: waits for a phrase matching the extended regular
# expression (whole phrase) after the first SINCE phrases; prints the first match.
wait_phrase_match() {
    local regex=$1 since=${2:-0} timeout=${3:-30} deadline found
    deadline=$((SECONDS + timeout))
    while :; do
        found=$(phrases_since "$since" | grep -xE -m 1 -- "$regex")
        [ -n "$found" ] && { echo "$found"; return 0; }
        ((SECONDS >= deadline)) && return 1
        app_alive || return 1
        sleep 0.05
    done
}

# wait_phrase_total N [TIMEOUT_S]: waits until at least N phrases are logged.
wait_phrase_total() {
    local count=$1 timeout=${2:-30} deadline
    deadline=$((SECONDS + timeout))
    while (($(phrase_count) < count)); do
        ((SECONDS >= deadline)) && return 1
        app_alive || return 1
        sleep 0.05
    done
}

# count_phrase PHRASE [SINCE]: how often PHRASE was logged after the first SINCE phrases.
count_phrase() { phrases_since "${2:-0}" | grep -cxF -- "$1"; }

# --- screenshots -------------------------------------------------------------------------------

screenshot() { import -window "$WIN" "$1"; }

# pixel FILE X Y: prints the colour of one pixel as "R,G,B" (0 to 255 each).
pixel() {
    local hex
    hex=$(/usr/bin/convert "$1" -format "%[hex:p{$2,$3}]" info:)
    printf '%d,%d,%d\n' "0x${hex:0:2}" "0x${hex:2:2}" "0x${hex:4:2}"
}

# wait_pixels TIMEOUT_S FILE X1 Y1 RGB1 [X2 Y2 RGB2 ...]: takes screenshots into FILE until every
# listed pixel has its colour. A repaint may follow the logged phrase by a moment.
wait_pixels() {
    local timeout=$1 file=$2 deadline all i
    shift 2
    local spots=("$@")
    deadline=$((SECONDS + timeout))
    while :; do
        screenshot "$file"
        all=yes
        for ((i = 0; i < ${#spots[@]}; i += 3)); do
            [ "$(pixel "$file" "${spots[i]}" "${spots[i + 1]}")" = "${spots[i + 2]}" ] || { all=no; break; }
        done
        [ $all = yes ] && return 0
        ((SECONDS >= deadline)) && return 1
        sleep 0.2
    done
}

# --- sound -------------------------------------------------------------------------------------

# True when a PulseAudio server with the null sink test_sink answers (pulse_env.sh was sourced).
# Asking must not start a sound server as a side effect, so libpulse's autospawn is off for it.
test_sink_available() {
    command -v pactl >/dev/null || return 1
    echo "autospawn = no" >"$E2E_WORK/no-autospawn.conf"
    PULSE_CLIENTCONFIG="$E2E_WORK/no-autospawn.conf" timeout 10 pactl list short sinks 2>/dev/null |
        awk '{print $2}' | grep -qx test_sink
}

# Tests that only read the speech log play into test_sink when it exists and are silent otherwise:
# they never speak through a developer's loudspeakers.
use_test_sink_or_silence() {
    if test_sink_available; then
        export PULSE_SINK=test_sink
    else
        export PULSE_SERVER="unix:$E2E_WORK/no-sound-server"
    fi
}

# A silence stream keeps the null sink running, so its monitor delivers audio in real time and a
# recording's length is the time that passed.
start_silence() {
    [ -n "$SILENCE_PID" ] && return 0
    pacat --playback --device=test_sink --raw --format=s16le --rate=16000 --channels=1 \
        --stream-name=e2e-silence </dev/zero &
    SILENCE_PID=$!
}

# start_capture FILE: records the sink's monitor, 16 kHz mono 16-bit, raw.
start_capture() {
    stop_capture
    start_silence
    parec --device=test_sink.monitor --raw --format=s16le --rate=16000 --channels=1 --latency-msec=50 \
        --stream-name=e2e-capture >"$1" &
    CAPTURE_PID=$!
}

stop_capture() {
    [ -n "$CAPTURE_PID" ] || return 0
    kill "$CAPTURE_PID" 2>/dev/null
    wait "$CAPTURE_PID" 2>/dev/null
    CAPTURE_PID=""
}

# The analysis cuts a recording into frames of 20 ms (320 samples); a frame is voiced when its RMS
# is above E2E_VOICE_RMS. Voiced frames closer than E2E_GAP_FRAMES make one segment.
E2E_VOICE_RMS=${E2E_VOICE_RMS:-300}
E2E_GAP_FRAMES=${E2E_GAP_FRAMES:-15}

# audio_analysis FILE: prints one line of NAME=VALUE fields:
#   seconds  the length of the recording
#   voiced   the time of all voiced frames together
#   first, last, span  the start of the first voiced frame, the end of the last, and the time between
#   segments, spans    the voiced stretches, as a count and as START-END,START-END,...
audio_analysis() {
    od -An -v -t d2 -w640 "$1" | awk -v thr="$E2E_VOICE_RMS" -v gap="$E2E_GAP_FRAMES" '
        {
            s = 0
            for (i = 1; i <= NF; i++) s += $i * $i
            n++
            if (NF > 0 && sqrt(s / NF) > thr) {
                voiced++
                if (first == "") first = n
                if (last != "" && n - last > gap) {
                    spans = spans sprintf("%.2f-%.2f,", (start - 1) * 0.02, last * 0.02)
                    segments++
                    start = n
                }
                if (start == "") start = n
                last = n
            }
        }
        END {
            if (last != "") {
                spans = spans sprintf("%.2f-%.2f", (start - 1) * 0.02, last * 0.02)
                segments++
            } else {
                first = 1
                last = 0
            }
            printf "seconds=%.2f voiced=%.2f first=%.2f last=%.2f span=%.2f segments=%d spans=%s\n",
                n * 0.02, voiced * 0.02, (first - 1) * 0.02, last * 0.02, (last - first + 1) * 0.02, segments, spans
        }'
}

# audio_field ANALYSIS NAME: one value out of audio_analysis's line.
audio_field() { echo "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"; }

# wait_audio_settled FILE QUIET_S TIMEOUT_S: waits until the recording holds sound followed by at
# least QUIET_S seconds of silence, so the phrase heard has ended.
wait_audio_settled() {
    local file=$1 quiet=$2 timeout=$3 deadline analysis
    deadline=$((SECONDS + timeout))
    while :; do
        analysis=$(audio_analysis "$file")
        if [ "$(audio_field "$analysis" segments)" -gt 0 ] &&
            awk -v s="$(audio_field "$analysis" seconds)" -v l="$(audio_field "$analysis" last)" -v q="$quiet" \
                'BEGIN { exit !(s - l >= q) }'; then
            return 0
        fi
        ((SECONDS >= deadline)) && return 1
        sleep 0.2
    done
}

# matches TEXT REGEX: true when the extended regular expression matches the whole TEXT.
matches() { [[ $1 =~ ^($2)$ ]]; }

# at_least A B: true when the number A >= B.
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# --- accessibility -----------------------------------------------------------------------------

SESSION_BUS_PID=""

# start_session_bus: a private D-Bus session bus for this script, with the program's accessibility
# bridge forced on, as on a desktop where a screen reader runs. The AT-SPI bus and its registry
# are started on demand from at-spi2-core's service files and end with the session bus.
start_session_bus() {
    local out
    out=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 2>"$E2E_WORK/dbus.log") ||
        die "dbus-daemon starts a session bus"
    DBUS_SESSION_BUS_ADDRESS=$(echo "$out" | sed -n 1p)
    SESSION_BUS_PID=$(echo "$out" | sed -n 2p)
    export DBUS_SESSION_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    trap 'stop_session_bus; e2e_cleanup' EXIT
}

stop_session_bus() {
    [ -n "$SESSION_BUS_PID" ] && kill "$SESSION_BUS_PID" 2>/dev/null
    SESSION_BUS_PID=""
}
