#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays Ashfever from start to finish the way a player does: real pointer and keyboard input
# through the X server, under a window manager, with only what X itself shows (windows, their
# names and geometry) as evidence of progress. Expects the desktop of tests/support/run-in-xvfb
# with --wm. Usage: playthrough.sh path/to/ashfever path/to/layoutfacts
set -euo pipefail

name=playthrough
source "$(dirname "$0")/../support/xprogram.sh"
app=${1:?usage: playthrough.sh path/to/ashfever path/to/layoutfacts}
load_layout "${2:?usage: playthrough.sh path/to/ashfever path/to/layoutfacts}"

# --- 1. The quiz window -----------------------------------------------------------------

start_program "$app"

quiz=$(wait_for_window "$quiz_title")
assert_size "$quiz" "the quiz window" "${quiz_client[@]}"
assert_centred "$quiz" "the quiz window"
stage "quiz window $quiz shown at its size, centred"

# Places in the windows, in their client coordinates: the middles of controls, the top option
# of the answer list, and a spot of the list below its five options, where the pointer waits
# while keys go to the list.
middle next_button quiz_cmdOk
middle answers_button quiz_cmdCheck
middle help_button quiz_cmdHelp
middle list_rest quiz_lstAns
list_first_item=("${list_rest[0]}" $((quiz_lstAns[1] + 8)))
list_rest[1]=$((quiz_lstAns[1] + quiz_lstAns[3] - 8))
middle help_close help_Image1
middle help_text help_txthelp
middle statistics results_Image1
middle exit_cross results_imgExit

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
    assert_size "$help" "the help window" "${help_client[@]}"
    assert_centred "$help" "the help window"
    # The help is modal: the quiz ignores its Next button (clear of the help window) and keys
    # meanwhile. An answer slipping through here shows as a miscount at the end.
    click_at "$quiz" "${next_button[@]}"
    press Return
    if [[ "${1:-}" == button ]]; then
        click_at "$help" "${help_close[@]}"
    else
        # Esc goes to the help text, which holds the focus of the newly shown window.
        point_at "$help" "${help_text[@]}"
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
# typed into the list to go on. Keys go to the window with the focus, which the window manager
# gives to a window when it is clicked or first shown.
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
    3) # a digit typed into the list also goes on; keys that type no character do not, with
        # or without modifiers (a step among them shows as a miscount at the end)
        point_at "$quiz" "${list_rest[@]}"
        press Down
        press Delete shift+Delete ctrl+Delete KP_Delete alt+q alt+7 F5 Insert
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
assert_size "$results" "the results window" "${results_client[@]}"
assert_centred "$results" "the results window"
[[ -n "$(visible_windows "$quiz_title")" ]] || fail "the quiz window went away with the results"
stage "after answer 80 the results window $results is shown at its size, centred"

# Steps past the end only add to the log. The Next button lies clear of the results window;
# after its click Enter reaches it too.
click_at "$quiz" "${next_button[@]}"
press Return
click_at "$quiz" "${next_button[@]}"

# --- 5. The history panel ---------------------------------------------------------------

# The clicks on the quiz window brought it to the front, over the results: back to them, as a
# player does.
activate "$results"
geometry "$results"
left=$X
click_at "$results" "${statistics[@]}"
wait_for_width "$results" "the results window with its history" "${results_wide[0]}"
((X == left)) || fail "the results window moved from x=$left to x=$X as its history slid out"
# The slide came after the extra steps, so they have been handled by now.
(($(visible_windows "$results_title" | wc -l) == 1)) ||
    fail "steps after the last answer opened another results window"
[[ -n "$(visible_windows "$quiz_title")" ]] || fail "steps after the last answer closed the quiz"
stage "history slid out, left edge kept at x=$left; steps past the end changed nothing"

click_at "$results" "${statistics[@]}"
wait_for_width "$results" "the results window without its history" "${results_client[0]}"
((X == left)) || fail "the results window moved from x=$left to x=$X as its history slid back"
stage "history slid back, left edge kept at x=$left"

# --- 6. Leaving: the exit cross brings the closing credits ------------------------------

click_at "$results" "${exit_cross[@]}"
wait_until_gone "$results_title"
wait_until_gone "$quiz_title"
credits=$(wait_for_window "$help_title")
assert_size "$credits" "the closing credits window" "${help_client[@]}"
assert_centred "$credits" "the closing credits window"
stage "exit cross closed both windows; closing credits shown"

# --- 7. Esc ends the program ------------------------------------------------------------

point_at "$credits" "${help_text[@]}"
press Escape

expect_exit "the credits were closed"
stage "the program exited with status 0"
