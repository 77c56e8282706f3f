// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz window's handlers, driven through real Qt events on the real widgets.
#include "captionlabel.h"
#include "commandbutton.h"
#include "formfont.h"
#include "formtimer.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "listbox.h"
#include "programstate.h"
#include "questionbank.h"
#include "textbox.h"

#include <QTest>

using namespace ProgramState;

class QuizWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }
    void init() { start(); }
    void cleanup() { reset(); }

    void loadShowsTheIntroductionWithTheClockStopped()
    {
        FrmDTEST *quiz = frmDTEST.get();
        QCOMPARE(quiz->txtMain->text(),
                 QStringLiteral("       Вашему вниманию предлагается тест, который покажет на "
                                "сколько тонко вы знакомы с Миром Dustmoor!\r\nАвтор:команда "
                                "Ashfever (ashfever-team)\r\nНажмите на кнопку далее чтобы "
                                "приступить к 30-и минутному тестированию! Удачи!"));
        QCOMPARE(quiz->lstAns->count(), 0);
        QCOMPARE(quiz->quiz().state.C, qint16(0));
        QCOMPARE(quiz->quiz().dt.Section, QuestionBank::sectionText(1));
        QVERIFY(!quiz->tmrMain->isActive());
        QVERIFY(frmFin.isEmpty());
        QVERIFY(frmHelp.isEmpty());
    }

    void nextButtonStartsTheQuiz()
    {
        FrmDTEST *quiz = frmDTEST.get();
        QTest::mouseClick(quiz->cmdOk, Qt::LeftButton);
        QCOMPARE(quiz->quiz().state.C, qint16(1));
        QCOMPARE(quiz->txtQuest->text(), QuestionBank::questionText(1));
        QCOMPARE(quiz->txtMain->text(), QuestionBank::sectionText(1));
        QCOMPARE(quiz->lstAns->count(), 5);
        QCOMPARE(quiz->lblBall->caption(), QStringLiteral("0,4"));
        QVERIFY(quiz->tmrMain->isActive());
        QCOMPARE(quiz->tmrMain->interval(), 1000);
        QCOMPARE(quiz->tmrMain->timerType(), Qt::PreciseTimer);
    }

    // A click, or an arrow key, selects; only the selection's text is the answer.
    void selectingAnOptionSetsTheAnswer()
    {
        FrmDTEST *quiz = frmDTEST.get();
        quiz->cmdOk->click();
        const QRect third = quiz->lstAns->visualItemRect(quiz->lstAns->item(2));
        QTest::mouseClick(quiz->lstAns->viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(quiz->quiz().state.Ans, QuestionBank::options(1).at(2));
        QTest::keyClick(quiz->lstAns, Qt::Key_Down);
        QCOMPARE(quiz->quiz().state.Ans, QuestionBank::options(1).at(3));
        QTest::keyClick(quiz->lstAns, Qt::Key_Up);
        QCOMPARE(quiz->quiz().state.Ans, QuestionBank::options(1).at(2));
        QCOMPARE(quiz->quiz().state.C, qint16(1));
    }

    // Only a key that types a character steps, decided from what the keyboard types: the text
    // given here is what Qt attaches on X11, control characters included.
    void characterKeysInTheListStep_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("steps");
        const Qt::KeyboardModifiers none;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers alt = Qt::AltModifier;
        const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
        QTest::addRow("Enter") << int(Qt::Key_Return) << none << "\r" << true;
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << keypad << "\r" << true;
        QTest::addRow("Shift+Enter") << int(Qt::Key_Return) << shift << "\r" << true;
        QTest::addRow("Space") << int(Qt::Key_Space) << none << " " << true;
        QTest::addRow("Latin letter") << int(Qt::Key_Q) << none << "q" << true;
        QTest::addRow("capital letter") << int(Qt::Key_Q) << shift << "Q" << true;
        QTest::addRow("Cyrillic letter") << int(Qt::Key_unknown) << none << "й" << true;
        QTest::addRow("digit") << int(Qt::Key_7) << none << "7" << true;
        QTest::addRow("keypad digit") << int(Qt::Key_7) << keypad << "7" << true;
        QTest::addRow("punctuation") << int(Qt::Key_Comma) << none << "," << true;
        QTest::addRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << true;
        QTest::addRow("Ctrl+letter") << int(Qt::Key_A) << ctrl << "\x01" << true;
        QTest::addRow("Ctrl+Shift+letter") << int(Qt::Key_Z) << (ctrl | shift) << "\x1a" << true;
        QTest::addRow("arrow") << int(Qt::Key_Down) << none << "" << false;
        QTest::addRow("Page Down") << int(Qt::Key_PageDown) << none << "" << false;
        QTest::addRow("Home") << int(Qt::Key_Home) << none << "" << false;
        QTest::addRow("Insert") << int(Qt::Key_Insert) << none << "" << false;
        QTest::addRow("function key") << int(Qt::Key_F2) << none << "" << false;
        QTest::addRow("Shift alone") << int(Qt::Key_Shift) << shift << "" << false;
        QTest::addRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << false;
        QTest::addRow("Shift+Delete") << int(Qt::Key_Delete) << shift << "\x7f" << false;
        QTest::addRow("Ctrl+Delete") << int(Qt::Key_Delete) << ctrl << "\x7f" << false;
        QTest::addRow("keypad Delete") << int(Qt::Key_Delete) << keypad << "\x7f" << false;
        QTest::addRow("Alt+letter") << int(Qt::Key_Q) << alt << "q" << false;
        QTest::addRow("Alt+digit") << int(Qt::Key_7) << alt << "7" << false;
        QTest::addRow("Alt+Enter") << int(Qt::Key_Return) << alt << "\r" << false;
        const Qt::KeyboardModifiers logo = Qt::MetaModifier;
        QTest::addRow("logo key+letter") << int(Qt::Key_E) << logo << "e" << false;
        // X makes Esc of Ctrl+3 and DEL of Ctrl+8; the keyboard types nothing there.
        QTest::addRow("Ctrl+digit") << int(Qt::Key_3) << ctrl << "\x1b" << false;
        QTest::addRow("Ctrl+8") << int(Qt::Key_8) << ctrl << "\x7f" << false;
        QTest::addRow("Ctrl+arrow") << int(Qt::Key_Down) << ctrl << "" << false;
    }
    void characterKeysInTheListStep()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, steps);
        FrmDTEST *quiz = frmDTEST.get();
        quiz->cmdOk->click();
        quiz->lstAns->setCurrentRow(QuestionBank::question(1).right - 1);
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(quiz->lstAns, &press);
        QCOMPARE(quiz->quiz().state.C, qint16(steps ? 2 : 1));
        QCOMPARE(quiz->lblNBall->caption(), QString::fromLatin1(steps ? "0,4" : "00"));
        QVERIFY(quiz->isVisible());
    }

    // The read-only boxes take no step from a key; only Esc there means something.
    void keysInTheTextBoxesRunNoStep_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addRow("message box") << "txtMain";
        QTest::addRow("question box") << "txtQuest";
    }
    void keysInTheTextBoxesRunNoStep()
    {
        QFETCH(QString, box);
        FrmDTEST *quiz = frmDTEST.get();
        quiz->cmdOk->click();
        auto *target = quiz->findChild<TextBox *>(box);
        const QString before = target->text();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_A, Qt::Key_1, Qt::Key_Backspace})
            QTest::keyClick(target, key);
        QCOMPARE(quiz->quiz().state.C, qint16(1));
        QCOMPARE(target->text(), before);
        QVERIFY(quiz->isVisible());
    }

    // Esc on a focused button does nothing; the buttons are no cancel buttons.
    void escapeOnAButtonDoesNothing()
    {
        FrmDTEST *quiz = frmDTEST.get();
        for (QPushButton *button :
             {static_cast<QPushButton *>(quiz->cmdOk), static_cast<QPushButton *>(quiz->cmdCheck),
              static_cast<QPushButton *>(quiz->cmdHelp)})
            QTest::keyClick(button, Qt::Key_Escape);
        settle();
        QVERIFY(!frmDTEST.isEmpty());
        QVERIFY(quiz->isVisible());
        QVERIFY(frmHelp.isEmpty());
        QCOMPARE(quiz->quiz().state.C, qint16(0));
    }

    void answersButtonShowsTheLogUntilTheNextStep()
    {
        FrmDTEST *quiz = frmDTEST.get();
        QTest::mouseClick(quiz->cmdCheck, Qt::LeftButton);
        QCOMPARE(quiz->txtMain->text(), QString());

        answer(2);
        QTest::mouseClick(quiz->cmdCheck, Qt::LeftButton);
        QCOMPARE(quiz->txtMain->text(), quiz->quiz().dt.Verdicts);
        QVERIFY(quiz->txtMain->text().startsWith(QStringLiteral(" 1. Вопрос:\r\n")));

        quiz->lstAns->setCurrentRow(0);
        QTest::mouseClick(quiz->cmdOk, Qt::LeftButton);
        QCOMPARE(quiz->txtMain->text(), QuestionBank::sectionText(1));
    }

    // The clock lives in the captions: ticks advance them, minute 30 declares the time up.
    void clockTicksThroughTheCaptions()
    {
        FrmDTEST *quiz = frmDTEST.get();
        quiz->cmdOk->click();
        emit quiz->tmrMain->ticked();
        QCOMPARE(quiz->lblSec->caption(), QStringLiteral("01"));
        quiz->lblSec->setCaption(QStringLiteral("59"));
        quiz->lblMin->setCaption(QStringLiteral("29"));
        emit quiz->tmrMain->ticked();
        QCOMPARE(quiz->lblMin->caption(), QStringLiteral("30"));
        QCOMPARE(quiz->lblSec->caption(), QStringLiteral("00"));
        QCOMPARE(quiz->txtMain->text(),
                 QStringLiteral("Можете дальше не стараться! ВРЕМЯ ВЫШЛО!!!"));
        QVERIFY(quiz->quiz().state.TimeUp);
    }

    // The first question of a new section blinks red and green, tick by tick.
    void sectionTextBlinksInTheBox()
    {
        FrmDTEST *quiz = frmDTEST.get();
        answer(11);
        QCOMPARE(quiz->quiz().state.C, qint16(12));
        QCOMPARE(quiz->txtMain->foreColor(), QColor(0, 255, 0));
        emit quiz->tmrMain->ticked();
        QCOMPARE(quiz->txtMain->foreColor(), QColor(255, 0, 0));
        emit quiz->tmrMain->ticked();
        QCOMPARE(quiz->txtMain->foreColor(), QColor(0, 255, 0));
    }

    // The usage help is modal: the quiz takes no input, the clock goes on.
    void helpButtonShowsUsageHelpModal()
    {
        FrmDTEST *quiz = frmDTEST.get();
        quiz->cmdOk->click();
        QTest::mouseClick(quiz->cmdHelp, Qt::LeftButton);
        QVERIFY(!frmHelp.isEmpty());
        FrmHelp *help = frmHelp.get();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY(help->isModal());
        QCOMPARE(help->txthelp->text(), FrmHelp::usageHelpText());
        QVERIFY(help->txthelp->text().contains(QStringLiteral("составлены командой Ashfever")));

        // Input through the window system is blocked.
        quiz->lstAns->setCurrentRow(0);
        const QPoint next = quiz->cmdOk->geometry().center();
        QTest::mouseClick(quiz->windowHandle(), Qt::LeftButton, {}, next);
        QCOMPARE(quiz->quiz().state.C, qint16(1));
        QVERIFY(quiz->tmrMain->isActive());

        QTest::keyClick(help->txthelp, Qt::Key_Escape);
        settle();
        QVERIFY(frmHelp.isEmpty());
        quiz->lstAns->setCurrentRow(0);
        QTest::mouseClick(quiz->windowHandle(), Qt::LeftButton, {}, next);
        QCOMPARE(quiz->quiz().state.C, qint16(2));
    }

    // The 80th answer brings up the results window beside the quiz window, which stays usable.
    void lastAnswerOpensTheResultsWindow()
    {
        FrmDTEST *quiz = frmDTEST.get();
        answer(79);
        QVERIFY(frmFin.isEmpty());
        quiz->lstAns->setCurrentRow(QuestionBank::question(80).right - 1);
        QTest::keyClick(quiz->lstAns, Qt::Key_Return);
        QVERIFY(!frmFin.isEmpty());
        FrmFin *results = frmFin.get();
        QVERIFY(results->isVisible());
        QVERIFY(!results->isModal());
        QVERIFY(results->lblMain->caption().startsWith(QStringLiteral("Да...!")));
        QVERIFY(results->txtDbl->text().startsWith(QStringLiteral("Ваше время:00:00\r\n")));
        QCOMPARE(quiz->txtQuest->text(), QString());

        QTest::mouseClick(quiz->cmdOk, Qt::LeftButton);
        QCOMPARE(quiz->quiz().state.C, qint16(82));
        QCOMPARE(instances<FrmFin>(), 1);
    }
};

QTEST_MAIN(QuizWindowTest)
#include "quizwindow_test.moc"
