#!/usr/bin/env bash
# A game played by real clicks through all three modes and the speech switch, checked through the
# speech log and, for the answer colours, a screenshot.
# usage: play_through.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
use_test_sink_or_silence

# Places in twips, from the window's layout.
CARD=(4600 3000)
INTERACTIVE=(1050 1700)
STANDARD=(1050 2550)
TIMER=(1050 3380)
LOUDSPEAKER=(1117 7147)  # Picture1 and Picture2: 600, 6690, 1035 x 915
CHALKBOARD=(9202 4530)   # img123: 7710, 2490, 2985 x 4080
CHOICES_FRAME=(7260 2010)
MAX_LIST=(10897 1027)    # cmbMaxNum: frame 9525, 465 plus list 990, 330, 765 x 465
# lbl1 to lbl6 inside the frame, each 1860 x 1215.
CHOICE_LEFT=(60 2220 60 2220 60 2220)
CHOICE_TOP=(720 690 2340 2340 3990 3990)
# lstTimer: frame 375, 3855 plus list 165, 345; the first entry, "2", is its top row.
TIMER_LIST_PX=($(((375 + 165) / 15)) $(((3855 + 345) / 15)))

RED=255,0,0
GREEN=0,255,0
WRONG="wrong answer, try again"

# is_sum_answer PHRASE: a whole number an addition of two numbers from 0 to 12 can give.
is_sum_answer() { matches "$1" '[0-9]+' && (($1 <= 24)); }

start_welcomed

step "standard mode: deal, then reveal"
since=$(phrase_count)
click_twips "${CARD[@]}"
wait_phrase "click flash card for answer" "$since" 60 || die "the first click on the card deals and logs its hint"
pass "the first click on the card deals and logs \"click flash card for answer\""
since=$(phrase_count)
click_twips "${CARD[@]}"
if wait_phrase "click flash card to continue" "$since" 60; then
    pass "the second click logs \"click flash card to continue\""
else
    fail "the second click logs \"click flash card to continue\""
fi
revealed=$(phrases_since "$since")
answer=$(echo "$revealed" | head -n 1)
check "the answer is spoken first, as digits of a sum of 0..12 and 0..12 (got \"$answer\")" is_sum_answer "$answer"

step "interactive mode: deal a card and click all six possible answers"
since=$(phrase_count)
click_twips "${INTERACTIVE[@]}"
wait_phrase "click possible answers to the right" "$since" 60 || die "interactive mode is announced"
check "\"interactive mode\" comes first" test "$(phrases_since "$since" | head -n 1)" = "interactive mode"
since=$(phrase_count)
click_twips "${CARD[@]}"
problem=$(wait_phrase_match '[0-9]+ plus [0-9]+' "$since" 60) || die "a click on the card logs the problem \"n1 plus n2\""
pass "a click on the card logs the problem \"$problem\""
check "then the hint \"click on correct answer to the right\"" \
    wait_phrase "click on correct answer to the right" "$since" 30
read -r n1 _ n2 <<<"$problem"
sum=$((n1 + n2))

since=$(phrase_count)
for i in 0 1 2 3 4 5; do
    click_twips $((CHOICES_FRAME[0] + CHOICE_LEFT[i] + 930)) $((CHOICES_FRAME[1] + CHOICE_TOP[i] + 607))
done
wait_phrase_total $((since + 6)) 60 || die "each of the six clicks logs a phrase"
judged=$(phrases_since "$since")
check "five clicks log \"$WRONG\"" test "$(echo "$judged" | grep -cxF "$WRONG")" = 5
check "one click logs the right answer $sum" test "$(echo "$judged" | grep -cxF "$sum")" = 1
# The phrases come in click order, so the one that is not a rebuke names the right label.
spots=()
for i in 0 1 2 3 4 5; do
    colour=$RED
    [ "$(echo "$judged" | sed -n "$((i + 1))p")" = "$sum" ] && colour=$GREEN
    spots+=($(((CHOICES_FRAME[0] + CHOICE_LEFT[i]) / 15 + 10)) $(((CHOICES_FRAME[1] + CHOICE_TOP[i]) / 15 + 10)) "$colour")
done
if wait_pixels 20 "$E2E_WORK/choices.png" "${spots[@]}"; then
    pass "the screenshot shows the right answer green and the five others red"
else
    seen=""
    for ((i = 0; i < ${#spots[@]}; i += 3)); do
        seen+=" lbl$((i / 3 + 1))=$(pixel "$E2E_WORK/choices.png" "${spots[i]}" "${spots[i + 1]}")(want ${spots[i + 2]})"
    done
    fail "the screenshot shows the right answer green and the five others red:$seen"
fi

step "interactive mode: a double-click on an answer is judged once"
since=$(phrase_count)
click_twips "${CARD[@]}"
wait_phrase_match '[0-9]+ plus [0-9]+' "$since" 60 >/dev/null || die "the next card is dealt"
wait_phrase "click on correct answer to the right" "$since" 30 || true
since=$(phrase_count)
for i in 0 1 2 3 4 5; do
    double_click_twips $((CHOICES_FRAME[0] + CHOICE_LEFT[i] + 930)) $((CHOICES_FRAME[1] + CHOICE_TOP[i] + 607))
done
wait_phrase_total $((since + 6)) 60 || die "each of the six double-clicks logs a phrase"
# Clicks are handled in order: any second judgement would be logged within this pause.
sleep 1.5
judged=$(phrases_since "$since")
check "six double-clicks are judged six times (logged: $(echo "$judged" | paste -sd '|'))" \
    test "$(echo "$judged" | wc -l)" = 6
check "five of them \"$WRONG\"" test "$(echo "$judged" | grep -cxF "$WRONG")" = 5

step "timer mode: the answer comes by itself"
since=$(phrase_count)
click_twips "${TIMER[@]}"
wait_phrase "first choose a timer value in seconds" "$since" 60 || die "timer mode asks for a time"
pass "timer mode asks \"first choose a timer value in seconds\""
since=$(phrase_count)
click_px $((TIMER_LIST_PX[0] + 20)) $((TIMER_LIST_PX[1] + 10))
wait_phrase "2 seconds." "$since" 60 || die "choosing the entry \"2\" logs \"2 seconds.\""
chosen=$(phrases_since "$since")
check "choosing \"2\" logs \"timer mode\" then \"2 seconds.\"" test "$(echo "$chosen" | tail -n 2 | paste -sd '|')" = "timer mode|2 seconds."
since=$(phrase_count)
answer=$(wait_phrase_match '[0-9]+' "$since" 60)
check "an answer is revealed by itself: \"$answer\"" is_sum_answer "$answer"

step "the loudspeaker switches speech off and on"
since=$(phrase_count)
click_twips "${STANDARD[@]}"
wait_phrase "click flashcard" "$since" 60 || die "standard mode is announced"
since=$(phrase_count)
click_twips "${LOUDSPEAKER[@]}"   # speech off
click_twips "${CHALKBOARD[@]}"    # must stay silent
click_twips "${LOUDSPEAKER[@]}"   # speech on
click_twips "${CHALKBOARD[@]}"    # the greeting
greeting="tavika  writes, 1 plus 1 equals 2. is tavika, correct?"
wait_phrase "$greeting" "$since" 60 || die "the greeting is logged after speech is switched on again"
pass "after speech is switched on again the chalkboard logs the greeting"
# Clicks are handled in order, so a greeting of the muted click would have come first.
check "the click while speech was off logged nothing (logged: $(phrases_since "$since" | paste -sd '|'))" \
    test "$(phrases_since "$since")" = "$greeting"

step "the wheel over a range list chooses nothing"
since=$(phrase_count)
xdotool mousemove --window "$WIN" "$(twips_to_px "${MAX_LIST[0]}")" "$(twips_to_px "${MAX_LIST[1]}")" \
    click 5 click 5 click 4
click_twips "${CHALKBOARD[@]}"
wait_phrase "$greeting" "$since" 60 || die "the greeting after the wheel is logged"
check "the wheel logged nothing (logged: $(phrases_since "$since" | paste -sd '|'))" \
    test "$(phrases_since "$since")" = "$greeting"

step "close"
close_window || fail "the close request is sent"
wait_exit 15
check "the process ends with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
