// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The step that judges the answer on screen and puts the next question up.
#pragma once

#include <QString>

class QuizScreen;
struct Dt;
struct QuizState;

class QuestionSequencer
{
public:
    QuestionSequencer(QuizState &quiz, Dt &dt, QuizScreen &screen);

    // One step of the quiz: run by the Next button and by character keys in the answer list.
    void Advance();

private:
    void putQuestionOnScreen(int number);
    void evaluateAnswer(int number);
    void finish();
    QString finalSummary() const;
    QString verdictForScore() const;
    void closingSteps();

    QuizState &m_quiz;
    Dt &m_dt;
    QuizScreen &m_screen;
};
