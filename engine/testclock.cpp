// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testclock.h"

#include "numbertext.h"
#include "questionbank.h"
#include "quizscreen.h"
#include "quizstate.h"

TestClock::TestClock(QuizState &quiz, QuizScreen &screen) : m_quiz(quiz), m_screen(screen) { }

void TestClock::tmrMain_Timer()
{
    // The captions are the clock's only storage; ticks are counted, not measured, so a late
    // tick is never made up.
    const qint64 seconds =
            qRound64(NumberText::toNumber(m_screen.caption(QuizScreen::Label::lblSec)));
    if (seconds < 59) {
        m_screen.setCaption(QuizScreen::Label::lblSec, NumberText::counter(seconds + 1));
    } else {
        m_screen.setCaption(QuizScreen::Label::lblSec, NumberText::counter(0));
        const qint64 minutes =
                qRound64(NumberText::toNumber(m_screen.caption(QuizScreen::Label::lblMin)));
        m_screen.setCaption(QuizScreen::Label::lblMin, NumberText::counter(minutes + 1));
    }

    // While the first question of a new section is on screen, the message box blinks. The step
    // counter equals the number of the question on screen; the first section opens with the
    // quiz and does not blink.
    if (QuestionBank::sectionOpenedBy(m_quiz.C) > 1) {
        const bool green = m_screen.mainTextColor() == QuizColor::Green;
        m_screen.setMainTextColor(green ? QuizColor::Red : QuizColor::Green);
    }
}

void TestClock::lblMin_Change()
{
    if (NumberText::toNumber(m_screen.caption(QuizScreen::Label::lblMin)) == 30) {
        m_screen.setMainText(QStringLiteral("Можете дальше не стараться! ВРЕМЯ ВЫШЛО!!!"));
        m_quiz.TimeUp = true;
    }
}
