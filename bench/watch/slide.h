// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's history panel sliding out and back, as the screen shows it: how long
// each slide takes and how many of its pixel widths reach the screen.
#pragma once

#include "xserver.h"

#include <string>
#include <vector>

struct Slide
{
    int from = 0, to = 0;    // the window's width before and after, in pixels
    double milliseconds = 0; // the click's release to the last width's frame; 0 if it never came
    int widthsDrawn = 0;     // distinct new widths with a frame drawn at them
    int widthsExpected = 0;  // every pixel width the slide passes through
};

struct SlidePair
{
    Slide out;
    Slide back;
};

// Starts the quiz, plays its 80 questions with the keyboard as a player would, then clicks the
// statistics picture 2 × `pairs` times. Empty when the results window never came.
std::vector<SlidePair> measureSlides(XServer &server, const std::string &quizProgram, int pairs);
