// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// One step of the quiz: judging the answer on screen, scoring it, logging it, and the next
// question.
#include "questionbank.h"
#include "quizharness.h"

#include <QTest>

using Label = QuizScreen::Label;

namespace {

const QString crlf = QStringLiteral("\r\n");

QString heading(int number, const QString &question)
{
    return QStringLiteral(" %1. Вопрос:").arg(number) + crlf + question + crlf +
            QStringLiteral("Ваш ответ: ");
}

QString heading(int number)
{
    return heading(number, QuestionBank::questionText(number));
}

QString wrongOption(int number)
{
    const QStringList options = QuestionBank::options(number);
    return options.at(QuestionBank::question(number).right % 5);
}

} // namespace

class SequencerTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStepStartsTheClockAndShowsQuestion1()
    {
        QuizHarness h;
        h.screen.setMainText(QStringLiteral("introduction"));
        QCOMPARE(h.screen.clockInterval, 0);

        h.quiz.Advance();

        QCOMPARE(h.quiz.state.C, qint16(1));
        QCOMPARE(h.screen.clockInterval, 1000);
        QCOMPARE(h.caption(Label::lblBall), QStringLiteral("0,4"));
        QCOMPARE(h.screen.questionText(), QuestionBank::questionText(1));
        QCOMPARE(h.screen.answers, QuestionBank::options(1));
        // The introduction gives way to the first section's text.
        QCOMPARE(h.screen.mainText(), QuestionBank::sectionText(1));
        QCOMPARE(h.screen.mainTextColor(), QuizColor::Green);
        // Nothing has been answered yet.
        QCOMPARE(h.caption(Label::lblNAns), QStringLiteral("00"));
        QCOMPARE(h.caption(Label::lblNBall), QStringLiteral("00"));
        QCOMPARE(h.quiz.dt.Verdicts, heading(1));
        QCOMPARE(h.quiz.state.Hist, heading(1));
    }

    // Verdicts carries answers and verdicts; Hist the headings only, run on after "Ваш ответ: ".
    void logsReadLineByLine()
    {
        QuizHarness h;
        h.quiz.Advance();
        h.answerRight();
        h.select(wrongOption(2));
        h.quiz.Advance();

        const QString expectedVerdicts = heading(1) + QuestionBank::rightOption(1) + crlf +
                QStringLiteral("Правильно(0,4)") + crlf + heading(2) + wrongOption(2) + crlf +
                QStringLiteral("Неправильно(0)") + crlf + heading(3);
        QCOMPARE(h.quiz.dt.Verdicts, expectedVerdicts);
        QCOMPARE(h.quiz.state.Hist, heading(1) + heading(2) + heading(3));
        QVERIFY(h.quiz.state.Hist.contains(QStringLiteral("Ваш ответ:  2. Вопрос:")));
    }

    void scoreCountsOnlyRightAnswers_data()
    {
        QTest::addColumn<QList<int>>("rightOnes");
        QTest::addColumn<int>("answered");
        QTest::addColumn<QString>("score");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("answeredCaption");
        QTest::addRow("wrong first answer keeps the designed 00")
                << QList<int>{} << 1 << "00" << 0 << "01";
        QTest::addRow("right first answer") << QList<int>{1} << 1 << "0,4" << 1 << "01";
        QTest::addRow("first two right add up without a long fraction")
                << QList<int>{1, 2} << 2 << "1,1" << 2 << "02";
        QTest::addRow("0,1 + 0,2 shows 0,3") << QList<int>{9, 10} << 10 << "0,3" << 2 << "10";
        QTest::addRow("wrong answers still count as answered")
                << QList<int>{3} << 7 << "0,3" << 1 << "07";
        QList<int> everyQuestion;
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n)
            everyQuestion.append(n);
        QTest::addRow("all eighty right") << everyQuestion << 80 << "121,9" << 80 << "80";
    }
    void scoreCountsOnlyRightAnswers()
    {
        QFETCH(QList<int>, rightOnes);
        QFETCH(int, answered);
        QFETCH(QString, score);
        QFETCH(int, right);
        QFETCH(QString, answeredCaption);

        QuizHarness h;
        h.playAnsweringRight(answered, [&](int n) { return rightOnes.contains(n); });
        QCOMPARE(h.caption(Label::lblNBall), score);
        QCOMPARE(h.quiz.state.Right, qint16(right));
        QCOMPARE(h.caption(Label::lblNAns), answeredCaption);
    }

    void verdictNamesThePointsText_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("verdict");
        QTest::addRow("tenths") << 9 << "Правильно(0,1)";
        QTest::addRow("whole point") << 8 << "Правильно(1)";
        QTest::addRow("two and eight tenths") << 62 << "Правильно(2,8)";
    }
    void verdictNamesThePointsText()
    {
        QFETCH(int, number);
        QFETCH(QString, verdict);
        QuizHarness h;
        h.playTo(number - 1, false);
        h.answerRight();
        QVERIFY(h.quiz.dt.Verdicts.endsWith(QuestionBank::rightOption(number) + crlf + verdict +
                                            crlf + heading(number + 1)));
    }

    // The answer must equal the right option exactly: case and spaces count.
    void nearMissesAreWrong_data()
    {
        QTest::addColumn<QString>("answer");
        const QString right = QuestionBank::rightOption(1);
        QTest::addRow("upper case") << right.toUpper();
        QTest::addRow("trailing space") << right + u' ';
        QTest::addRow("leading space") << u' ' + right;
        QTest::addRow("empty-looking space") << QStringLiteral(" ");
    }
    void nearMissesAreWrong()
    {
        QFETCH(QString, answer);
        QuizHarness h;
        h.quiz.Advance();
        h.select(answer);
        h.quiz.Advance();
        QCOMPARE(h.caption(Label::lblNBall), QStringLiteral("00"));
        QCOMPARE(h.quiz.state.Right, qint16(0));
        QVERIFY(h.quiz.dt.Verdicts.contains(answer + crlf + QStringLiteral("Неправильно(0)")));
    }

    // Next without a new click submits the previous selection again, against the new question.
    void nextWithoutNewClickResubmitsThePreviousAnswer()
    {
        QuizHarness h;
        h.quiz.Advance();
        h.answerRight();
        const QString previous = h.quiz.state.Ans;
        h.quiz.Advance();
        QCOMPARE(h.quiz.state.C, qint16(3));
        QCOMPARE(h.caption(Label::lblNAns), QStringLiteral("02"));
        const bool rightAgain = previous == QuestionBank::rightOption(2);
        QCOMPARE(h.quiz.state.Right, qint16(rightAgain ? 2 : 1));
        QVERIFY(h.quiz.dt.Verdicts.contains(heading(2) + previous + crlf));
    }

    void newSectionShowsInTheSameStep_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("section");
        QTest::addRow("question 11 still in section 1") << 11 << 1;
        QTest::addRow("question 12 opens section 2") << 12 << 2;
        QTest::addRow("question 20 still in section 2") << 20 << 2;
        QTest::addRow("question 21 opens section 3") << 21 << 3;
        QTest::addRow("question 60 still in section 3") << 60 << 3;
        QTest::addRow("question 61 opens section 4") << 61 << 4;
    }
    void newSectionShowsInTheSameStep()
    {
        QFETCH(int, number);
        QFETCH(int, section);
        QuizHarness h;
        h.playTo(number - 1, true);
        QCOMPARE(h.screen.questionText(), QuestionBank::questionText(number));
        QCOMPARE(h.quiz.dt.Section, QuestionBank::sectionText(section));
        QCOMPARE(h.screen.mainText(), QuestionBank::sectionText(section));
    }

    // The next step takes the message box back from the log or the time-up message.
    void stepPutsTheSectionTextBackGreen()
    {
        QuizHarness h;
        h.playTo(3, false);
        h.screen.setMainText(h.quiz.dt.Verdicts);
        h.screen.setMainTextColor(QuizColor::Red);
        h.answerRight();
        QCOMPARE(h.screen.mainText(), QuestionBank::sectionText(1));
        QCOMPARE(h.screen.mainTextColor(), QuizColor::Green);
    }

    // Without any selection, a step used to raise the counter while question k stayed on screen,
    // so the next answer to k was judged against k+1. Now it does nothing at all.
    void stepBeforeAnySelectionDoesNothing()
    {
        QuizHarness h;
        h.quiz.Advance();
        h.screen.setMainText(QStringLiteral("the log"));
        const QString verdicts = h.quiz.dt.Verdicts;

        for (int press = 0; press < 3; ++press)
            h.quiz.Advance();

        QCOMPARE(h.quiz.state.C, qint16(1));
        QCOMPARE(h.quiz.dt.Verdicts, verdicts);
        QCOMPARE(h.quiz.state.Hist, verdicts);
        QCOMPARE(h.screen.mainText(), QStringLiteral("the log"));
        QCOMPARE(h.screen.answers, QuestionBank::options(1));

        // The first real answer is judged against the question the player sees.
        h.answerRight();
        QCOMPARE(h.caption(Label::lblNBall), QStringLiteral("0,4"));
        QCOMPARE(h.screen.questionText(), QuestionBank::questionText(2));
    }

    // After the end, steps only add empty headings; labels and the results window stay alone.
    void stepsAfterTheEndAddEmptyHeadings()
    {
        QuizHarness h;
        h.playTo(80, true);
        QCOMPARE(h.quiz.state.C, qint16(81));
        QVERIFY(h.quiz.dt.Verdicts.endsWith(heading(81, QString())));
        QCOMPARE(h.screen.questionText(), QString());
        QVERIFY(h.screen.answers.isEmpty());
        QCOMPARE(h.caption(Label::lblBall), QStringLiteral("3"));

        h.quiz.Advance();
        h.quiz.Advance();

        QCOMPARE(h.quiz.state.C, qint16(83));
        QVERIFY(h.quiz.dt.Verdicts.endsWith(heading(81, QString()) + heading(82, QString()) +
                                            heading(83, QString())));
        QVERIFY(h.quiz.state.Hist.endsWith(heading(82, QString()) + heading(83, QString())));
        QCOMPARE(h.caption(Label::lblNBall), QStringLiteral("121,9"));
        QCOMPARE(h.caption(Label::lblNAns), QStringLiteral("80"));
        QCOMPARE(h.caption(Label::lblBall), QStringLiteral("3"));
        QCOMPARE(h.screen.verdictWrites, 1);
        QCOMPARE(h.screen.resultsShown, 1);
        QCOMPARE(h.screen.mainText(), QuestionBank::sectionText(4));
    }

    // The counter and the heading number are 16-bit: at 32767 further steps do nothing.
    void counterStopsAtItsLimit()
    {
        QuizHarness h;
        h.playTo(80, false);
        while (h.quiz.state.C < 32767)
            h.quiz.Advance();
        QVERIFY(h.quiz.dt.Verdicts.endsWith(heading(32767, QString())));
        const QString verdicts = h.quiz.dt.Verdicts;
        const QString hist = h.quiz.state.Hist;

        h.quiz.Advance();

        QCOMPARE(h.quiz.state.C, qint16(32767));
        QCOMPARE(h.quiz.dt.Verdicts.size(), verdicts.size());
        QCOMPARE(h.quiz.state.Hist.size(), hist.size());
    }
};

QTEST_GUILESS_MAIN(SequencerTest)
#include "sequencer_test.moc"
