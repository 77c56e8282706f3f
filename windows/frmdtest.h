// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz window: plays the quiz on its controls and leads to the results and the credits.
#pragma once

#include "form.h"
#include "formref.h"
#include "frmdtestdesign.h"
#include "quiz.h"
#include "quizscreen.h"

class FrmDTEST : public Form<FrmDtestDesign>, public QuizScreen
{
    Q_OBJECT

public:
    FrmDTEST();

    // The quiz state the window keeps (C, Ans, TimeUp, Right, Hist) and the log (Dt).
    Quiz &quiz() { return m_quiz; }

    static QString introductionText();

    // What the engine reads and writes of the controls.
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

protected:
    void Form_Unload() override;

private:
    void Form_Load();
    void lstAns_Click();
    void lstAns_KeyPress(int characterCode);
    void txtBox_KeyPress(int characterCode);
    void cmdCheck_Click();
    void cmdHelp_Click();
    void escapeSequence();
    void showClosingCredits();
    CaptionLabel *label(Label label) const;

    Quiz m_quiz;
};

extern FormRef<FrmDTEST> frmDTEST;
