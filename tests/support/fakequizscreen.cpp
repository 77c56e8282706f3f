// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakequizscreen.h"

FakeQuizScreen::FakeQuizScreen()
{
    // The designed captions of the five labels.
    for (Label label :
         {Label::lblBall, Label::lblNBall, Label::lblNAns, Label::lblMin, Label::lblSec})
        m_captions.insert(label, QStringLiteral("00"));
}

QString FakeQuizScreen::caption(Label label) const
{
    return m_captions.value(label);
}

void FakeQuizScreen::setCaption(Label label, const QString &text)
{
    const bool changed = m_captions.value(label) != text;
    m_captions.insert(label, text);
    if (changed && label == Label::lblMin) {
        ++minutesChanges;
        if (minutesChanged)
            minutesChanged();
    }
}

QString FakeQuizScreen::questionText() const
{
    return m_questionText;
}

void FakeQuizScreen::setQuestionText(const QString &text)
{
    m_questionText = text;
}

QString FakeQuizScreen::mainText() const
{
    return m_mainText;
}

void FakeQuizScreen::setMainText(const QString &text)
{
    m_mainText = text;
}

int FakeQuizScreen::mainTextColor() const
{
    return m_mainTextColor;
}

void FakeQuizScreen::setMainTextColor(int color)
{
    m_mainTextColor = color;
}

void FakeQuizScreen::clearAnswers()
{
    answers.clear();
}

void FakeQuizScreen::appendAnswer(const QString &text)
{
    answers.append(text);
}

void FakeQuizScreen::setClockInterval(int milliseconds)
{
    clockInterval = milliseconds;
}

void FakeQuizScreen::setVerdict(const QString &text)
{
    if (verdictWrites++ == 0 && resultsLoaded)
        resultsLoaded();
    verdict = text;
}

void FakeQuizScreen::showResults()
{
    ++resultsShown;
}
