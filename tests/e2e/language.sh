#!/usr/bin/env bash
# The child's language, end to end. With LANGUAGE=de the captions and the speech are German, in the
# German voice, and the sound server hears the welcome; a code no one knows before Russian gives
# Russian, whose own letter keys choose the modes. The program is English exactly, in its English
# voice and down to the pixels of its window, with a language it has no translation for (Japanese),
# with LANG=C, with British English preferred before German, and with German when the machine has
# no German voice: the text goes with the voice.
# usage: language.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
start_xvfb
# Only what each run sets chooses the language.
unset LANGUAGE LC_ALL LC_MESSAGES LANG
heard=no
if test_sink_available; then
    export PULSE_SINK=test_sink
    heard=yes
else
    echo "   (no PulseAudio server with test_sink: the sound check is skipped)"
    export PULSE_SERVER="unix:$E2E_WORK/no-sound-server"
fi

english_welcome="welcome to numivox, standard mode. click on flashcard to begin"
german_welcome="Willkommen bei Numivox! Normales Spiel. Klick auf die Karte, dann geht es los."
russian_welcome="Привет! Это Нумивокс. Обычная игра. Нажми на карточку, и начнём."

english_voice="festival cmu_us_slt_arctic_hts|espeak-ng en-us.*"

# first_voice: the voice the program first spoke with, as its speech log names it.
first_voice() {
    sed -n 's/^numivox\.speech\.voice: "\(.*\)"$/\1/p' "$APP_LOG" | head -n 1
}

# start_language NAME WELCOME VOICE VAR=value...: starts the program in that environment, waits for
# its welcome, checks that the voice matches VOICE (a pattern) and takes a screenshot NAME.png.
start_language() {
    local name=$1 welcome=$2 voice=$3 deadline=$((SECONDS + 60))
    shift 3
    step "$name ($*)"
    start_program QT_LOGGING_RULES="numivox.speech.debug=true;numivox.speech.voice.debug=true" "$@"
    wait_window 60 || die "$name: the window is mapped"
    check "$name: the title is \"$E2E_TITLE\"" test "$(window_title)" = "$E2E_TITLE"
    wait_phrase "$welcome" 0 60 || die "$name: the welcome \"$welcome\" is logged (got: $(phrases | head -n 1))"
    pass "$name: the welcome is \"$welcome\""
    while [ -z "$(first_voice)" ] && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
    check "$name: the voice is the language's own ($(first_voice))" matches "$(first_voice)" "$voice"
    screenshot "$E2E_WORK/$name.png"
}

# end_language NAME STANDARD_PHRASES: clicks the Standard button, checks the two phrases it says
# (joined by "|") and closes the program.
end_language() {
    local name=$1 standard=$2 since
    since=$(phrase_count)
    click_twips 1050 2550
    wait_phrase_total $((since + 2)) 60 || fail "$name: the Standard button says two phrases"
    check "$name: the Standard button says \"$standard\"" test "$(phrases_since "$since" | paste -sd '|')" = "$standard"
    close_window || fail "$name: the close request is sent"
    wait_exit 15
    check "$name: closing ends the program with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
}

# differing_pixels A B [GEOMETRY]: how many pixels of two screenshots differ (in a part of them).
differing_pixels() {
    local crop=()
    [ -n "${3:-}" ] && crop=(-crop "$3" +repage)
    convert "$1" "${crop[@]}" "$E2E_WORK/a.png"
    convert "$2" "${crop[@]}" "$E2E_WORK/b.png"
    compare -metric AE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1 | awk '{print int($1)}'
}

[ $heard = yes ] && start_capture "$E2E_WORK/german.raw"
start_language german "$german_welcome" "espeak-ng de" LANGUAGE=de
if [ $heard = yes ]; then
    # The voice may be any voice that reads German; what is heard must be a whole sentence's worth.
    wait_audio_settled "$E2E_WORK/german.raw" 1.5 60 || fail "the German welcome is heard and ends"
    analysis=$(audio_analysis "$E2E_WORK/german.raw")
    echo "   german: $analysis"
    span=$(audio_field "$analysis" span)
    check "the sink hears the German welcome for a sentence's length (${span}s, from 2.5 to 20)" \
        awk -v s="$span" 'BEGIN { exit !(s >= 2.5 && s <= 20) }'
    stop_capture
fi
end_language german "Normales Spiel|klick auf die Karte"
start_language russian "$russian_welcome" "espeak-ng ru" LANGUAGE=xx:ru
# Russian's own key for timer mode, Н ("На время"), typed as a Cyrillic letter.
xdotool windowfocus --sync "$WIN" || die "russian: the window takes the keyboard focus"
since=$(phrase_count)
xdotool key Cyrillic_en
if wait_phrase "Сначала выбери, сколько секунд ждать." "$since" 60; then
    pass "russian: the key Н chooses timer mode"
else
    fail "russian: the key Н chooses timer mode"
fi
end_language russian "Обычная игра|нажми на карточку"
# Catalan, Czech and Italian speak with Festival's voice of their language (scripts/deps installs
# them).
while IFS='|' read -r name language welcome voice; do
    start_language "$name" "$welcome" "$voice" LANGUAGE="$language"
    close_window || fail "$name: the close request is sent"
    wait_exit 15
done <<'LANGUAGES'
catalan|ca|Hola, això és Numivox! Joc normal. Fes clic a la targeta per començar.|festival upc_ca_ona_hts
czech|cs|Ahoj, tady Numivox! Obyčejná hra. Klikni na kartičku a začneme.|festival czech_dita
italian|it|Benvenuto in Numivox! Gioco normale. Clicca sulla carta per cominciare.|festival lp_diphone
LANGUAGES
start_language c "$english_welcome" "$english_voice" LANG=C
end_language c "standard mode|click flashcard"
start_language japanese "$english_welcome" "$english_voice" LANGUAGE=ja
end_language japanese "standard mode|click flashcard"
start_language british "$english_welcome" "$english_voice" LANGUAGE=en_GB:de
end_language british "standard mode|click flashcard"

# eSpeak NG's data as installed, less the German dictionary: German's translation without its voice.
installed=$(find /usr/lib /usr/share -maxdepth 2 -type d -name espeak-ng-data -print -quit)
[ -n "$installed" ] || die "eSpeak NG's data is installed"
mkdir -p "$E2E_WORK/espeak/espeak-ng-data"
for entry in "$installed"/*; do
    [ "${entry##*/}" = de_dict ] || ln -s "$entry" "$E2E_WORK/espeak/espeak-ng-data/"
done
start_language no_german_voice "$english_welcome" "$english_voice" LANGUAGE=de ESPEAK_DATA_PATH="$E2E_WORK/espeak"
end_language no_german_voice "standard mode|click flashcard"

step "the windows"
for name in japanese british no_german_voice; do
    check "$name shows the very same English window as C" \
        test "$(differing_pixels "$E2E_WORK/$name.png" "$E2E_WORK/c.png")" = 0
done
# The left column holds the captions "Modes", "Interactive", "Standard", "Timer" and the frame
# title; the card's numbers are no text to translate.
left=$(differing_pixels "$E2E_WORK/german.png" "$E2E_WORK/c.png" 125x280+0+0)
check "the German captions of the left column differ from the English ones ($left pixels)" test "$left" -gt 500
check "the German card shows the same numbers as the English one" \
    test "$(differing_pixels "$E2E_WORK/german.png" "$E2E_WORK/c.png" 280x330+170+85)" = 0
e2e_finish
