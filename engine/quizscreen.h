// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the quiz engine sees of the quiz window and the results window.
#pragma once

#include <QString>

// Colours as the windows store them: red in bits 0-7, green in 8-15, blue in 16-23.
namespace QuizColor {
constexpr int Green = 0x00FF00;
constexpr int Red = 0x0000FF;
} // namespace QuizColor

// The controls that hold quiz state or show it. Every read returns exactly what was last
// written. The score, the counters and the clock live only in label captions.
class QuizScreen
{
public:
    enum class Label { lblBall, lblNBall, lblNAns, lblMin, lblSec };

    virtual ~QuizScreen() = default;

    virtual QString caption(Label label) const = 0;
    // Raises the label's change event (lblMin_Change for the minutes) before it returns,
    // when the caption actually changes.
    virtual void setCaption(Label label, const QString &text) = 0;

    virtual QString questionText() const = 0; // txtQuest
    virtual void setQuestionText(const QString &text) = 0;

    virtual QString mainText() const = 0; // txtMain
    virtual void setMainText(const QString &text) = 0;
    virtual int mainTextColor() const = 0;
    virtual void setMainTextColor(int color) = 0;

    virtual void clearAnswers() = 0; // lstAns
    virtual void appendAnswer(const QString &text) = 0;

    virtual void setClockInterval(int milliseconds) = 0; // tmrMain; 0 stops it

    // The results window's lblMain caption; the first write creates and loads that window.
    virtual void setVerdict(const QString &text) = 0;
    // Shows the results window modeless, beside the quiz window.
    virtual void showResults() = 0;
};
