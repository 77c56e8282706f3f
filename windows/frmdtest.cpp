// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmdtest.h"

#include "captionlabel.h"
#include "characterkey.h"
#include "commandbutton.h"
#include "credits.h"
#include "formtimer.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "listbox.h"
#include "textbox.h"

FormRef<FrmDTEST> frmDTEST;

namespace {

// Colours as the engine keeps them: red in bits 0-7, green in 8-15, blue in 16-23.
QColor toQColor(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int fromQColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

} // namespace

FrmDTEST::FrmDTEST() : m_quiz(*this)
{
    connect(cmdOk, &QPushButton::clicked, this, [this] { m_quiz.Advance(); });
    connect(cmdCheck, &QPushButton::clicked, this, &FrmDTEST::cmdCheck_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &FrmDTEST::cmdHelp_Click);
    connect(lstAns, &ListBox::selectionMoved, this, &FrmDTEST::lstAns_Click);
    connect(lstAns, &ListBox::keyPressed, this, &FrmDTEST::lstAns_KeyPress);
    connect(txtMain, &TextBox::keyPressed, this, &FrmDTEST::txtBox_KeyPress);
    connect(txtQuest, &TextBox::keyPressed, this, &FrmDTEST::txtBox_KeyPress);
    connect(tmrMain, &FormTimer::ticked, this, [this] { m_quiz.tmrMain_Timer(); });
    connect(lblMin, &CaptionLabel::captionChanged, this, [this] { m_quiz.lblMin_Change(); });
    Form_Load();
}

QString FrmDTEST::introductionText()
{
    return QStringLiteral("       Вашему вниманию предлагается тест, который покажет на сколько "
                          "тонко вы знакомы с Миром Dustmoor!\r\nАвтор:") +
            Credits::author() +
            QStringLiteral("\r\nНажмите на кнопку далее чтобы приступить к 30-и минутному "
                           "тестированию! Удачи!");
}

void FrmDTEST::Form_Load()
{
    m_quiz.load();
    txtMain->setText(introductionText());
    lstAns->clear();
}

void FrmDTEST::lstAns_Click()
{
    m_quiz.state.Ans = lstAns->selectedText();
}

void FrmDTEST::lstAns_KeyPress(int characterCode)
{
    if (characterCode == CharacterKey::Escape)
        escapeSequence();
    else
        m_quiz.Advance();
}

void FrmDTEST::txtBox_KeyPress(int characterCode)
{
    if (characterCode == CharacterKey::Escape)
        escapeSequence();
}

void FrmDTEST::cmdCheck_Click()
{
    txtMain->setText(m_quiz.dt.Verdicts);
}

void FrmDTEST::cmdHelp_Click()
{
    frmHelp->txthelp->setText(FrmHelp::usageHelpText());
    frmHelp->showModal();
}

void FrmDTEST::escapeSequence()
{
    frmFin.close();
    frmDTEST.release();
    frmFin.release();
    // With the results window open, its closing has closed this window already.
    closeForm();
    showClosingCredits();
}

void FrmDTEST::Form_Unload()
{
    // The results window's own closing asks to close this window again; that request finds
    // this one closing and does nothing.
    frmFin.close();
    frmDTEST.release();
    frmFin.release();
    showClosingCredits();
}

void FrmDTEST::showClosingCredits()
{
    frmHelp->txthelp->setText(FrmHelp::closingCreditsText());
    frmHelp->showModeless();
}

CaptionLabel *FrmDTEST::label(Label which) const
{
    switch (which) {
    case Label::lblBall:
        return lblBall;
    case Label::lblNBall:
        return lblNBall;
    case Label::lblNAns:
        return lblNAns;
    case Label::lblMin:
        return lblMin;
    case Label::lblSec:
        return lblSec;
    }
    Q_UNREACHABLE();
}

QString FrmDTEST::caption(Label which) const
{
    return label(which)->caption();
}

void FrmDTEST::setCaption(Label which, const QString &text)
{
    label(which)->setCaption(text);
}

QString FrmDTEST::questionText() const
{
    return txtQuest->text();
}

void FrmDTEST::setQuestionText(const QString &text)
{
    txtQuest->setText(text);
}

QString FrmDTEST::mainText() const
{
    return txtMain->text();
}

void FrmDTEST::setMainText(const QString &text)
{
    txtMain->setText(text);
}

int FrmDTEST::mainTextColor() const
{
    return fromQColor(txtMain->foreColor());
}

void FrmDTEST::setMainTextColor(int color)
{
    txtMain->setForeColor(toQColor(color));
}

void FrmDTEST::clearAnswers()
{
    lstAns->clear();
}

void FrmDTEST::appendAnswer(const QString &text)
{
    lstAns->addItem(text);
}

void FrmDTEST::setClockInterval(int milliseconds)
{
    tmrMain->setIntervalMs(milliseconds);
}

void FrmDTEST::setVerdict(const QString &text)
{
    frmFin->lblMain->setCaption(text);
}

void FrmDTEST::showResults()
{
    frmFin->show();
}
