#!/usr/bin/env bash
# The program on a user's machine rather than ours: a number format with a decimal comma, and
# Festival settings of the user's own. Festival reads its voice's numbers with the C library, which
# follows the user's locale; read with a comma, "0.95" is 0 and the voice grows to gigabytes. Its
# start-up also loads the user's ~/.festivalrc and friends, which here would end the program. In
# both real decimal-comma locales, generated here, the welcome must be said by Festival and heard
# at its usual length, and the program must stay small.
# usage: user_machine.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
# Only what each run sets chooses the locale.
unset LANGUAGE LC_ALL LC_MESSAGES LC_NUMERIC LANG
use_test_sink_or_silence
heard=no
[ "${PULSE_SINK:-}" = test_sink ] && heard=yes
[ $heard = yes ] || echo "   (no PulseAudio server with test_sink: the sound check is skipped)"

step "two decimal-comma locales, from Debian's locale sources"
export LOCPATH="$E2E_WORK/locales"
mkdir -p "$LOCPATH"
for locale in sv_SE en_DK; do
    localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" >"$E2E_WORK/localedef.log" 2>&1 ||
        die "localedef makes $locale.UTF-8 (package locales): $(tail -n 1 "$E2E_WORK/localedef.log")"
    check "$locale.UTF-8 writes numbers with a decimal comma" \
        test "$(LC_ALL=$locale.UTF-8 locale decimal_point 2>/dev/null)" = ","
done

# Festival settings that would end the program at once, were they loaded.
home="$E2E_WORK/home"
mkdir -p "$home"
for file in .festivalrc .siodrc .festivalvarsrc .siodvarsrc; do
    echo "(quit)" >"$home/$file"
done

welcome="welcome to numivox, standard mode. click on flashcard to begin"
# The voiced span of the welcome in Festival's voice, as phrase_length measures it in the C locale.
[ -x "$PHRASE_LENGTH" ] || die "no phrase_length helper at $PHRASE_LENGTH"
welcome_span=$("$PHRASE_LENGTH" "$E2E_VOICE_RMS" "$welcome" | awk '{ print $2 }')
[ -n "$welcome_span" ] || die "phrase_length measures the welcome"

# run NAME VAR=value...: starts the program in that locale with that home and checks its welcome.
run() {
    local name=$1 started rss_kb analysis span
    shift
    step "$name ($*)"
    [ $heard = yes ] && start_capture "$E2E_WORK/$name.raw"
    started=$SECONDS
    start_program HOME="$home" QT_LOGGING_RULES="numivox.speech.debug=true;numivox.speech.voice.debug=true" "$@"
    wait_window 60 || die "$name: the window is mapped"
    # Watched all along, so a program that grows is stopped before it starves the machine.
    while :; do
        rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$APP_PID/status" 2>/dev/null)
        ((${rss_kb:-0} >= 512000 || SECONDS - started >= 5)) && break
        app_alive || break
        sleep 0.1
    done
    echo "   $name: VmRSS $((SECONDS - started)) s after start: $((${rss_kb:-0} / 1024)) MB"
    if ((${rss_kb:-0} > 0 && ${rss_kb:-0} < 512000 && SECONDS - started >= 5)); then
        pass "$name: still running 5 s after start, in under 500 MB"
    else
        fail "$name: still running 5 s after start, in under 500 MB"
        kill -KILL "$APP_PID" 2>/dev/null
        wait_exit 1
        return
    fi
    wait_phrase "$welcome" 0 60 || die "$name: the welcome is logged"
    local deadline=$((SECONDS + 60))
    until grep -q '^numivox.speech.voice: "' "$APP_LOG" || ((SECONDS >= deadline)) || ! app_alive; do sleep 0.1; done
    check "$name: Festival speaks (log: $(grep '^numivox.speech.voice:' "$APP_LOG" | paste -sd '|'))" \
        grep -q '^numivox.speech.voice: "festival ' "$APP_LOG"
    if [ $heard = yes ]; then
        wait_audio_settled "$E2E_WORK/$name.raw" 1.5 60 || fail "$name: the welcome is heard and ends"
        stop_capture
        analysis=$(audio_analysis "$E2E_WORK/$name.raw")
        span=$(audio_field "$analysis" span)
        echo "   $name: $analysis; Festival's welcome spans ${welcome_span}s"
        check "$name: the welcome is heard at Festival's length (${span}s, expected ${welcome_span}s)" \
            awk -v s="$span" -v e="$welcome_span" 'BEGIN { exit !(s >= 0.85 * e && s <= e + 1.5) }'
    fi
    close_window || fail "$name: the close request is sent"
    wait_exit 15
    check "$name: closing ends the program with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
}

run swedish LANG=sv_SE.UTF-8 LANGUAGE=en
run danish_english LANG=en_DK.UTF-8
e2e_finish
