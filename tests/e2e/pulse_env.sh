# shellcheck shell=bash
# Private PulseAudio server for end-to-end tests on a machine without sound hardware (CI runs
# as root on a fresh machine). Its only sink is a null sink, test_sink, so whatever the
# program says can be recorded back from test_sink.monitor:
#
#   source tests/e2e/pulse_env.sh || exit 1   # starts it and exports what clients need
#   parec --device=test_sink.monitor --raw --format=s16le --rate=16000 --channels=1 > out.raw &
#   ...run the program...
#   stop_test_pulse
#
# Meant to be sourced: it sets no shell options, works under the caller's set -euo pipefail,
# and reports failure with its return status. Nothing outside its own temporary directory is
# touched (not even ~/.config/pulse); stop_test_pulse restores the variables it changed.

# Kills the server and puts the caller's environment back as it was.
stop_test_pulse() {
    if [[ -n "${TEST_PULSE_KEEPER_PID:-}" ]]; then
        kill "$TEST_PULSE_KEEPER_PID" 2>/dev/null || true
        wait "$TEST_PULSE_KEEPER_PID" 2>/dev/null || true
    fi
    if [[ -n "${TEST_PULSE_DIR:-}" ]]; then
        local pid=""
        [[ -r "$TEST_PULSE_DIR/pulse/pid" ]] && pid=$(<"$TEST_PULSE_DIR/pulse/pid")
        if [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; then
            local i
            for ((i = 0; i < 50; i++)); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid" 2>/dev/null || true; }
        fi
        rm -rf "$TEST_PULSE_DIR"
    fi
    test_pulse_restore XDG_RUNTIME_DIR TEST_PULSE_SAVED_XDG
    test_pulse_restore PULSE_SERVER TEST_PULSE_SAVED_SERVER
    test_pulse_restore PULSE_STATE_PATH TEST_PULSE_SAVED_STATE
    test_pulse_restore PULSE_COOKIE TEST_PULSE_SAVED_COOKIE
    unset TEST_PULSE_DIR TEST_PULSE_KEEPER_PID TEST_PULSE_SAVED_XDG TEST_PULSE_SAVED_SERVER \
        TEST_PULSE_SAVED_STATE TEST_PULSE_SAVED_COOKIE
}

# test_pulse_restore NAME SAVED: sets NAME back to the value kept in SAVED (unset if empty).
test_pulse_restore() {
    [[ -n "${!2+set}" ]] || return 0
    if [[ -n "${!2}" ]]; then
        export "$1=${!2}"
    else
        unset "$1"
    fi
}

# Microseconds of audio test_sink holds; empty if pactl cannot tell. Safe under set -e
# and pipefail, as a sourcing script may use them.
test_pulse_sink_latency() {
    { pactl list sinks 2>/dev/null || true; } | awk '/^Sink #/ { ours = 0 } /Name: test_sink$/ { ours = 1 }
        ours && $1 == "Latency:" && !found { print $2; found = 1 }'
}

start_test_pulse() {
    if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
        echo "pulse_env: pulseaudio and pactl are needed (packages pulseaudio, pulseaudio-utils)" >&2
        return 1
    fi

    # Read back indirectly by test_pulse_restore.
    # shellcheck disable=SC2034
    TEST_PULSE_SAVED_XDG="${XDG_RUNTIME_DIR:-}"
    # shellcheck disable=SC2034
    TEST_PULSE_SAVED_SERVER="${PULSE_SERVER:-}"
    # shellcheck disable=SC2034
    TEST_PULSE_SAVED_STATE="${PULSE_STATE_PATH:-}"
    # shellcheck disable=SC2034
    TEST_PULSE_SAVED_COOKIE="${PULSE_COOKIE:-}"
    TEST_PULSE_DIR=$(mktemp -d) || return 1
    chmod 700 "$TEST_PULSE_DIR"
    # The server puts its socket and pid file in $XDG_RUNTIME_DIR/pulse; clients look there too.
    export XDG_RUNTIME_DIR="$TEST_PULSE_DIR"
    export PULSE_SERVER="unix:$TEST_PULSE_DIR/pulse/native"
    # Server state and the clients' cookie would otherwise go to ~/.config/pulse.
    export PULSE_STATE_PATH="$TEST_PULSE_DIR/state"
    export PULSE_COOKIE="$TEST_PULSE_DIR/cookie"

    # As root PulseAudio only warns that it is meant for a user session, which is what this
    # is. -n skips the system's default.pa, so no hardware, no suspend-on-idle and no
    # dependence on a D-Bus session. Clients need no cookie (the server would keep one in
    # ~/.config/pulse): the socket sits in a directory only this user can enter.
    if ! pulseaudio --daemonize=yes --exit-idle-time=-1 -n --system=no \
        --high-priority=no --realtime=no \
        --log-target="file:$TEST_PULSE_DIR/pulseaudio.log" \
        --load="module-native-protocol-unix auth-anonymous=1 auth-cookie-enabled=0" \
        --load="module-null-sink sink_name=test_sink"; then
        echo "pulse_env: pulseaudio did not start:" >&2
        cat "$TEST_PULSE_DIR/pulseaudio.log" >&2 2>/dev/null
        stop_test_pulse
        return 1
    fi

    local i
    for ((i = 0; i < 100; i++)); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! pactl info >/dev/null 2>&1; then
        echo "pulse_env: pulseaudio does not answer after 10 s" >&2
        stop_test_pulse
        return 1
    fi
    pactl set-default-sink test_sink || { stop_test_pulse; return 1; }

    # An idle null sink renders two seconds ahead, and when a client first connects that
    # backlog plays out before the client is heard: the first phrase would come two seconds
    # late and the monitor's clock would stall. A silent low-latency stream playing all the
    # time keeps the sink like a real sound card: running, with little latency, and its
    # monitor recording without gaps. Silence adds nothing to what is recorded.
    pacat --playback --raw --format=s16le --rate=16000 --channels=1 --latency-msec=50 \
        --client-name=test_sink_keeper --stream-name=silence /dev/zero >/dev/null 2>&1 &
    TEST_PULSE_KEEPER_PID=$!
    local latency
    for ((i = 0; i < 100; i++)); do
        latency=$(test_pulse_sink_latency)
        [[ -n "$latency" && "$latency" -lt 200000 ]] && break
        sleep 0.1
    done
    if [[ -z "$latency" || "$latency" -ge 200000 ]]; then
        echo "pulse_env: test_sink did not settle (latency ${latency:-unknown} us)" >&2
        stop_test_pulse
        return 1
    fi
}

start_test_pulse
