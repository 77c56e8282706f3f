// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz.h"

#include "questionbank.h"

Quiz::Quiz(QuizScreen &screen) : m_sequencer(state, dt, screen), m_clock(state, screen) { }

void Quiz::load()
{
    state.C = 0;
    dt.Section = QuestionBank::sectionText(1);
}
