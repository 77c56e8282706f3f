// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmdtestdesign.h"

#include "captionlabel.h"
#include "commandbutton.h"
#include "designcolors.h"
#include "formfont.h"
#include "formtimer.h"
#include "layout.h"
#include "listbox.h"
#include "namedcontrol.h"
#include "pictures.h"
#include "spokentext.h"
#include "textbox.h"

namespace {

namespace Designed = Layout::Quiz;
using Sizing = CaptionLabel::Sizing;

// What screen readers say for each control. The picture buttons go by the captions above them
// and the counters by the captions beside them, as a sighted player reads them.
void nameForScreenReaders(FrmDtestDesign &quiz)
{
    quiz.txtMain->setAccessibleName(QStringLiteral("Сообщения"));
    quiz.txtMain->setAccessibleDescription(
            QStringLiteral("Вступление, название раздела, журнал ответов или сообщение о времени"));
    quiz.lstAns->setAccessibleName(QStringLiteral("Варианты ответа"));
    quiz.lstAns->setAccessibleDescription(
            QStringLiteral("Выберите ответ стрелками; Enter — дальше, Esc — завершить тест"));
    quiz.cmdOk->setAccessibleName(quiz.Label1->caption());
    quiz.cmdOk->setAccessibleDescription(
            QStringLiteral("Засчитать выбранный ответ и перейти к следующему вопросу"));
    quiz.cmdCheck->setAccessibleName(quiz.Label2->caption());
    quiz.cmdCheck->setAccessibleDescription(
            QStringLiteral("Показать журнал ваших ответов в окне сообщений"));
    quiz.txtQuest->setAccessibleName(QStringLiteral("Вопрос"));
    quiz.cmdHelp->setAccessibleName(QStringLiteral("Справка"));
    quiz.cmdHelp->setAccessibleDescription(QStringLiteral("Как проходить тест"));

    quiz.lblNAns->setAccessibleName(quiz.Label6->caption());
    quiz.lblNAns->setAccessibleDescription(QStringLiteral("Сколько вопросов уже отвечено"));
    quiz.lblNBall->setAccessibleName(quiz.Label4->caption());
    quiz.lblNBall->setAccessibleDescription(QStringLiteral("Сумма баллов за верные ответы"));
    quiz.lblBall->setAccessibleName(quiz.Label7->caption());
    quiz.lblBall->setAccessibleDescription(QStringLiteral("Сколько баллов стоит этот вопрос"));

    // The clock is read in words from its minutes label. Its seconds change every second, far
    // too often to announce: a screen reader hears of the clock once a minute, when the minutes
    // label changes, and finds the exact time whenever it reads the label.
    quiz.lblMin->setAccessibleName(QStringLiteral("Время:"));
    quiz.lblMin->setSpokenValue([minutes = quiz.lblMin, seconds = quiz.lblSec] {
        return SpokenText::clock(minutes->caption(), seconds->caption());
    });
    quiz.lblMin->setAccessibleDescription(
            QStringLiteral("Сколько прошло с начала теста; на тест отведено 30 минут"));
    quiz.lblSec->setAccessibleName(QStringLiteral("Секунды:"));
    quiz.lblSec->setAnnouncesChanges(false);
}

} // namespace

FrmDtestDesign::FrmDtestDesign(QWidget *parent)
    : FormWindow(Frame::FixedDialog, Designed::client.width, Designed::client.height,
                 QStringLiteral("quiz-background.jpg"), parent),
      txtMain(named("txtMain",
                    new TextBox(Designed::txtMain.pixels(), TextBox::ScrollBar::None,
                                DesignColors::Green, this))),
      lstAns(named("lstAns", new ListBox(Designed::lstAns.pixels(), this))),
      cmdOk(named("cmdOk",
                  new PictureButton(Pictures::load(QStringLiteral("button-lamp.png")),
                                    Designed::cmdOk.pixels(), this))),
      cmdCheck(named("cmdCheck",
                     new PictureButton(Pictures::load(QStringLiteral("button-lamp.png")),
                                       Designed::cmdCheck.pixels(), this))),
      txtQuest(named("txtQuest",
                     new TextBox(Designed::txtQuest.pixels(), TextBox::ScrollBar::Vertical,
                                 DesignColors::Green, this))),
      cmdHelp(named("cmdHelp",
                    new CommandButton(QStringLiteral("HELP!"), Designed::cmdHelp.pixels(), this))),
      Label1(named("Label1",
                   new CaptionLabel(QStringLiteral("Дальше"), Designed::Label1.pixels(),
                                    Sizing::Fixed, this))),
      Label2(named("Label2",
                   new CaptionLabel(QStringLiteral("Ответы"), Designed::Label2.pixels(),
                                    Sizing::Fixed, this))),
      lblMin(named("lblMin",
                   new CaptionLabel(QStringLiteral("00"), Designed::lblMin.pixels(), Sizing::Fixed,
                                    this))),
      Label5(named("Label5",
                   new CaptionLabel(QStringLiteral(":"), Designed::Label5.pixels(), Sizing::Fixed,
                                    this))),
      lblSec(named("lblSec",
                   new CaptionLabel(QStringLiteral("00"), Designed::lblSec.pixels(), Sizing::Fixed,
                                    this))),
      Label6(named("Label6",
                   new CaptionLabel(QStringLiteral("Отвечено:"), Designed::Label6.pixels(),
                                    Sizing::ToCaption, this))),
      lblNAns(named("lblNAns",
                    new CaptionLabel(QStringLiteral("00"), Designed::lblNAns.pixels(),
                                     Sizing::ToCaption, this))),
      Label4(named("Label4",
                   new CaptionLabel(QStringLiteral("Баллов:"), Designed::Label4.pixels(),
                                    Sizing::ToCaption, this))),
      lblNBall(named("lblNBall",
                     new CaptionLabel(QStringLiteral("00"), Designed::lblNBall.pixels(),
                                      Sizing::ToCaption, this))),
      Label7(named("Label7",
                   new CaptionLabel(QStringLiteral("Стоимость:"), Designed::Label7.pixels(),
                                    Sizing::ToCaption, this))),
      lblBall(named("lblBall",
                    new CaptionLabel(QStringLiteral("00"), Designed::lblBall.pixels(),
                                     Sizing::ToCaption, this))),
      tmrMain(named("tmrMain", new FormTimer(0, this)))
{
    setObjectName(QStringLiteral("frmDTEST"));
    setWindowTitle(QStringLiteral("Тест: \"Ashfever\""));
    setWindowIcon(Pictures::windowIcon());

    txtMain->setFont(FormFont::bold());
    // The message box is reached by a click; the list has the focus when the window opens.
    txtMain->setFocusPolicy(Qt::ClickFocus);
    setTabOrder(lstAns, cmdOk);
    setTabOrder(cmdOk, cmdCheck);
    setTabOrder(cmdCheck, txtQuest);
    setTabOrder(txtQuest, cmdHelp);
    lstAns->setFocus();

    // The arrowhead shows over the background, the labels and the message box; the other
    // controls keep the standard cursors.
    const QCursor arrowhead = Pictures::arrowCursor();
    setCursor(arrowhead);
    txtMain->viewport()->setCursor(arrowhead);
    txtQuest->setCursor(Qt::ArrowCursor);
    txtQuest->viewport()->setCursor(Qt::IBeamCursor);
    for (QWidget *standard : {static_cast<QWidget *>(lstAns), static_cast<QWidget *>(cmdOk),
                              static_cast<QWidget *>(cmdCheck), static_cast<QWidget *>(cmdHelp)})
        standard->setCursor(Qt::ArrowCursor);

    nameForScreenReaders(*this);
}
