#!/usr/bin/env bash
# Keys held down on a real X server act once. The server repeats a held key as a release and a
# press with one timestamp; the program must count such a pair as the same press, also when Qt
# does not mark it as a repeat. Held for HOLD_S seconds each: minus (one "subtraction"), Space
# (the answer of the card minus dealt is revealed, no card follows) and M (speech off, once).
# The accessibility bridge is on, which makes Qt lose that race nearly every time.
# usage: held_key.sh NUMIVOX X_WINDOW_TOOL
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
start_session_bus
use_test_sink_or_silence

HOLD_S=3

# hold KEY: presses KEY, keeps it down for HOLD_S seconds and lets it go.
hold() {
    xdotool keydown "$1"
    sleep "$HOLD_S"
    xdotool keyup "$1"
}

# settle: waits until no phrase has been logged for a second, so every press was handled.
settle() {
    local before
    while :; do
        before=$(phrase_count)
        sleep 1
        [ "$(phrase_count)" = "$before" ] && return 0
        app_alive || return 1
    done
}

step "the X server repeats a held key"
# Without repeat this test proves nothing.
xset r on
check "xset reports key repeat on" bash -c "xset q | grep -q 'auto repeat: *on'"

start_welcomed
focus_window

step "minus held"
since=$(phrase_count)
hold minus
settle
count=$(count_phrase "subtraction" "$since")
check "\"subtraction\" is logged once (got $count)" test "$count" = 1

step "Space held"
since=$(phrase_count)
hold space
settle
# The card minus dealt shows its problem: one press reveals the answer and says the first-time hint.
revealed=$(phrases_since "$since" | paste -sd '|')
check "one reveal: the answer and \"click flash card to continue\", nothing more (got: $revealed)" \
    matches "$revealed" '[0-9]+\|click flash card to continue'

step "M held"
hold m
settle
since=$(phrase_count)
xdotool key x
sleep 2
check "speech is off after M was held: x logs nothing (got: $(phrases_since "$since" | paste -sd '|'))" \
    test "$(phrase_count)" = "$since"
xdotool key m
xdotool key plus
wait_phrase "addition" "$since" 30
check "M pressed once more switches speech on again" test $? = 0

step "Control+Q closes"
xdotool key ctrl+q
wait_exit 15
check "the process ends with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
