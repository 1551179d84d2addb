#!/usr/bin/env bash
# How long the voice goes on after a child clicks fast: bursts of real clicks on the real program
# under a private Xvfb, heard through the null sink of tests/e2e/pulse_env.sh (started here when
# it is not running). Prints a table, asserts nothing.
#
#   bench/burst_bench.sh [BUILD_DIR] [CLICKS] [SECONDS]
#
# BUILD_DIR is a build with the tests on (numivox and tests/e2e/x_window_tool); the default is
# build/test, the optimised build of scripts/test. Each burst is CLICKS clicks (default 20) spread
# evenly over SECONDS (default 3), made by one xdotool run, alternating between two places so no two
# clicks make a double-click. Each burst runs in a fresh program once the voice is quiet. Figures:
#   phrases     phrases the program asked for during the burst (its speech log)
#   voiced      seconds of speech heard after the last click
#   silent      seconds from the last click until the last sound ended
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build=$(cd "${1:-$root/build/test}" && pwd) || exit 1
clicks=${2:-20}
seconds=${3:-3}
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
# shellcheck source=measure.sh
source "$root/bench/measure.sh"
e2e_init "$build/numivox" "$build/tests/e2e/x_window_tool"
if ! test_sink_available; then
    # shellcheck source=../tests/e2e/pulse_env.sh
    source "$root/tests/e2e/pulse_env.sh" || die "a private PulseAudio server with test_sink"
    trap 'e2e_cleanup; stop_test_pulse' EXIT
fi
export PULSE_SINK=test_sink
start_xvfb

# Places in twips, from the window's layout.
CARD_A=(4200 2800)
CARD_B=(5000 3300)
STANDARD=(1050 2550)
INTERACTIVE=(1050 1700)
PLUS=(7395 1050)
MINUS=(7965 1050)
CHALKBOARD_A=(8400 3500)
CHALKBOARD_B=(9800 4500)
CHOICES_FRAME=(7260 2010)
CHOICE_LEFT=(60 2220 60 2220 60 2220)
CHOICE_TOP=(720 690 2340 2340 3990 3990)
WRONG="wrong answer, try again"
welcome="welcome to numivox, standard mode. click on flashcard to begin"

choice() { echo $((CHOICES_FRAME[0] + CHOICE_LEFT[$1] + 930)) $((CHOICES_FRAME[1] + CHOICE_TOP[$1] + 607)); }

# wait_quiet FILE: records until the voice has been quiet for 2 s.
wait_quiet() {
    start_capture "$1"
    sleep 0.5
    while :; do
        local analysis
        analysis=$(audio_analysis "$1")
        awk -v s="$(audio_field "$analysis" seconds)" -v l="$(audio_field "$analysis" last)" \
            'BEGIN { exit !(s - l >= 2) }' && break
        sleep 0.3
    done
    stop_capture
}

# start_quiet: a fresh program, its welcome said and heard.
start_quiet() {
    start_program
    wait_window 60 || die "the window is mapped"
    wait_phrase "$welcome" 0 60 || die "the welcome is logged"
    wait_quiet "$E2E_WORK/settle.raw"
}

# Interactive mode with a card dealt, and two answers known to be wrong in WRONG_AT.
WRONG_AT=()
prepare_wrong_answers() {
    local since i x y attempt
    click_twips "${INTERACTIVE[@]}"
    for ((attempt = 0; attempt < 20; attempt++)); do
        since=$(phrase_count)
        click_twips "${CARD_A[@]}"
        wait_phrase_match '[0-9]+ plus [0-9]+' "$since" 60 >/dev/null || die "a card is dealt"
        WRONG_AT=()
        for i in 0 1 2 3 4 5; do
            read -r x y < <(choice "$i")
            since=$(phrase_count)
            click_twips "$x" "$y"
            wait_phrase_total $((since + 1)) 30 || die "an answer is judged"
            [ "$(phrases_since "$since" | tail -n 1)" = "$WRONG" ] || break
            WRONG_AT+=("$i")
            [ ${#WRONG_AT[@]} = 2 ] && return 0
        done
    done
    die "two wrong answers found"
}

# burst NAME X1 Y1 X2 Y2: CLICKS clicks alternating between the two places; prints a table row.
burst() {
    local name=$1 x1 y1 x2 y2 gap args=() i since analysis last_us stop_us
    x1=$(twips_to_px "$2") y1=$(twips_to_px "$3") x2=$(twips_to_px "$4") y2=$(twips_to_px "$5")
    gap=$(awk -v s="$seconds" -v n="$clicks" 'BEGIN { printf "%.3f", s / (n - 1) }')
    for ((i = 0; i < clicks; i++)); do
        ((i > 0)) && args+=(sleep "$gap")
        if ((i % 2 == 0)); then args+=(mousemove --window "$WIN" "$x1" "$y1" click 1); else
            args+=(mousemove --window "$WIN" "$x2" "$y2" click 1); fi
    done
    since=$(phrase_count)
    start_capture "$E2E_WORK/$name.raw"
    sleep 0.3
    xdotool "${args[@]}"
    last_us=$(now_us)
    # Quiet for 3 s, or two minutes at most.
    local deadline=$((SECONDS + 120))
    while ((SECONDS < deadline)); do
        analysis=$(audio_analysis "$E2E_WORK/$name.raw")
        awk -v s="$(audio_field "$analysis" seconds)" -v l="$(audio_field "$analysis" last)" \
            'BEGIN { exit !(s - l >= 3) }' && break
        sleep 0.3
    done
    stop_us=$(now_us)
    stop_capture
    analysis=$(audio_analysis "$E2E_WORK/$name.raw")
    awk -v name="$name" -v phrases="$(phrases_since "$since" | wc -l)" -v spans="$(audio_field "$analysis" spans)" \
        -v seconds="$(audio_field "$analysis" seconds)" -v last="$(audio_field "$analysis" last)" \
        -v stop="$stop_us" -v click="$last_us" 'BEGIN {
            # The recording ends at stop; the last click came (stop - click) before that.
            at = seconds - (stop - click) / 1e6
            n = split(spans, s, ",")
            for (i = 1; i <= n; i++) {
                split(s[i], ab, "-")
                from = ab[1] > at ? ab[1] : at
                if (ab[2] > from) voiced += ab[2] - from
            }
            silent = last - at
            printf "%-22s %8d %10.1f %10.1f\n", name, phrases, voiced, silent < 0 ? 0 : silent
        }'
}

rows=()
run() {
    local name=$1
    shift
    start_quiet
    "$@"
    close_window
    wait_exit 15
}
wrong_burst() {
    prepare_wrong_answers
    wait_quiet "$E2E_WORK/settle2.raw"
    rows+=("$(burst "wrong answers" $(choice "${WRONG_AT[0]}") $(choice "${WRONG_AT[1]}"))")
}
card_burst() { rows+=("$(burst "card (standard)" "${CARD_A[@]}" "${CARD_B[@]}")"); }
operation_burst() { rows+=("$(burst "+ and - pictures" "${PLUS[@]}" "${MINUS[@]}")"); }
mode_burst() { rows+=("$(burst "mode buttons" "${STANDARD[@]}" "${INTERACTIVE[@]}")"); }
greeting_burst() { rows+=("$(burst "chalkboard" "${CHALKBOARD_A[@]}" "${CHALKBOARD_B[@]}")"); }
# The longest phrase, then a mode's two: the worst a burst can leave.
mixed_burst() { rows+=("$(burst "chalkboard, Interactive" "${CHALKBOARD_A[@]}" "${INTERACTIVE[@]}")"); }

run wrong wrong_burst
run card card_burst
run operation operation_burst
run mode mode_burst
run greeting greeting_burst
run mixed mixed_burst

echo
echo "Bursts of $clicks clicks in $seconds s, $(basename "$build") build, $(nproc) cores, load $(cut -d ' ' -f 1-3 /proc/loadavg)"
printf '%-22s %8s %10s %10s\n' "burst" "phrases" "voiced (s)" "silent (s)"
printf '%s\n' "${rows[@]}"
