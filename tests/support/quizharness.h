// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A quiz played headless: the engine on the stand-in screen, loaded as the quiz window loads it.
// What the results window finds when the first verdict creates it is kept; its load itself is
// the real window's (tests/windows/resultswindow_test.cpp).
#pragma once

#include "fakequizscreen.h"
#include "quiz.h"

#include <functional>

class QuizHarness
{
public:
    QuizHarness();

    // A click on an option in the list.
    void select(const QString &answer) { quiz.state.Ans = answer; }
    // Selects the right, or a wrong, option of the question on screen, then steps.
    void answerRight();
    void answerWrong();
    // Plays from where the quiz stands (the introduction, or a question on screen) through
    // question `count`, answering question n right where right(n) says so, else wrong. 80
    // plays to the end and brings up the results.
    void playAnsweringRight(int count, const std::function<bool(int question)> &right);
    // The same with every answer right, or every answer wrong.
    void playTo(int count, bool right);
    void tick(int count = 1);

    QString caption(QuizScreen::Label label) const { return screen.caption(label); }

    FakeQuizScreen screen;
    Quiz quiz;
    // Hist and Verdicts as the results window found them when it loaded.
    QString histAtResultsLoad;
    QString verdictsAtResultsLoad;
};
