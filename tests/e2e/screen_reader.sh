#!/usr/bin/env bash
# The program with the real screen reader Orca as the child's voice: a private desktop session
# (D-Bus session bus, accessibility bus, the GNOME screen-reader setting in a private dconf),
# Orca speaking through speech-dispatcher's silent dummy output, the program heard through the
# null sink. A round of each mode is played by keys; Orca's debug log (written whole when Orca
# quits) tells what Orca said, the program's speech log what the program meant to say.
# usage: screen_reader.sh NUMIVOX X_WINDOW_TOOL
# Orca 48 sometimes stops in the middle of a round and has to be killed (2 of 6 runs on Debian 13):
# such a round says nothing about the program, so it is played once more.
if [ -z "${SCREEN_READER_HUNG_MARK:-}" ]; then
    mark=$(mktemp -u "${TMPDIR:-/tmp}/numivox-orca-hung.XXXXXX")
    SCREEN_READER_HUNG_MARK=$mark bash "$0" "$@" && exit 0
    status=$?
    [ -e "$mark" ] || exit "$status"
    rm -f "$mark"
    echo "-- Orca hung and was killed: the round is played once more"
    SCREEN_READER_HUNG_MARK=/dev/null/none exec bash "$0" "$@"
fi
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
command -v orca >/dev/null || die "Orca is installed"
start_xvfb
export HOME="$E2E_WORK/home" XDG_CONFIG_HOME="$E2E_WORK/home/.config" XDG_DATA_HOME="$E2E_WORK/home/.local/share" \
    XDG_CACHE_HOME="$E2E_WORK/home/.cache"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
start_session_bus
use_test_sink_or_silence

# Orca's voice makes no sound: whatever the sink hears is the program's own voice.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
CONF
ORCA_LOG="$E2E_WORK/orca.log"
ORCA_PID=""
reader_setting() { gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled "$1"; }

start_orca() {
    reader_setting true
    env -u PULSE_SINK PULSE_SERVER="unix:$E2E_WORK/no-sound-server" orca --replace --disable braille --disable braille-monitor --debug-file="$ORCA_LOG" \
        >"$E2E_WORK/orca.out" 2>&1 &
    ORCA_PID=$!
    # Orca is ready once it listens to the program's events at the accessibility registry.
    local address i
    for ((i = 0; i < 600; i++)); do
        address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
        [ -n "$address" ] && dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry \
            /org/a11y/atspi/registry org.a11y.atspi.Registry.GetRegisteredEvents 2>/dev/null |
            grep -qi 'focus' && break
        kill -0 "$ORCA_PID" 2>/dev/null || die "Orca starts"
        sleep 0.1
    done
    ((i < 600)) || die "Orca listens within 60 s"
    # Its own greeting is said before it reads the window.
    sleep 1
}

# orca_ends_within TENTHS: true once Orca has ended, false if it still runs after that long.
orca_ends_within() {
    local i
    for ((i = 0; i < $1; i++)); do
        kill -0 "$ORCA_PID" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$ORCA_PID" 2>/dev/null
}

# Orca quits by itself when the setting goes false; its log is whole only then. Orca 48 may miss
# the setting; it ends on SIGTERM then, and writes the rest of its log.
stop_orca() {
    reader_setting false
    if ! orca_ends_within 100; then
        kill -TERM "$ORCA_PID"
        if ! orca_ends_within 100; then
            kill -KILL "$ORCA_PID"
            : 2>/dev/null >"$SCREEN_READER_HUNG_MARK"
            fail "Orca quits when the screen reader is switched off"
        fi
    fi
    wait "$ORCA_PID" 2>/dev/null
    ORCA_PID=""
}
trap '[ -n "$ORCA_PID" ] && kill -KILL "$ORCA_PID" 2>/dev/null; stop_session_bus; e2e_cleanup' EXIT

# said: everything Orca decided to say, one utterance a line, in order.
said() { sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)'[ ]*{.*/\1/p" "$ORCA_LOG"; }
# key PRESS...: presses keys one after another, as a child does, waiting for the news.
key() {
    local k
    for k in "$@"; do
        xdotool key "$k"
        sleep 1.2
    done
}

step "Orca runs before the program starts"
start_orca
test_sink_available && start_capture "$E2E_WORK/own_voice.raw"
start_welcomed
focus_window
sleep 2
step "a round of each mode by keys, with the loudspeaker and the key help"
key space space KP_Enter space space
key i space 1 2 3 4 5 6
key m m F1
key t 3
sleep 7
key s KP_Enter
stop_capture
reader_phrases=$(phrases)

step "Orca stops in the middle of the round: the program's own voice is back"
stop_orca
test_sink_available && start_capture "$E2E_WORK/own_voice_after.raw"
sleep 1
since=$(phrase_count)
xdotool key i
wait_phrase "interactive mode" "$since" 30 || fail "I is said by the program after Orca stopped"
sleep 2
stop_capture
xdotool key ctrl+q
wait_exit 15
check "the process ends with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0

said >"$E2E_WORK/said.txt"
sed 's/^/   | Orca: /' "$E2E_WORK/said.txt"

step "one voice at a time"
if test_sink_available; then
    while_reader=$(audio_analysis "$E2E_WORK/own_voice.raw")
    after=$(audio_analysis "$E2E_WORK/own_voice_after.raw")
    echo "   | own voice while Orca ran: $while_reader"
    echo "   | own voice after Orca stopped: $after"
    check "the program's own voice is silent while Orca speaks for it" \
        test "$(audio_field "$while_reader" voiced)" = 0.00
    check "the own voice speaks again within a second of Orca stopping" \
        awk -v v="$(audio_field "$after" voiced)" -v f="$(audio_field "$after" first)" 'BEGIN { exit !(v > 0.3 && f < 2.5) }'
else
    echo "   | (no null sink: the own voice is not listened to)"
fi

step "Orca says every phrase of the program, in order"
# The program's answer phrase ("12") is told inside the whole card ("7 plus 5 equals 12").
all_said=$(tr '\n' ' ' <"$E2E_WORK/said.txt")
rest=$all_said
while IFS= read -r phrase; do
    [ -n "$phrase" ] || continue
    if [[ $rest == *"$phrase"* ]]; then
        rest=${rest#*"$phrase"}
    else
        fail "Orca says \"$phrase\" after what came before it"
    fi
done <<<"$reader_phrases"
pass "the phrases were looked for in Orca's speech ($(echo "$reader_phrases" | wc -l) phrases)"
check "the loudspeaker switched off and on is told" grep -q 'speech off.*' "$E2E_WORK/said.txt"
grep -q 'speech on' "$E2E_WORK/said.txt" || fail "speech switched on is told"

step "keys named once and right"
# Orca 43 says "push button Space." at once, Orca 48 "button." and then "Space ...".
check "the card is named with its key Space" \
    grep -qE '12 plus 12 equals 24 (push )?button\.? Space' <<<"$all_said"
if grep -qE 'push button (Enter|Return)|Space, Return, Enter push|^e\.$|star' "$E2E_WORK/said.txt"; then
    fail "no key named in a wrong field"
else
    pass "no key named in a wrong field"
fi

step "the focus is never left on a list the game disabled"
after_timer=$(sed -n '/timer mode/,$p' "$E2E_WORK/said.txt")
if echo "$after_timer" | grep -qiE 'list item|List with'; then
    fail "the timer list is not announced as focused when a digit chooses the time"
else
    pass "the timer list is not announced as focused when a digit chooses the time"
fi
# Where-am-I after S reads the card, the button whose key is Space, and not the list.
after_s=$(sed -n '/standard mode/,$p' <<<"$after_timer" | tr '\n' ' ')
check "where-am-I after S names the card" grep -qE "(push )?button\.? Space" <<<"$after_s"

step "each card reaches Orca once"
# The card is read as a button only when it takes the focus and for where-am-I (three times);
# a change of its name must not be spoken on top of the news.
reads=$(grep -cE '^[0-9]+ [a-z ]+ [0-9]+( equals [0-9]+)? (push )?button' "$E2E_WORK/said.txt")
check "the card is read as a button $reads times, at most 3" test "$reads" -le 3

step "Orca had no errors"
check "no traceback in Orca's log ($(grep -ac Traceback "$ORCA_LOG"))" test "$(grep -ac Traceback "$ORCA_LOG")" = 0

# How long Orca takes from a key to its news: a figure, not a check.
awk -F' - ' '/SPEECH OUTPUT: .[a-zA-Z0-9]+ ?. /{ split($1, t, ":"); k = t[1]*3600 + t[2]*60 + t[3]; next }
    /SPEECH OUTPUT/ && k { split($1, t, ":"); d = t[1]*3600 + t[2]*60 + t[3] - k; if (d < 2) printf "%.0f ", d*1000; k = 0 }
    END { print "" }' "$ORCA_LOG" | sed 's/^/   | key to Orca'"'"'s news (ms): /'
e2e_finish
