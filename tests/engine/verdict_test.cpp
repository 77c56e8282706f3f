// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The final step: summary, verdict bands, and the time-up verdict.
#include "questionbank.h"
#include "quizharness.h"

#include <QTest>

using Label = QuizScreen::Label;

namespace {

const QString topBand =
        QStringLiteral("О-о-о! Поздравляю, вы отличный знаток Dustmoor! И если вы дошли доселе без "
                       "какой-либо помощи, то вы фанат, батенька! Спасибо за внимание!");
const QString middleBand = QStringLiteral(
        "Ух...! Как хорошо иметь дело со знающими людьми! Вы знаете о мире Dustmoor не понаслышке! "
        "И даже возможно прошли его не раз! Хороший результат для обычного геймера, который любит "
        "играть в хитовые вещи, но к фанатам Dustmoor я бы вас не отнес!");
// Heading 81 is added by the final step after the results window has loaded.
const QString heading81 = QStringLiteral(" 81. Вопрос:\r\n\r\nВаш ответ: ");
const QString timeUpVerdict =
        QStringLiteral("Время отведенное вам на выполнение квеста, вышло!!! Попробуйте еще разок!");

QString lowestBand(int unanswered)
{
    return QStringLiteral("Да...! Не думал, что такие люди существуют! Может вы что-то перепутали, "
                          "нету кнопочку нажали, например?...Ну, а если вы читаете это не в "
                          "первые, то позвольте огорчить вас, вы не ответили всего на %1 вопросов "
                          "из 80. Вы абсолютно не знакомы с миром Dustmoor!")
            .arg(unanswered);
}

// Questions whose points add up to exactly `tenths`, found by subset sum over the bank.
QList<int> questionsWorth(int tenths)
{
    // reachedBy[s] is the question that first made the sum s reachable, 0 if none yet.
    QList<int> reachedBy(tenths + 1, 0);
    reachedBy[0] = -1;
    for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
        const int worth = QuestionBank::question(n).points.tenths;
        for (int sum = tenths; sum >= worth; --sum) {
            if (reachedBy[sum] == 0 && reachedBy[sum - worth] != 0 && reachedBy[sum - worth] != n)
                reachedBy[sum] = n;
        }
    }
    QList<int> chosen;
    for (int sum = tenths; sum > 0; sum -= QuestionBank::question(chosen.last()).points.tenths)
        chosen.append(reachedBy[sum]);
    return chosen;
}

} // namespace

class VerdictTest : public QObject
{
    Q_OBJECT

private slots:
    // Both band limits compare numbers: exactly 90 is the middle band, exactly 60 the lowest.
    void scoreChoosesTheBand_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<QString>("score");
        QTest::addColumn<bool>("lowest");
        QTest::addColumn<QString>("verdict");
        QTest::addRow("full score is top") << 1219 << "121,9" << false << topBand;
        QTest::addRow("90,1 is top") << 901 << "90,1" << false << topBand;
        QTest::addRow("exactly 90 is the middle band") << 900 << "90" << false << middleBand;
        QTest::addRow("60,1 is middle") << 601 << "60,1" << false << middleBand;
        QTest::addRow("exactly 60 is the lowest band") << 600 << "60" << true << QString();
        QTest::addRow("9,3 is lowest") << 93 << "9,3" << true << QString();
        QTest::addRow("nothing right is lowest") << 0 << "00" << true << QString();
    }
    void scoreChoosesTheBand()
    {
        QFETCH(int, tenths);
        QFETCH(QString, score);
        QFETCH(bool, lowest);
        QFETCH(QString, verdict);

        const QList<int> rightOnes = questionsWorth(tenths);
        QuizHarness h;
        h.playAnsweringRight(QuestionBank::QuestionCount,
                             [&](int n) { return rightOnes.contains(n); });

        QCOMPARE(h.caption(Label::lblNBall), score);
        QCOMPARE(h.quiz.state.Right, qint16(rightOnes.size()));
        // The count of unanswered questions follows "всего на " with no space of its own.
        QCOMPARE(h.screen.verdict, lowest ? lowestBand(80 - int(rightOnes.size())) : verdict);
        QCOMPARE(h.screen.verdictWrites, 1);
        QCOMPARE(h.screen.resultsShown, 1);
    }

    // The summary replaces the headings in Hist before the results window loads; the log then
    // holds every answer, and heading 81 follows the load.
    void summaryComesBeforeTheLog()
    {
        QuizHarness h;
        h.quiz.Advance();
        h.tick(75);
        h.playAnsweringRight(QuestionBank::QuestionCount, [](int n) { return n % 2 == 0; });

        const QString summary = QStringLiteral(
                "Ваше время:01:15\r\nПравильных ответов:40\r\n"
                " Поздравляю - с окончанием тестирования! И позвольте мне напомнить, что вы "
                "отвечали на вопрсы, посвященные бессмертному творению, Dustmoor! Всего было "
                "составлено 80 вопросов 3 уровней сложности:\r\n");
        QCOMPARE(h.histAtResultsLoad, summary);
        QCOMPARE(h.quiz.dt.Verdicts, h.verdictsAtResultsLoad + heading81);
        QCOMPARE(h.quiz.state.Hist, summary + heading81);
        // The final step clears the question and leaves the last points on show.
        QCOMPARE(h.screen.questionText(), QString());
        QCOMPARE(h.caption(Label::lblBall), QStringLiteral("3"));
    }

    // With the time up, the verdict is fixed whatever the score and Hist keeps its headings.
    void timeUpReplacesVerdictAndSummary()
    {
        QuizHarness h;
        h.quiz.Advance();
        h.tick(30 * 60);
        QVERIFY(h.quiz.state.TimeUp);
        h.playTo(80, true);

        QCOMPARE(h.caption(Label::lblNBall), QStringLiteral("121,9"));
        QCOMPARE(h.screen.verdict, timeUpVerdict);
        QString headings;
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n)
            headings += QStringLiteral(" %1. Вопрос:\r\n").arg(n) + QuestionBank::questionText(n) +
                    QStringLiteral("\r\nВаш ответ: ");
        QCOMPARE(h.histAtResultsLoad, headings);
        QCOMPARE(h.quiz.dt.Verdicts, h.verdictsAtResultsLoad + heading81);
        QCOMPARE(h.screen.resultsShown, 1);
    }

    // Just before 30:00 the verdict is still the score's.
    void lastSecondBeforeTheLimitStillCounts()
    {
        QuizHarness h;
        h.quiz.Advance();
        h.tick(30 * 60 - 1);
        h.playTo(80, true);
        QVERIFY(!h.quiz.state.TimeUp);
        QCOMPARE(h.screen.verdict, topBand);
        QVERIFY(h.histAtResultsLoad.startsWith(QStringLiteral("Ваше время:29:59\r\n")));
    }
};

QTEST_GUILESS_MAIN(VerdictTest)
#include "verdict_test.moc"
