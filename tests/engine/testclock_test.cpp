// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz clock: seconds and minutes in their captions, time up at 30:00, the section blink.
#include "questionbank.h"
#include "quizharness.h"

#include <QTest>

using Label = QuizScreen::Label;

namespace {

const QString timeUpMessage = QStringLiteral("Можете дальше не стараться! ВРЕМЯ ВЫШЛО!!!");

void setClock(QuizHarness &h, const QString &minutes, const QString &seconds)
{
    h.screen.setCaption(Label::lblMin, minutes);
    h.screen.setCaption(Label::lblSec, seconds);
    h.quiz.state.TimeUp = false;
}

} // namespace

class TestClockTest : public QObject
{
    Q_OBJECT

private slots:
    // The clock waits for the first step however long the introduction is read.
    void onlyTheFirstStepStartsTheClock()
    {
        QuizHarness h;
        QCOMPARE(h.screen.clockInterval, 0);
        h.quiz.Advance();
        QCOMPARE(h.screen.clockInterval, 1000);
        QCOMPARE(h.caption(Label::lblMin), QStringLiteral("00"));
        QCOMPARE(h.caption(Label::lblSec), QStringLiteral("00"));
        h.tick();
        QCOMPARE(h.caption(Label::lblSec), QStringLiteral("01"));
        h.screen.clockInterval = 0;
        h.answerWrong();
        QCOMPARE(h.screen.clockInterval, 0);
    }

    void tickRollsSecondsIntoMinutes_data()
    {
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("nextMinutes");
        QTest::addColumn<QString>("nextSeconds");
        QTest::addRow("first tick") << "00"
                                    << "00"
                                    << "00"
                                    << "01";
        QTest::addRow("58 to 59") << "05"
                                  << "58"
                                  << "05"
                                  << "59";
        QTest::addRow("59 rolls over") << "05"
                                       << "59"
                                       << "06"
                                       << "00";
        QTest::addRow("nine to ten minutes") << "09"
                                             << "59"
                                             << "10"
                                             << "00";
        QTest::addRow("minutes past 99 take three digits") << "99"
                                                           << "59"
                                                           << "100"
                                                           << "00";
        QTest::addRow("and keep counting") << "100"
                                           << "59"
                                           << "101"
                                           << "00";
    }
    void tickRollsSecondsIntoMinutes()
    {
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, nextMinutes);
        QFETCH(QString, nextSeconds);
        QuizHarness h;
        setClock(h, minutes, seconds);
        h.tick();
        QCOMPARE(h.caption(Label::lblMin), nextMinutes);
        QCOMPARE(h.caption(Label::lblSec), nextSeconds);
        QVERIFY(!h.quiz.state.TimeUp);
    }

    // 1800 ticks make 30:00: the message appears once, inside the tick that reaches it.
    void timeIsUpOnceAtThirtyMinutes()
    {
        QuizHarness h;
        h.quiz.Advance();
        h.tick(30 * 60 - 1);
        QCOMPARE(h.caption(Label::lblMin), QStringLiteral("29"));
        QCOMPARE(h.caption(Label::lblSec), QStringLiteral("59"));
        QVERIFY(!h.quiz.state.TimeUp);
        QCOMPARE(h.screen.mainText(), QuestionBank::sectionText(1));

        h.tick();
        QCOMPARE(h.caption(Label::lblMin), QStringLiteral("30"));
        QCOMPARE(h.caption(Label::lblSec), QStringLiteral("00"));
        QVERIFY(h.quiz.state.TimeUp);
        QCOMPARE(h.screen.mainText(), timeUpMessage);

        // The quiz goes on; later minutes change nothing but their caption.
        h.answerWrong();
        QCOMPARE(h.screen.mainText(), QuestionBank::sectionText(1));
        h.tick(60 * 2);
        QCOMPARE(h.caption(Label::lblMin), QStringLiteral("32"));
        QCOMPARE(h.screen.mainText(), QuestionBank::sectionText(1));
        QVERIFY(h.quiz.state.TimeUp);
        QCOMPARE(h.screen.minutesChanges, 32);
    }

    // Only the first question of sections 2, 3 and 4 makes the message box blink.
    void blinkOnlyWhileASectionOpens_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("blinks");
        QTest::addRow("first question") << 1 << false;
        QTest::addRow("question 11") << 11 << false;
        QTest::addRow("question 12 opens section 2") << 12 << true;
        QTest::addRow("question 13") << 13 << false;
        QTest::addRow("question 21 opens section 3") << 21 << true;
        QTest::addRow("question 60") << 60 << false;
        QTest::addRow("question 61 opens section 4") << 61 << true;
        QTest::addRow("question 62") << 62 << false;
    }
    void blinkOnlyWhileASectionOpens()
    {
        QFETCH(int, step);
        QFETCH(bool, blinks);
        QuizHarness h;
        h.playTo(step - 1, true);
        QCOMPARE(h.quiz.state.C, qint16(step));
        QCOMPARE(h.screen.mainTextColor(), QuizColor::Green);

        h.tick();
        QCOMPARE(h.screen.mainTextColor(), blinks ? QuizColor::Red : QuizColor::Green);
        h.tick();
        QCOMPARE(h.screen.mainTextColor(), QuizColor::Green);
        h.tick();
        QCOMPARE(h.screen.mainTextColor(), blinks ? QuizColor::Red : QuizColor::Green);

        // The next step puts the colour back; only a new section's first question blinks on.
        h.answerRight();
        QCOMPARE(h.screen.mainTextColor(), QuizColor::Green);
        h.tick();
        const bool nextOpensSection = QuestionBank::sectionOpenedBy(step + 1) > 1;
        QCOMPARE(h.screen.mainTextColor(), nextOpensSection ? QuizColor::Red : QuizColor::Green);
    }

    // Whatever the box shows while a section opens blinks, the time-up message included.
    void timeUpMessageBlinksToo()
    {
        QuizHarness h;
        h.playTo(11, true);
        setClock(h, QStringLiteral("29"), QStringLiteral("59"));
        h.tick();
        QCOMPARE(h.screen.mainText(), timeUpMessage);
        QCOMPARE(h.screen.mainTextColor(), QuizColor::Red);
        h.tick();
        QCOMPARE(h.screen.mainText(), timeUpMessage);
        QCOMPARE(h.screen.mainTextColor(), QuizColor::Green);
    }
};

QTEST_GUILESS_MAIN(TestClockTest)
#include "testclock_test.moc"
