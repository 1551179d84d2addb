#!/usr/bin/env bash
# The sound server goes away while the program runs: the window goes on playing, silently,
# and closes normally.
# usage: sound_server_gone.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb

step "start with a sound server of this test's own"
# shellcheck source=pulse_env.sh
source "$(dirname "$0")/pulse_env.sh" || die "a private sound server starts"
start_program
wait_window 60 || die "the window is mapped"
check "the welcome is logged" wait_phrase "welcome to numivox, standard mode. click on flashcard to begin" 0 60

step "the sound server disappears"
stop_test_pulse
since=$(phrase_count)
click_twips 4600 3000
check "a click on the card still deals (\"click flash card for answer\")" \
    wait_phrase "click flash card for answer" "$since" 60
since=$(phrase_count)
click_twips 1050 2550
check "a mode button still answers (\"click flashcard\")" wait_phrase "click flashcard" "$since" 60
check "the program still runs" app_alive

step "close"
close_window || fail "the close request is sent"
wait_exit 15
check "the process ends within 15 s with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
