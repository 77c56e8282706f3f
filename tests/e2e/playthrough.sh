#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays Ashfever from start to finish the way a player does: real pointer and keyboard input
# through the X server, with only what X itself shows (windows, their names and geometry) as
# evidence of progress. Expects an X server of its own in DISPLAY (tests/support/run-in-xvfb)
# with no window manager, so window positions are exact and the keyboard follows the pointer.
# Usage: playthrough.sh path/to/ashfever
set -euo pipefail

app=${1:?usage: playthrough.sh path/to/ashfever}
[[ -x "$app" ]] || { echo "playthrough: $app is not an executable" >&2; exit 2; }

readonly quiz_title='Тест: "Ashfever"'
readonly results_title='Результаты тестирования'
readonly help_title='Form1'
readonly deadline_seconds=15
# A pause after each piece of input: the program handles events in order anyway, but a
# loaded machine should not see a burst of synthetic input.
readonly settle=0.04

pid=
log=$(mktemp)
cleanup() {
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -f "$log"
}
trap cleanup EXIT

stage() { printf 'playthrough: %s\n' "$*"; }

fail() {
    printf 'playthrough: FAILED: %s\n' "$*" >&2
    if [[ -s "$log" ]]; then
        echo "--- program output ---" >&2
        cat "$log" >&2
    fi
    exit 1
}

# Names are matched whole; the title of the quiz window contains regex-neutral characters only.
exact() { printf '^%s$' "$1"; }

# Visible top-level windows of the program with exactly this name.
visible_windows() {
    xdotool search --all --onlyvisible --pid "$pid" --name "$(exact "$1")" 2>/dev/null || true
}

# Waits until exactly one visible window has this name; prints its id.
wait_for_window() {
    local name=$1 end=$((SECONDS + deadline_seconds)) ids
    while ((SECONDS < end)); do
        ids=$(visible_windows "$name")
        if [[ -n "$ids" ]]; then
            (($(wc -l <<<"$ids") == 1)) || fail "more than one window \"$name\": $ids"
            echo "$ids"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || fail "the program ended while waiting for \"$name\""
        sleep 0.05
    done
    fail "no window \"$name\" within ${deadline_seconds}s"
}

wait_until_gone() {
    local name=$1 end=$((SECONDS + deadline_seconds))
    while ((SECONDS < end)); do
        [[ -z "$(visible_windows "$name")" ]] && return 0
        sleep 0.05
    done
    fail "window \"$name\" still shown after ${deadline_seconds}s"
}

assert_absent() {
    [[ -z "$(visible_windows "$1")" ]] || fail "$2"
}

# Sets X, Y, WIDTH, HEIGHT for a window (no window manager: X and Y are on the screen).
geometry() {
    local output
    output=$(xdotool getwindowgeometry --shell "$1") || fail "window $1 has vanished"
    X=$(sed -n 's/^X=//p' <<<"$output")
    Y=$(sed -n 's/^Y=//p' <<<"$output")
    WIDTH=$(sed -n 's/^WIDTH=//p' <<<"$output")
    HEIGHT=$(sed -n 's/^HEIGHT=//p' <<<"$output")
}

assert_size() {
    local window=$1 what=$2 width=$3 height=$4
    geometry "$window"
    ((WIDTH == width && HEIGHT == height)) ||
        fail "$what is ${WIDTH}x${HEIGHT}, expected ${width}x${height}"
}

# Waits for a size rather than reading it once: a resize reaches the server a moment after
# the program has been asked for it.
wait_for_width() {
    local window=$1 what=$2 width=$3 end=$((SECONDS + deadline_seconds))
    while ((SECONDS < end)); do
        geometry "$window"
        ((WIDTH == width)) && return 0
        sleep 0.05
    done
    fail "$what is $WIDTH wide, expected $width"
}

abs() { echo $(($1 < 0 ? -$1 : $1)); }

assert_centred() {
    local window=$1 what=$2 dx dy
    geometry "$window"
    dx=$(abs $((2 * X + WIDTH - screen_width)))
    dy=$(abs $((2 * Y + HEIGHT - screen_height)))
    # Doubled offsets, so a one-pixel tolerance is 2 here.
    ((dx <= 2 && dy <= 2)) ||
        fail "$what at ${X},${Y} (${WIDTH}x${HEIGHT}) is not centred on ${screen_width}x${screen_height}"
}

# Pointer input at window-relative coordinates. The keyboard focus of a server without a
# window manager follows the pointer, so keys go to whichever window it rests over.
# (No --sync: it waits for the pointer to move, forever when it is already there. Each
# xdotool run ends with its requests handled by the server, so input stays in order.)
point_at() {
    xdotool mousemove --window "$1" "$2" "$3" || fail "cannot point into window $1 (gone?)"
    sleep "$settle"
}

click_at() {
    point_at "$@"
    xdotool click 1 || fail "cannot click"
    sleep "$settle"
}

press() {
    xdotool key "$@" || fail "cannot press $*"
    sleep "$settle"
}

read -r screen_width screen_height < <(xdotool getdisplaygeometry)

# --- 1. The quiz window -----------------------------------------------------------------

stage "starting $app"
"$app" >"$log" 2>&1 &
pid=$!

quiz=$(wait_for_window "$quiz_title")
assert_size "$quiz" "the quiz window" 639 479
assert_centred "$quiz" "the quiz window"
stage "quiz window $quiz shown, 639x479, centred"

# Places in the quiz window, in its client coordinates.
list_first_item=(200 344)    # the top option of the answer list
list_rest=(500 440)          # where the pointer waits while keys go to the list
next_button=(600 336)
answers_button=(600 416)
help_button=(24 8)

# --- 2. The first step, by keyboard alone -----------------------------------------------

# The list has the focus from the start, so Enter leaves the introduction for question 1.
point_at "$quiz" "${list_rest[@]}"
press Return
# Nothing has been chosen yet, so these steps must not count as answers: a miscount shows
# at the end, where the results must come with the 80th answer and not before.
press space
press Return
# The very first choice is made with Down alone; answer 1 below counts only if it took.
press Down
stage "introduction left with Enter; first option chosen with Down"

# --- 3. Usage help, opened and dismissed ------------------------------------------------

# Closes the help with Esc, or with "button" as $1 by a click on its painted close button.
open_and_close_usage_help() {
    click_at "$quiz" "${help_button[@]}"
    local help
    help=$(wait_for_window "$help_title")
    assert_size "$help" "the help window" 400 469
    assert_centred "$help" "the help window"
    # The help is modal: the quiz ignores its Next button (clear of the help window) and keys
    # meanwhile. An answer slipping through here shows as a miscount at the end.
    click_at "$quiz" "${next_button[@]}"
    press Return
    if [[ "${1:-}" == button ]]; then
        click_at "$help" 280 440
    else
        # Esc goes to the help text, which holds the focus, once the pointer rests on the window.
        point_at "$help" 200 200
        press Escape
    fi
    wait_until_gone "$help_title"
    [[ -n "$(visible_windows "$quiz_title")" ]] || fail "the quiz window went away with the help"
}

open_and_close_usage_help
stage "usage help opened with HELP!, closed with Esc; the quiz window stays"

# --- 4. The quiz itself -----------------------------------------------------------------

# Answer 1 takes the option chosen with Down before the help came up.
click_at "$quiz" "${next_button[@]}"

# Each answer selects an option and steps on, cycling through the ways a player can: a click
# on an option or Down in the list to choose, then the Next button, Enter, Space or a digit
# typed into the list to go on.
answer() {
    local number=$1
    # Answer 1 went on with the Next button: the cycle continues from there.
    case $(((number - 1) % 5)) in
    0) # choose with the pointer, go on with the Next button (which then holds the focus)
        click_at "$quiz" "${list_first_item[@]}"
        click_at "$quiz" "${next_button[@]}"
        ;;
    1) # choose with the pointer, which gives the list the focus back, then Enter
        click_at "$quiz" "${list_first_item[@]}"
        press Return
        ;;
    2) # the list still has the focus: Down picks an option, Space goes on
        point_at "$quiz" "${list_rest[@]}"
        press Down
        press Down
        press space
        ;;
    3) # a digit typed into the list also goes on
        point_at "$quiz" "${list_rest[@]}"
        press Down
        press 7
        ;;
    4) # choose with the pointer, go on with Enter on the keypad
        click_at "$quiz" "${list_first_item[@]}"
        press KP_Enter
        ;;
    esac
}

for ((number = 2; number <= 79; number++)); do
    answer "$number"
    if ((number % 20 == 0)); then
        assert_absent "$results_title" "the results window opened after answer $number of 80"
        stage "$number answers given"
    fi
    # Showing the verdicts so far is no step of the quiz.
    if ((number == 40)); then
        click_at "$quiz" "${answers_button[@]}"
    fi
done

# The program handles input in order, so once the help window has come and gone every
# answer before it has been handled: only then does the absence of results mean something.
open_and_close_usage_help button
assert_absent "$results_title" "the results window opened after answer 79 of 80"
stage "79 answers given, no results yet (help closed with its button in between)"

answer 80
results=$(wait_for_window "$results_title")
assert_size "$results" "the results window" 417 377
assert_centred "$results" "the results window"
[[ -n "$(visible_windows "$quiz_title")" ]] || fail "the quiz window went away with the results"
stage "after answer 80 the results window $results is shown, 417x377, centred"

# Steps past the end only add to the log. The Next button lies clear of the results window;
# after its click Enter reaches it too.
click_at "$quiz" "${next_button[@]}"
press Return
click_at "$quiz" "${next_button[@]}"

# --- 5. The history panel ---------------------------------------------------------------

geometry "$results"
left=$X
statistics=(367 358)
click_at "$results" "${statistics[@]}"
wait_for_width "$results" "the results window with its history" 643
((X == left)) || fail "the results window moved from x=$left to x=$X as its history slid out"
# The slide came after the extra steps, so they have been handled by now.
(($(visible_windows "$results_title" | wc -l) == 1)) ||
    fail "steps after the last answer opened another results window"
[[ -n "$(visible_windows "$quiz_title")" ]] || fail "steps after the last answer closed the quiz"
stage "history slid out: 643 wide, left edge kept at x=$left; steps past the end changed nothing"

click_at "$results" "${statistics[@]}"
wait_for_width "$results" "the results window without its history" 417
((X == left)) || fail "the results window moved from x=$left to x=$X as its history slid back"
stage "history slid back: 417 wide, left edge kept at x=$left"

# --- 6. Leaving: the exit cross brings the closing credits ------------------------------

click_at "$results" 404 12
wait_until_gone "$results_title"
wait_until_gone "$quiz_title"
credits=$(wait_for_window "$help_title")
assert_size "$credits" "the closing credits window" 400 469
assert_centred "$credits" "the closing credits window"
stage "exit cross closed both windows; closing credits shown"

# --- 7. Esc ends the program ------------------------------------------------------------

point_at "$credits" 200 200
press Escape

end=$((SECONDS + deadline_seconds))
while kill -0 "$pid" 2>/dev/null; do
    ((SECONDS < end)) || fail "the program still runs ${deadline_seconds}s after the credits were closed"
    sleep 0.05
done
status=0
wait "$pid" || status=$?
pid=
((status == 0)) || fail "the program exited with status $status"
stage "the program exited with status 0"
