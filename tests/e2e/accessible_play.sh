#!/usr/bin/env bash
# The program as a screen reader or a switch tool meets it: its accessible tree read and a round
# played through AT-SPI alone (accessible_play.py), on a private D-Bus session and accessibility
# bus, with the keys of the keyboard for what only keys do (Tab, an open list, F1).
# usage: accessible_play.sh NUMIVOX X_WINDOW_TOOL
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
start_session_bus
use_test_sink_or_silence

# The screen reader listens before the program starts, as on a desktop. Debian's pyatspi belongs
# to the system's Python.
/usr/bin/python3 "$(dirname "$0")/accessible_play.py" "$E2E_WORK/listening" "$E2E_WORK/program" &
PLAYER_PID=$!
trap 'kill "$PLAYER_PID" 2>/dev/null; stop_session_bus; e2e_cleanup' EXIT
for ((i = 0; i < 300; i++)); do
    [ -e "$E2E_WORK/listening" ] && break
    kill -0 "$PLAYER_PID" 2>/dev/null || break
    sleep 0.1
done
[ -e "$E2E_WORK/listening" ] || die "the AT-SPI client listens"

start_welcomed
focus_window
echo "$APP_PID $APP_LOG" >"$E2E_WORK/program"
wait "$PLAYER_PID" || fail "the round through AT-SPI (above)"

step "Control+Q closes"
xdotool key ctrl+q
wait_exit 15
check "the process ends with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
