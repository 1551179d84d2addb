#!/usr/bin/env bash
# The child's language, end to end. With LANGUAGE=de the captions and the speech are German, in the
# German voice, and the sound server hears the welcome; a code no one knows before Russian gives
# Russian, whose own letter keys choose the modes. Chinese, Japanese, Korean, Bengali, Tamil and
# Swahili greet in their own letters and voices. The program is English exactly, in its English
# voice and down to the pixels of its window, with a language it has no translation for (Thai),
# with LANG=C, with British English preferred before German, and with German when the machine has
# no German voice: the text goes with the voice. In Arabic the window is mirrored: a click on the
# card where it is drawn, right of the middle, reveals an answer in Arabic-Indic digits, which the
# sound server hears, and the picture lies where the card lies in the English window.
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
arabic_welcome="أهلًا بِكَ في نوميفوكس، اللُّعْبَةُ العادِيَّةُ. اِضغَط على البِطاقَةِ لِتَبدَأ"

english_voice="festival cmu_us_slt_arctic_hts|espeak-ng en-us.*"

# first_voice: the voice the program first spoke with, as its speech log names it.
first_voice() {
    sed -n 's/^numivox\.speech\.voice: "\(.*\)"$/\1/p' "$APP_LOG" | head -n 1
}

# start_language NAME WELCOME VOICE VAR=value...: starts the program in that environment, waits for
# its welcome, checks that the voice matches VOICE (a pattern) and takes a screenshot NAME.png.
start_language() {
    local name=$1 welcome=$2 voice=$3
    shift 3
    start_speaking "$name" "$@"
    wait_phrase "$welcome" 0 60 || die "$name: the welcome \"$welcome\" is logged (got: $(phrases | head -n 1))"
    pass "$name: the welcome is \"$welcome\""
    check_voice "$name" "$voice"
    screenshot "$E2E_WORK/$name.png"
}

# start_speaking NAME VAR=value...: starts the program in that environment and waits for its window.
start_speaking() {
    local name=$1
    shift
    step "$name ($*)"
    start_program QT_LOGGING_RULES="numivox.speech.debug=true;numivox.speech.voice.debug=true" "$@"
    wait_window 60 || die "$name: the window is mapped"
    check "$name: the title is \"$E2E_TITLE\"" test "$(window_title)" = "$E2E_TITLE"
}

# check_voice NAME VOICE: the voice the program first spoke with matches VOICE (a pattern).
check_voice() {
    local deadline=$((SECONDS + 60))
    while [ -z "$(first_voice)" ] && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
    check "$1: the voice is the language's own ($(first_voice))" matches "$(first_voice)" "$2"
}

# end_language NAME STANDARD_PHRASES [X]: clicks the Standard button (at X twips from the left of
# the window, where the English window has it), checks the two phrases it says (joined by "|") and
# closes the program.
end_language() {
    local name=$1 standard=$2 x=${3:-1050} since
    since=$(phrase_count)
    click_twips "$x" 2550
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
start_language arabic "$arabic_welcome" "espeak-ng ar" LANGUAGE=ar
# The card by its sign, mirrored from the English window (11610 twips wide), where the English
# window has the picture.
card_x=$((11610 - 3100))
[ $heard = yes ] && start_capture "$E2E_WORK/hint.raw"
since=$(phrase_count)
click_twips "$card_x" 3500
wait_phrase "اِضغَط على البِطاقَةِ لِتَرى الجَواب" "$since" 60 || fail "arabic: a click on the mirrored card deals a card"
# The hint is heard to its end first, so the next recording holds the answer alone.
[ $heard = yes ] && { wait_audio_settled "$E2E_WORK/hint.raw" 1 60 || fail "the Arabic hint is heard and ends"; }
[ $heard = yes ] && start_capture "$E2E_WORK/answer.raw"
since=$(phrase_count)
click_twips "$card_x" 3500
wait_phrase_total $((since + 1)) 60 || fail "arabic: the second click reveals the answer"
answer=$(phrases_since "$since" | head -n 1)
check "arabic: the answer is said in Arabic-Indic digits ($answer)" matches "$answer" "[٠-٩]+"
if [ $heard = yes ]; then
    wait_audio_settled "$E2E_WORK/answer.raw" 1 60 || fail "the Arabic answer is heard and ends"
    span=$(audio_field "$(audio_analysis "$E2E_WORK/answer.raw")" span)
    check "the sink hears the Arabic answer (${span}s, from 0.3 to 10)" awk -v s="$span" 'BEGIN { exit !(s >= 0.3 && s <= 10) }'
    stop_capture
fi
since=$(phrase_count)
click_twips 3000 3500
wait_phrase "تافيكا تَكتُب: ١ زائِد ١ يُساوي ٢. هل تافيكا على حَقّ؟" "$since" 60 ||
    fail "arabic: the picture lies left of the card"
end_language arabic "اللُّعْبَةُ العادِيَّةُ|اِضغَط على البِطاقَةِ" $((11610 - 1050))
# The languages written in letters of their own, Swahili, and the languages that speak with a
# Festival voice of their own (scripts/deps installs them): the welcome is in the language's
# letters (a Perl pattern), said in the language's voice.
while IFS='|' read -r name language voice letters; do
    start_speaking "$name" LANGUAGE="$language"
    wait_phrase_total 1 60 || die "$name: the welcome is logged"
    welcome=$(phrases | head -n 1)
    check "$name: the welcome \"$welcome\" is written in its letters" env LC_ALL=C.UTF-8 grep -qP "$letters" <<<"$welcome"
    check_voice "$name" "$voice"
    close_window || fail "$name: the close request is sent"
    wait_exit 15
    check "$name: closing ends the program with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
done <<'ROWS'
chinese|zh|espeak-ng cmn-latn-pinyin|^\p{Han}.*Numivox
japanese|ja|espeak-ng ja|^\p{Hiragana}
korean|ko_KR|espeak-ng ko|^\p{Hangul}
bengali|bn|espeak-ng bn|^\p{Bengali}
tamil|ta|espeak-ng ta|^\p{Tamil}
swahili|sw|espeak-ng sw|^Habari
catalan|ca|festival upc_ca_ona_hts|^Hola, això és Numivox
czech|cs|festival czech_dita|^Ahoj, tady Numivox
italian|it|festival lp_diphone|^Benvenuto in Numivox
ROWS
start_language c "$english_welcome" "$english_voice" LANG=C
end_language c "standard mode|click flashcard"
start_language thai "$english_welcome" "$english_voice" LANGUAGE=th
end_language thai "standard mode|click flashcard"
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
for name in thai british no_german_voice; do
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
