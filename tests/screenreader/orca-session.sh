# SPDX-FileCopyrightText: 2026 Tessaro-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# A private desktop with the Orca screen reader, for a test that hears what Orca says. Source it, then call
# start_session once. It starts a D-Bus session bus, a virtual X server, the accessibility bus and Orca with its
# debug log, and stops all of them on exit. Orca has no speech synthesiser here: what it would say is read from
# the "SPEECH OUTPUT" lines it logs (orca-speech-log/ writes them out at once).

session_tools="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
session_dir=""
session_pids=()
speech_mark=0

stop_session() {
    local pid
    for pid in "${session_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # Orca answers a stop request only from its main loop; whatever has not ended after a moment is killed.
    for pid in "${session_pids[@]}"; do
        wait_for 3 eval "! kill -0 $pid 2>/dev/null" || kill -KILL "$pid" 2>/dev/null || true
    done
    session_pids=()
    [ -z "$session_dir" ] || rm -rf "$session_dir"
    session_dir=""
}

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$session_dir" ] && [ -f "$session_dir/orca.log" ]; then
        echo "--- what Orca said last:" >&2
        spoken_lines | tail -n 25 >&2
        stop_orca_and_keep_log
    fi
    exit 1
}

# Orca writes its debug log (TESSARO_ORCA_DEBUG=1) out when it ends; it is kept for a look at what went wrong.
stop_orca_and_keep_log() {
    kill "$orca_pid" 2>/dev/null || true
    wait_for 3 eval "! kill -0 $orca_pid 2>/dev/null" || kill -KILL "$orca_pid" 2>/dev/null || true
    cp "$session_dir/orca.log" /tmp/tessaro-orca.log 2>/dev/null && echo "(Orca's debug log: /tmp/tessaro-orca.log)" >&2
}

# Runs "$@" in the background as part of the session; it is stopped with it.
spawn() {
    "$@" &
    session_pids+=($!)
}

# Waits up to $1 seconds for the command "${@:2}" to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

start_session() {
    session_dir="$(mktemp -d)"
    trap stop_session EXIT
    trap 'exit 1' INT TERM
    # Nothing of the user's own desktop: a home, settings and runtime folder of its own, a bus of its own.
    export HOME="$session_dir/home" XDG_CONFIG_HOME="$session_dir/config" XDG_DATA_HOME="$session_dir/data"
    export XDG_CACHE_HOME="$session_dir/cache" XDG_RUNTIME_DIR="$session_dir/run"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SPEECHD_ADDRESS
    # No speech synthesiser: Orca's attempt to start one fails at once, and Orca only logs what it would say.
    export SPEECHD_CMD=/bin/false
    local bus
    bus="$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --nopidfile 2>/dev/null)" ||
        fail "no D-Bus session bus"
    export DBUS_SESSION_BUS_ADDRESS="${bus%%$'\n'*}"
    session_pids+=("${bus##*$'\n'}")

    spawn Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$session_dir/display" 2>/dev/null
    wait_for 10 test -s "$session_dir/display" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$session_dir/display")"

    spawn /usr/libexec/at-spi-bus-launcher --launch-immediately 2>>"$session_dir/noise.log"
    : >"$session_dir/speech.log"
    TESSARO_SPEECH_LOG="$session_dir/speech.log" PYTHONPATH="$session_tools/orca-speech-log" \
        spawn orca ${TESSARO_ORCA_DEBUG:+--debug-file "$session_dir/orca.log"} >>"$session_dir/noise.log" 2>&1
    orca_pid=${session_pids[-1]}
    wait_for 60 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$session_dir/speech.log" ||
        fail "Orca did not start"
}

# Everything Orca has said so far, one utterance a line (the lines of a longer text joined by " / ").
spoken_lines() {
    awk '/^SPEECH OUTPUT: / { if (text != "") print text; text = substr($0, 16); next }
         { text = text " / " $0 }
         END { if (text != "") print text }' "$session_dir/speech.log" |
        sed -E "s/^'(.*)'( voice=.*| \{.*\})?$/\1/"
}

spoken_since_mark() { spoken_lines | tail -n +$((speech_mark + 1)); }

mark_speech() { speech_mark=$(spoken_lines | wc -l); }

# True once what Orca has said since the mark, taken as one text, matches the extended regular expression $1.
heard() { spoken_since_mark | tr '\n' ' ' | grep -qE -- "$1"; }

# Waits until Orca has said, since the mark, something matching each of the patterns, and then until it has been
# quiet for a moment, so that the next step hears only its own speech.
expect_speech() {
    local pattern
    # SPEECH_RECORD=1 only records what Orca says, without judging it.
    [ -z "${SPEECH_RECORD:-}" ] || { sleep 4; set --; }
    for pattern in "$@"; do
        wait_for 15 heard "$pattern" || fail "Orca did not say /$pattern/; it said:$(printf '\n  %s' "$(spoken_since_mark)")"
    done
    local count previous=-1
    count=$(spoken_lines | wc -l)
    while ((count != previous)); do
        previous=$count
        sleep 0.4
        count=$(spoken_lines | wc -l)
    done
}

# Fails if Orca said something matching $1 since the mark.
expect_no_speech() {
    ! heard "$1" || fail "Orca said /$1/ but should not have:$(printf '\n  %s' "$(spoken_since_mark)")"
}
