#!/usr/bin/env bash
# A round of interactive mode played with the keyboard only, as real key presses through the X
# server: I for the mode, Space for the card, the digits for the answers until the right one,
# then Control+Q to close. Checked through the speech log.
# usage: keys_play.sh NUMIVOX X_WINDOW_TOOL
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
use_test_sink_or_silence

WRONG="wrong answer, try again"

start_welcomed
focus_window

step "I, then Space: interactive mode and a problem"
since=$(phrase_count)
xdotool key i
wait_phrase "click possible answers to the right" "$since" 60 || die "I chooses interactive mode"
pass "I chooses interactive mode"
since=$(phrase_count)
xdotool key space
problem=$(wait_phrase_match '[0-9]+ plus [0-9]+' "$since" 60) || die "Space deals a problem and logs \"n1 plus n2\""
pass "Space deals and logs the problem \"$problem\""
read -r n1 _ n2 <<<"$problem"
sum=$((n1 + n2))
wait_phrase "click on correct answer to the right" "$since" 30 || fail "the answer hint follows the problem"

step "the digits, one after another, until the right answer"
for digit in 1 2 3 4 5 6; do
    since=$(phrase_count)
    xdotool key "$digit"
    wait_phrase_total $((since + 1)) 60 || die "the key $digit logs a phrase"
    judged=$(phrases_since "$since" | head -n 1)
    [ "$judged" = "$sum" ] && break
    [ "$judged" = "$WRONG" ] || fail "the key $digit logs \"$WRONG\" or $sum (got \"$judged\")"
done
check "one of the keys 1 to 6 finds the right answer $sum (last was key $digit: \"$judged\")" test "$judged" = "$sum"

step "Control+Q closes"
xdotool key ctrl+q
wait_exit 15
check "the process ends with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
