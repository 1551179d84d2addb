#!/usr/bin/env bash
# Start-up of the real program: the window, the welcome, a first real click on the card, and a
# polite close that ends the process at once with status 0.
# usage: startup.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
use_test_sink_or_silence

step "start"
start_program
wait_window 60 || die "a window titled \"$E2E_TITLE\" is mapped"
pass "a window titled \"$E2E_TITLE\" is mapped"
check "its title is exactly \"$E2E_TITLE\"" test "$(window_title)" = "$E2E_TITLE"
read -r _ _ width height < <(window_geometry)
check "its client area is 774 x 550 (got $width x $height)" test "$width x $height" = "774 x 550"

step "welcome"
welcome="welcome to numivox, standard mode. click on flashcard to begin"
wait_phrase "$welcome" 0 60 || die "the welcome phrase is logged"
pass "the welcome phrase is logged"
check "it is the first phrase, and the only one so far" test "$(phrases)" = "$welcome"

step "a click on the card"
since=$(phrase_count)
click_twips 4600 3000
check "it logs \"click flash card for answer\"" wait_phrase "click flash card for answer" "$since" 60

step "close"
close_window || fail "the close request is sent"
wait_exit 15
check "closing ends the process within 15 s with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
