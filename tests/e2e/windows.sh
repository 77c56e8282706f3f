#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The frameless windows on a desktop with a window manager, handled as a player does with real
# pointer input: the results window and the closing credits dragged by their backgrounds, slowly
# and in one fast sweep, must follow the pointer to the pixel; a double-click on a picture acts
# once, as one click does. When another client asks for another size, the quiz and the results
# window keep their designed sizes, whatever the window manager grants: the results window at
# rest, slid out and while it slides.
# Expects the desktop of tests/support/run-in-xvfb with --wm (openbox or icewm).
# Usage: windows.sh path/to/ashfever path/to/layoutfacts
set -euo pipefail

name=windows
source "$(dirname "$0")/../support/xprogram.sh"
app=${1:?usage: windows.sh path/to/ashfever path/to/layoutfacts}
load_layout "${2:?usage: windows.sh path/to/ashfever path/to/layoutfacts}"

# A background spot clear of the controls, in both windows: left of the help text, below the
# verdict.
readonly grip=($((help_txthelp[0] / 2)) $((results_lblMain[1] + results_lblMain[3] + 16)))
middle statistics results_Image1
middle exit_cross results_imgExit

# Drags a window by (200, 120) and back, slowly (ten moves 40 ms apart), then in fast sweeps
# of 40 moves one to three milliseconds apart, which the window manager confirms late, out of
# step with the program. Each time the window must stand where the pointer took it.
drag_there_and_back() {
    local window=$1 what=$2 left top pause
    geometry "$window"
    left=$X
    top=$Y
    drag "$window" "${grip[@]}" 200 120 10 0.04
    wait_for_position "$window" "$what after a slow drag by 200,120" $((left + 200)) $((top + 120))
    drag "$window" "${grip[@]}" -200 -120 10 0.04
    wait_for_position "$window" "$what after a slow drag back" "$left" "$top"
    for pause in 0.001 0.002 0.003; do
        drag "$window" "${grip[@]}" 200 120 40 "$pause"
        wait_for_position "$window" "$what after a fast drag by 200,120 (moves ${pause}s apart)" \
            $((left + 200)) $((top + 120))
        drag "$window" "${grip[@]}" -200 -120 40 "$pause"
        wait_for_position "$window" "$what after a fast drag back (moves ${pause}s apart)" \
            "$left" "$top"
    done
    stage "$what followed slow and fast drags to the pixel"
}

start_program "$app"
quiz=$(wait_for_window "$quiz_title")
# The quiz is played after this on the window that was asked to grow.
ask_for_size "$quiz" 900 700
wait_for_size "$quiz" "the quiz window after a request for 900x700" "${quiz_client[@]}"
stage "the quiz window kept its designed 639x479 when another client asked for 900x700"
# The answer list has the focus: Enter leaves the introduction, Down chooses an option, which
# stays the answer for each of the 80 steps that bring the results.
press Return Down
x key --delay 5 --repeat 80 Return || fail "cannot press Enter"
results=$(wait_for_window "$results_title")
stage "results window $results shown after 80 answers"

# The drag after the double-click comes to an end only once the clicks have been handled.
double_click_at "$results" "${statistics[@]}"
drag_there_and_back "$results" "the results window"
assert_size "$results" "the results window after a double-click on «статистика»" \
    "${results_wide[@]}"
stage "a double-click on «статистика» slid the history out once"

ask_for_size "$results" 900 700
wait_for_size "$results" "the slid-out results window after a request for 900x700" "${results_wide[@]}"
# A request that comes with the click that slides the history back in, while the slide runs.
# The window manager answers the request after it only once it has handled this one.
point_at "$results" "${statistics[@]}"
x click 1 windowsize "$results" 900 700 || fail "cannot click and ask for 900x700"
ask_for_size "$results" 900 700
wait_for_size "$results" "the results window without its history after requests for 900x700" \
    "${results_client[@]}"
stage "the results window kept its designed widths when another client asked for 900x700"

double_click_at "$results" "${exit_cross[@]}"
wait_until_gone "$results_title"
wait_until_gone "$quiz_title"
credits=$(wait_for_window "$help_title")
drag_there_and_back "$credits" "the closing credits"

middle help_text help_txthelp
point_at "$credits" "${help_text[@]}"
press Escape
expect_exit "the credits were closed"
stage "the program exited with status 0"
