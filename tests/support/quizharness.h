// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A quiz played headless: the engine on the stand-in screen, loaded as the quiz window loads it,
// with the results window's load step where the real window would run it.
#pragma once

#include "fakequizscreen.h"
#include "quiz.h"

class QuizHarness
{
public:
    QuizHarness();

    // A click on an option in the list.
    void select(const QString &answer) { quiz.state.Ans = answer; }
    // Selects the right, or a wrong, option of the question on screen, then steps.
    void answerRight();
    void answerWrong();
    // Plays from the introduction through question `count`, every answer right or every wrong.
    void playTo(int count, bool right);
    void tick(int count = 1);

    QString caption(QuizScreen::Label label) const { return screen.caption(label); }

    FakeQuizScreen screen;
    Quiz quiz;
    // What the results window's history box shows once it has loaded.
    QString resultsHistory;
    // Hist as the results window found it when it loaded.
    QString histAtResultsLoad;
};
