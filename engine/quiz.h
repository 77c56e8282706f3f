// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// One quiz: its state, its step and its clock, wired to the screen that shows them.
#pragma once

#include "quizstate.h"
#include "sequencer.h"
#include "testclock.h"

class Quiz
{
public:
    explicit Quiz(QuizScreen &screen);

    // As the quiz window loads: no step taken yet, the first section current.
    void load();

    void Advance() { m_sequencer.Advance(); }
    void tmrMain_Timer() { m_clock.tmrMain_Timer(); }
    void lblMin_Change() { m_clock.lblMin_Change(); }

    QuizState state;
    Dt dt;

private:
    QuestionSequencer m_sequencer;
    TestClock m_clock;
};
