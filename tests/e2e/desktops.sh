#!/usr/bin/env bash
# The program on desktops as users have them: the title bar a window manager gives a window that
# cannot grow, a large system font from a platform theme, and a native Wayland session in weston.
# What weston cannot give this test: a click on the maximize button Qt draws in its own title bar.
# weston 10 (Debian 12) answers it with a maximized size that Qt 6.4 does not take, and ends the
# program with a protocol error; weston 14 (Debian 13) ignores it. So it is not clicked here.
# usage: desktops.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
use_test_sink_or_silence

CARD=(4600 3000)
INTERACTIVE=(1050 1700)
WELCOME="welcome to numivox, standard mode. click on flashcard to begin"
WINDOW_BACKGROUND="rgb(192,192,255)"
WM_PID=""
WESTON_PID=""
stop_desktop() {
    local pid
    for pid in "$WM_PID" "$WESTON_PID"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    WM_PID=""
    WESTON_PID=""
}
trap 'stop_desktop; e2e_cleanup' EXIT

# Motif hints: flags, functions, decorations, each a set of bits.
MWM_FUNC_MAXIMIZE=0x10
MWM_FUNC_CLOSE=0x20
MWM_DECOR_TITLE=0x08
MWM_DECOR_MAXIMIZE=0x40
# The title as xdotool's regular expression for a whole window name.
TITLE_REGEX="^$(printf '%s' "$E2E_TITLE" | sed 's/[][().*^$\\]/\\&/g')\$"

# interactive_shot FILE: shows the possible answers and takes a screenshot of the window in which
# the random numbers (card and answers) are painted over, so two runs can be compared.
interactive_shot() {
    local since boxes=() i
    since=$(phrase_count)
    click_twips "${INTERACTIVE[@]}"
    wait_phrase "click possible answers to the right" "$since" 60 || die "interactive mode is announced"
    sleep 0.5
    screenshot "$1.full.png"
    # The card's numbers, then the six possible answers (frameChoices at 7260, 2010).
    boxes+=(-draw "rectangle $((3000 / 15)),$((1335 / 15)) $((5400 / 15)),$((4500 / 15))")
    for i in "60 720" "2220 690" "60 2340" "2220 2340" "60 3990" "2220 3990"; do
        read -r left top <<<"$i"
        boxes+=(-draw "rectangle $(((7260 + left) / 15)),$(((2010 + top) / 15)) $(((7260 + left + 1860) / 15)),$(((2010 + top + 1215) / 15))")
    done
    /usr/bin/convert "$1.full.png" -fill black "${boxes[@]}" "$1"
}

step "X11: the window's own hints offer no maximize"
start_welcomed
read -r _ functions decorations _ < <(xprop -id "$WIN" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
check "its Motif functions leave out maximize (functions $functions)" test $((functions & MWM_FUNC_MAXIMIZE)) = 0
check "and keep close" test $((functions & MWM_FUNC_CLOSE)) != 0
check "its Motif decorations leave out the maximize button (decorations $decorations)" \
    test $((decorations & MWM_DECOR_MAXIMIZE)) = 0
check "and keep the title" test $((decorations & MWM_DECOR_TITLE)) != 0
interactive_shot "$E2E_WORK/default.png"
close_window || fail "the close request is sent"
wait_exit 15

step "X11 under openbox, with a 20 pt system font from qt6ct"
openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
WM_PID=$!
for ((i = 0; i < 100; i++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
mkdir -p "$E2E_WORK/config/qt6ct"
cat >"$E2E_WORK/config/qt6ct/qt6ct.conf" <<'EOF'
[Fonts]
general="DejaVu Serif,20,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="DejaVu Sans Mono,20,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
EOF
start_program QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$E2E_WORK/config"
# A window manager takes the window into its frame, so it is no longer a child of the root.
WIN=$(timeout 60 xdotool search --sync --name "$TITLE_REGEX" | head -n 1)
[ -n "$WIN" ] || die "the window is mapped under openbox"
wait_phrase "$WELCOME" 0 60 || die "the welcome is logged"
check "the program runs with qt6ct's settings" grep -q libqt6ct "/proc/$APP_PID/maps"
allowed=$(xprop -id "$WIN" _NET_WM_ALLOWED_ACTIONS)
check "openbox offers no maximize ($allowed)" test -z "$(echo "$allowed" | grep MAXIMIZE)"
check "openbox offers close" grep -q _NET_WM_ACTION_CLOSE <<<"$allowed"
interactive_shot "$E2E_WORK/large-font.png"
differing=$(compare -metric AE "$E2E_WORK/default.png" "$E2E_WORK/large-font.png" "$E2E_WORK/font-diff.png" 2>&1)
check "every caption is drawn as with the default font ($differing pixels differ)" test "$differing" = 0
close_window || fail "the close request is sent"
wait_exit 15
stop_desktop

step "Wayland: a native client of weston"
socket="numivox-e2e-$$"
weston --backend=x11-backend.so --shell=desktop-shell.so --socket="$socket" --width=1000 --height=700 \
    --idle-time=0 --no-config >"$E2E_WORK/weston.log" 2>&1 &
WESTON_PID=$!
for ((i = 0; i < 300; i++)); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || die "weston listens on $socket: $(tail -n 3 "$E2E_WORK/weston.log")"
# No X display: the program can only be a Wayland client. Its protocol log shows what it asks of
# the compositor.
start_program DISPLAY= WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
wait_phrase "$WELCOME" 0 60 || die "the welcome is logged"
pass "the welcome is logged"
check "its window is a Wayland toplevel with the title" \
    grep -qF "set_title(\"$E2E_TITLE\")" "$APP_LOG"
# last_size REQUEST: the size the program last gave in that request, as "WIDTH, HEIGHT".
last_size() { grep -oE "$1\\([0-9, ]+\\)" "$APP_LOG" | tail -n 1 | grep -oE '[0-9]+, [0-9]+\)$' | tr -d ')'; }
min=$(last_size set_min_size)
geometry=$(last_size set_window_geometry)
check "of fixed size: as small as it may be ($min), as large ($(last_size set_max_size))" \
    test -n "$min" -a "$min" = "$(last_size set_max_size)"
# Qt 6.4 gives the client area's size, Qt 6.8 that of the window with its title bar.
check "that of its client area, 774 x 550, or of the whole window ($geometry)" \
    test -n "$min" -a \( "$min" = "774, 550" -o "$min" = "$geometry" \)
check "it has no X window" test -z "$(xdotool search --name "$TITLE_REGEX" 2>/dev/null)"

# weston's output is a window of the X server; the client area is where the window's colour is.
# It is looked for again before each click, until two screenshots agree: weston may still place
# the window, or draw its panel, after the window first shows.
find_area() {
    local i previous=""
    for ((i = 0; i < 50; i++)); do
        import -window root "$E2E_WORK/weston.png"
        area=$(/usr/bin/convert "$E2E_WORK/weston.png" -fill black +opaque "$WINDOW_BACKGROUND" -trim -format '%w %h %X %Y' info:)
        [[ $area == "774 550 "* && $area == "$previous" ]] && break
        previous=$area
        sleep 0.2
    done
    read -r width height left top <<<"$area"
    left=${left#+}
    top=${top#+}
}
find_area
check "the client area is 774 x 550 on weston's screen (got $width x $height)" test "$width x $height" = "774 x 550"
card_click() {
    wait_click_gap
    find_area
    # From outside weston's output (1000 x 700 of the 1024 x 768 screen) into it: weston follows the
    # pointer only once it has entered its window, and the pointer may already lie inside from
    # the clicks before weston started.
    xdotool mousemove 1020 760 sleep 0.2 mousemove $((left + CARD[0] / 15)) $((top + CARD[1] / 15)) sleep 0.2 click 1
}
since=$(phrase_count)
card_click
check "a click on the card deals" wait_phrase "click flash card for answer" "$since" 60
since=$(phrase_count)
card_click
if wait_phrase "click flash card to continue" "$since" 60; then
    answer=$(phrases_since "$since" | head -n 1)
    check "the next click reveals the answer (\"$answer\")" matches "$answer" '[0-9]+'
else
    fail "the next click reveals the answer"
fi
# Ctrl+Q is the close button's key; weston gives the keyboard to the window clicked.
xdotool key ctrl+q
wait_exit 15
check "Ctrl+Q ends the program with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
stop_desktop
e2e_finish
