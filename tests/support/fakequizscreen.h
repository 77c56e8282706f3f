// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A headless quiz window: stores every write and hands it back unchanged.
#pragma once

#include "quizscreen.h"

#include <QHash>
#include <QStringList>

#include <functional>

class FakeQuizScreen : public QuizScreen
{
public:
    FakeQuizScreen();

    QString caption(Label label) const override;
    void setCaption(Label label, const QString &text) override;
    QString questionText() const override;
    void setQuestionText(const QString &text) override;
    QString mainText() const override;
    void setMainText(const QString &text) override;
    int mainTextColor() const override;
    void setMainTextColor(int color) override;
    void clearAnswers() override;
    void appendAnswer(const QString &text) override;
    void setClockInterval(int milliseconds) override;
    void setVerdict(const QString &text) override;
    void showResults() override;

    // Raised inside a write that changes the minutes caption, as the real label does.
    std::function<void()> minutesChanged;
    // Raised by the first verdict write, where the real results window would load.
    std::function<void()> resultsLoaded;

    QStringList answers;
    int clockInterval = 0;
    QString verdict;
    int verdictWrites = 0;
    int resultsShown = 0;
    int minutesChanges = 0;

private:
    QHash<Label, QString> m_captions;
    QString m_questionText;
    QString m_mainText;
    int m_mainTextColor = QuizColor::Green;
};
