#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program under strace with Qt's own command-line options among its arguments
# (a style sheet file, another platform, another style) and checks what it did: it never
# touched the style sheet (no open, stat or access of that path), it showed its windows on the
# X server all the same (the -platform option was ignored too), and it created no network
# socket. The program is driven to its end with real keys: Esc in the answer list brings the
# closing credits, Esc in them ends it.
# Expects an X server of its own in DISPLAY (tests/support/run-in-xvfb), with no window manager.
# Usage: strace-check.sh path/to/ashfever
set -euo pipefail

app=${1:?usage: strace-check.sh path/to/ashfever}
readonly quiz_title='Тест: "Ashfever"'
readonly help_title='Form1'
readonly deadline_seconds=20

work=$(mktemp -d)
tracer=
# strace keeps fatal signals from itself while it writes to a file: the traced program is the
# one to end, and strace ends with it.
stop_program() {
    [[ -n "$tracer" ]] || return 0
    local traced
    traced=$(pgrep -P "$tracer" || true)
    if [[ -n "$traced" ]]; then
        kill $traced 2>/dev/null || true
    fi
    status=0
    wait "$tracer" 2>/dev/null || status=$?
    tracer=
}
trap 'stop_program; rm -rf "$work"' EXIT

problems=()
problem() { problems+=("$*"); }

# A style sheet that would turn every window red, were it ever read.
evil="$work/evil.qss"
printf 'QWidget { background: red; color: red; }\n' >"$evil"

# The trace follows every thread and child; file and network calls are all it needs. (In the
# sanitizer build the leak check stays off here: it cannot stop the world under a tracer.)
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -f -qq -s 512 -e trace=%file,%network -o "$work/trace" \
    "$app" -stylesheet "$evil" -platform offscreen -style windows -reverse \
    -qwindowtitle evil >"$work/output" 2>&1 &
tracer=$!

# Prints the id of the visible window with this name, once there is one.
window_named() {
    local name=$1 end=$((SECONDS + deadline_seconds)) id
    while ((SECONDS < end)) && kill -0 "$tracer" 2>/dev/null; do
        id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -n1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Keys go to the window under the pointer on a server without a window manager.
press_escape_over() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.2
    xdotool key Escape
}

status=0
if ! quiz=$(window_named "$quiz_title"); then
    problem "no window \"$quiz_title\" on the X server (was -platform offscreen obeyed?)"
elif press_escape_over "$quiz" 500 440 && ! credits=$(window_named "$help_title"); then
    problem "Esc in the answer list brought no closing credits"
else
    press_escape_over "$credits" 200 200
    end=$((SECONDS + deadline_seconds))
    while kill -0 "$tracer" 2>/dev/null && ((SECONDS < end)); do
        sleep 0.1
    done
    if kill -0 "$tracer" 2>/dev/null; then
        problem "the program still ran after its credits closed"
    fi
fi
ended=yes
if kill -0 "$tracer" 2>/dev/null; then
    ended=
fi
stop_program
if [[ -n "$ended" ]] && ((status != 0)); then
    problem "the program ended with status $status"
fi

trace="$work/trace"
if [[ ! -s "$trace" ]]; then
    problem "strace recorded nothing"
else
    # The path is in the program's own command line (execve); anywhere else it was used.
    if touched=$(grep -F "$evil" "$trace" | grep -v 'execve('); then
        problem "the program used the style sheet named on its command line:"$'\n'"$touched"
    fi
    grep -qE 'connect\([0-9]+, \{sa_family=AF_UNIX, sun_path=@?"/tmp/\.X11-unix/X' "$trace" ||
        problem "the program never connected to the X server"
    if network=$(grep -E 'socket\((AF|PF)_INET6?,' "$trace"); then
        problem "the program created network sockets:"$'\n'"$network"
    fi
fi

if ((${#problems[@]})); then
    printf 'strace-check: FAILED: %s\n' "${problems[@]}" >&2
    echo "--- program output ---" >&2
    cat "$work/output" >&2
    exit 1
fi
echo "strace-check: on the X server despite -platform; the style sheet never opened; no network"
