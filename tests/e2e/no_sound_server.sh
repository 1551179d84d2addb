#!/usr/bin/env bash
# With no sound server at all the program must still start, play and end normally, silently.
# usage: no_sound_server.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb

step "start with PULSE_SERVER pointing nowhere"
start_program PULSE_SERVER="unix:$E2E_WORK/no-sound-server"
wait_window 60 || die "the window is mapped"
pass "the window is mapped"
check "the welcome is logged" wait_phrase "welcome to numivox, standard mode. click on flashcard to begin" 0 60

step "a card played by clicks"
since=$(phrase_count)
click_twips 4600 3000
check "the first click deals (\"click flash card for answer\")" wait_phrase "click flash card for answer" "$since" 60
since=$(phrase_count)
click_twips 4600 3000
check "the second click reveals (\"click flash card to continue\")" \
    wait_phrase "click flash card to continue" "$since" 60
answer=$(phrases_since "$since" | head -n 1)
check "the answer \"$answer\" is logged before it, as digits" matches "$answer" '[0-9]+'

step "close"
close_window || fail "the close request is sent"
wait_exit 15
check "the process ends within 15 s with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
