# SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on the desktop of tests/support/run-in-xvfb, played with real input through
# the X server (xdotool) and read back only from what X shows: windows, names and geometry.
# Sourced by the scripts that play it; they set `name` (for messages) before sourcing.
# Every xdotool run has a deadline of its own, and the program is ended by PID on the way out.

readonly quiz_title='Тест: "Ashfever"'
readonly results_title='Результаты тестирования'
readonly help_title='Form1'
# How long any one thing the program does may take to show.
readonly deadline_seconds=15
# A pause after each piece of input: the program handles events in order anyway, but a loaded
# machine should not see a burst of synthetic input.
readonly settle=0.04

pid=
log=$(mktemp)
end_program_on_exit() {
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -f "$log"
}
trap end_program_on_exit EXIT

stage() { printf '%s: %s\n' "$name" "$*"; }

fail() {
    printf '%s: FAILED: %s\n' "$name" "$*" >&2
    if [[ -s "$log" ]]; then
        echo "--- program output ---" >&2
        cat "$log" >&2
    fi
    exit 1
}

# xdotool, given ten seconds: some of its commands wait for what may never come.
x() { timeout 10 xdotool "$@"; }

# Starts the program in the background, its output in $log.
start_program() {
    [[ -x "$1" ]] || fail "$1 is not an executable"
    stage "starting $*"
    "$@" >"$log" 2>&1 &
    pid=$!
}

# Waits up to the deadline for the program to end by itself, and checks that it ended well.
expect_exit() {
    local end=$((SECONDS + deadline_seconds)) status=0
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < end)) || fail "the program still runs ${deadline_seconds}s after $1"
        sleep 0.05
    done
    wait "$pid" || status=$?
    pid=
    ((status == 0)) || fail "the program exited with status $status"
}

# Visible top-level windows of the program with exactly this name (the names hold no
# characters that mean anything in a regular expression).
visible_windows() {
    x search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null || true
}

# Waits until exactly one visible window has this name; prints its id.
wait_for_window() {
    local title=$1 end=$((SECONDS + deadline_seconds)) ids
    while ((SECONDS < end)); do
        ids=$(visible_windows "$title")
        if [[ -n "$ids" ]]; then
            (($(wc -l <<<"$ids") == 1)) || fail "more than one window \"$title\": $ids"
            echo "$ids"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for \"$title\""
        sleep 0.05
    done
    fail "no window \"$title\" within ${deadline_seconds}s"
}

wait_until_gone() {
    local end=$((SECONDS + deadline_seconds))
    while ((SECONDS < end)); do
        [[ -z "$(visible_windows "$1")" ]] && return 0
        sleep 0.05
    done
    fail "window \"$1\" still shown after ${deadline_seconds}s"
}

assert_absent() {
    [[ -z "$(visible_windows "$1")" ]] || fail "$2"
}

# Sets X, Y, WIDTH and HEIGHT of a window's client area, X and Y on the screen. (xdotool's
# getwindowgeometry counts the frame of a window manager twice.)
geometry() {
    local output
    output=$(timeout 10 xwininfo -id "$1" 2>/dev/null) || fail "window $1 has vanished"
    X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$output")
    Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$output")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$output")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$output")
}

# Sets FRAME to the widths of the frame the window manager drew round a window: left, right,
# top, bottom.
frame() {
    local extents
    extents=$(timeout 10 xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p')
    IFS=', ' read -r -a FRAME <<<"${extents:-0, 0, 0, 0}"
}

assert_size() {
    local window=$1 what=$2 width=$3 height=$4
    geometry "$window"
    ((WIDTH == width && HEIGHT == height)) ||
        fail "$what is ${WIDTH}x${HEIGHT}, expected ${width}x${height}"
}

# Waits for a geometry rather than reading it once: a resize or move reaches the server, and
# the window manager, a moment after the program asked for it. A height of - is any height.
wait_for_size() {
    local window=$1 what=$2 width=$3 height=$4 end=$((SECONDS + deadline_seconds))
    while ((SECONDS < end)); do
        geometry "$window"
        ((WIDTH == width)) && [[ "$height" == - || "$HEIGHT" == "$height" ]] && return 0
        sleep 0.05
    done
    fail "$what is ${WIDTH}x${HEIGHT}, expected ${width}x${height}"
}

wait_for_width() { wait_for_size "$1" "$2" "$3" -; }

wait_for_position() {
    local window=$1 what=$2 left=$3 top=$4 end=$((SECONDS + deadline_seconds))
    while ((SECONDS < end)); do
        geometry "$window"
        ((X == left && Y == top)) && return 0
        sleep 0.05
    done
    fail "$what stands at $X,$Y, expected $left,$top"
}

# Another client asks for another size of a window, as a window tool or a tiling shortcut does.
# Whether the window manager grants the size or refuses it, it tells the window so in a configure
# event: waits for that answer, watched with xev.
ask_for_size() {
    local window=$1 width=$2 height=$3 events watcher end=$((SECONDS + deadline_seconds))
    events=$(mktemp)
    timeout "$deadline_seconds" stdbuf -oL xev -id "$window" -event structure -event property \
        >"$events" 2>&1 &
    watcher=$!
    # xev watches from the moment it sees a property of the window change.
    until grep -q PropertyNotify "$events"; do
        ((SECONDS < end)) || fail "xev does not watch window $window"
        timeout 10 xprop -id "$window" -f _ASHFEVER_TEST 8s -set _ASHFEVER_TEST watched
        sleep 0.05
    done
    x windowsize "$window" "$width" "$height" ||
        fail "cannot ask window $window for ${width}x${height}"
    until grep -q ConfigureNotify "$events"; do
        ((SECONDS < end)) || fail "no answer to a request for ${width}x${height} of window $window"
        sleep 0.05
    done
    kill "$watcher" 2>/dev/null
    wait "$watcher" 2>/dev/null || true
    rm -f "$events"
}

abs() { echo $(($1 < 0 ? -$1 : $1)); }

read -r screen_width screen_height < <(x getdisplaygeometry)

# The whole window, frame included, is centred on the screen. Qt places a window before the
# window manager has framed it, so a frame may move it off by up to half the frame's size.
assert_centred() {
    local window=$1 what=$2 dx dy
    geometry "$window"
    frame "$window"
    dx=$(abs $((2 * (X - FRAME[0]) + WIDTH + FRAME[0] + FRAME[1] - screen_width)))
    dy=$(abs $((2 * (Y - FRAME[2]) + HEIGHT + FRAME[2] + FRAME[3] - screen_height)))
    # Doubled offsets, so a one-pixel tolerance is 2 here.
    ((dx <= 2 + FRAME[0] + FRAME[1] && dy <= 2 + FRAME[2] + FRAME[3])) ||
        fail "$what at ${X},${Y} (${WIDTH}x${HEIGHT}, frame ${FRAME[*]}) is not centred on ${screen_width}x${screen_height}"
}

# Pointer input at window-relative coordinates. (No --sync: it waits for the pointer to move,
# forever when it is already there. Each xdotool run ends with its requests handled by the
# server, so input stays in order.)
point_at() {
    x mousemove --window "$1" "$2" "$3" || fail "cannot point into window $1 (gone?)"
    sleep "$settle"
}

click_at() {
    point_at "$@"
    x click 1 || fail "cannot click"
    sleep "$settle"
}

double_click_at() {
    point_at "$@"
    x click --repeat 2 --delay 60 1 || fail "cannot double-click"
    sleep "$settle"
}

# Brings a window to the front with the keyboard focus, as a click on its entry in a task bar.
activate() {
    x windowactivate --sync "$1" || fail "cannot activate window $1"
    sleep "$settle"
}

# Keys go to the window that has the keyboard focus.
press() {
    x key "$@" || fail "cannot press $*"
    sleep "$settle"
}

# Drags with the left button from a spot of a window by (dx, dy), in `moves` equal pointer
# moves `pause` seconds apart, all in one run of xdotool.
drag() {
    local window=$1 from_x=$2 from_y=$3 dx=$4 dy=$5 moves=$6 pause=$7 step
    ((dx % moves == 0 && dy % moves == 0)) || fail "a drag of $dx,$dy in $moves moves"
    local input=(mousemove --window "$window" "$from_x" "$from_y" mousedown 1)
    for ((step = 0; step < moves; step++)); do
        input+=(mousemove_relative -- $((dx / moves)) $((dy / moves)))
        [[ "$pause" == 0 ]] || input+=(sleep "$pause")
    done
    input+=(mouseup 1)
    x "${input[@]}" || fail "cannot drag window $window"
    sleep "$settle"
}

# The designed layout in pixels, as tests/support/layoutfacts prints it from the program's own
# table: quiz_client=(width height), quiz_cmdOk=(left top width height) and so on.
load_layout() {
    local facts
    facts=$("$1") || fail "cannot read the layout from $1"
    eval "$facts"
}

# Sets the array named $1 to the middle of the layout's box named $2: x, then y.
middle() {
    local -n point=$1 box=$2
    point=($((box[0] + box[2] / 2)) $((box[1] + box[3] / 2)))
}
