// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The elapsed-time clock of the quiz: a tick handler and the minutes label's change handler.
#pragma once

class QuizScreen;
struct QuizState;

class TestClock
{
public:
    TestClock(QuizState &quiz, QuizScreen &screen);

    // One tick of tmrMain: advances the seconds and minutes captions and blinks the section text.
    void tmrMain_Timer();
    // Raised inside every change of the minutes caption: declares the time up at minute 30.
    void lblMin_Change();

private:
    QuizState &m_quiz;
    QuizScreen &m_screen;
};
