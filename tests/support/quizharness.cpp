// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizharness.h"

#include "questionbank.h"

QuizHarness::QuizHarness() : quiz(screen)
{
    screen.minutesChanged = [this] { quiz.lblMin_Change(); };
    screen.resultsLoaded = [this] {
        histAtResultsLoad = quiz.state.Hist;
        verdictsAtResultsLoad = quiz.dt.Verdicts;
    };
    quiz.load();
}

void QuizHarness::answerRight()
{
    select(QuestionBank::rightOption(quiz.state.C));
    quiz.Advance();
}

void QuizHarness::answerWrong()
{
    const QString right = QuestionBank::rightOption(quiz.state.C);
    for (const QString &option : QuestionBank::options(quiz.state.C)) {
        if (option != right) {
            select(option);
            break;
        }
    }
    quiz.Advance();
}

void QuizHarness::playAnsweringRight(int count, const std::function<bool(int question)> &right)
{
    if (quiz.state.C == 0)
        quiz.Advance();
    while (quiz.state.C >= 1 && quiz.state.C <= count) {
        if (right(quiz.state.C))
            answerRight();
        else
            answerWrong();
    }
}

void QuizHarness::playTo(int count, bool right)
{
    playAnsweringRight(count, [right](int) { return right; });
}

void QuizHarness::tick(int count)
{
    for (int i = 0; i < count; ++i)
        quiz.tmrMain_Timer();
}
