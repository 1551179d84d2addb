#!/usr/bin/env bash
# What the child hears: the program's audio recorded from the PulseAudio null sink test_sink.
# The welcome must be heard in full, and two phrases asked for back to back must both be heard,
# the second after the first instead of cutting it off. Skipped without that sound server
# (tests/e2e/pulse_env.sh starts one; scripts/test sources it).
# usage: sound.sh NUMIVOX X_WINDOW_TOOL PHRASE_LENGTH
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
if ! test_sink_available; then
    echo "SKIP: no PulseAudio server with the sink test_sink (source tests/e2e/pulse_env.sh first)"
    exit 0
fi
[ -x "$PHRASE_LENGTH" ] || die "no phrase_length helper at $PHRASE_LENGTH"
export PULSE_SINK=test_sink
start_xvfb

# expected PHRASE...: "<voiced span> <voiced time>" of the phrases in the program's voice, each
# added up over the phrases.
expected() {
    "$PHRASE_LENGTH" "$E2E_VOICE_RMS" "$@" | awk '{ span += $2; voiced += $3 } END { printf "%.2f %.2f\n", span, voiced }'
}

# check_heard NAME FILE EXPECTED_SPAN EXPECTED_VOICED: the recording must hold at least 85% of the
# expected voiced span and voiced time (a phrase cut short loses far more), and its span may exceed
# the expected one by no more than 1.5 s (the pause a phrase ends with; nothing heard twice).
check_heard() {
    local name=$1 file=$2 want_span=$3 want_voiced=$4 analysis span voiced peak
    analysis=$(audio_analysis "$file")
    span=$(audio_field "$analysis" span)
    voiced=$(audio_field "$analysis" voiced)
    peak=$(sox -t raw -r 16000 -e signed -b 16 -c 1 "$file" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')
    echo "   $name: $analysis peak=$peak; expected span=$want_span voiced=$want_voiced"
    check "$name: loud enough to be speech (peak $peak of 1)" at_least "$peak" 0.1
    check "$name: voiced span ${span}s is at least 85% of ${want_span}s" \
        at_least "$span" "$(awk -v e="$want_span" 'BEGIN { print e * 0.85 }')"
    check "$name: voiced time ${voiced}s is at least 85% of ${want_voiced}s" \
        at_least "$voiced" "$(awk -v e="$want_voiced" 'BEGIN { print e * 0.85 }')"
    check "$name: voiced span ${span}s is no more than ${want_span}s + 1.5s" \
        at_least "$(awk -v e="$want_span" 'BEGIN { print e + 1.5 }')" "$span"
}

welcome="welcome to numivox, standard mode. click on flashcard to begin"
read -r welcome_span welcome_voiced < <(expected "$welcome")
read -r pair_span pair_voiced < <(expected "standard mode" "click flashcard")
if [ -z "$welcome_voiced" ] || [ -z "$pair_voiced" ]; then die "phrase_length measures the phrases"; fi
check "the voice takes more than 2 s for the welcome (${welcome_span}s)" at_least "$welcome_span" 2

step "the welcome is heard"
start_capture "$E2E_WORK/welcome.raw"
start_program
wait_window 60 || die "the window is mapped"
wait_phrase "$welcome" 0 60 || die "the welcome is logged"
wait_audio_settled "$E2E_WORK/welcome.raw" 1.5 60 || die "the welcome is heard and ends (no sound, or no end, within 60 s)"
check_heard "welcome" "$E2E_WORK/welcome.raw" "$welcome_span" "$welcome_voiced"

step "\"standard mode\" and \"click flashcard\", asked for back to back, are both heard in full"
start_capture "$E2E_WORK/pair.raw"
since=$(phrase_count)
click_twips 1050 2550
wait_phrase "click flashcard" "$since" 60 || die "the Standard button logs its two phrases"
check "both phrases are logged, in order" test "$(phrases_since "$since" | paste -sd '|')" = "standard mode|click flashcard"
wait_audio_settled "$E2E_WORK/pair.raw" 1.5 60 || die "the two phrases are heard and end"
check_heard "standard mode + click flashcard" "$E2E_WORK/pair.raw" "$pair_span" "$pair_voiced"
stop_capture

step "close"
close_window || fail "the close request is sent"
wait_exit 15
check "the process ends within 15 s with status 0 (status $APP_STATUS)" test "$APP_STATUS" = 0
e2e_finish
