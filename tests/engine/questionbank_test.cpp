// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed bank: every question answerable, points that read as they count, sections in place.
#include "numbertext.h"
#include "questionbank.h"

#include <QTest>

class QuestionBankTest : public QObject
{
    Q_OBJECT

private slots:
    // A click on any other option must be a wrong answer, so the right text occurs only once.
    void rightOptionOccursOnceAmongItsOptions()
    {
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            const QStringList options = QuestionBank::options(n);
            QCOMPARE(options.size(), 5);
            QCOMPARE(options.count(QuestionBank::rightOption(n)), 1);
            QCOMPARE(options.at(QuestionBank::question(n).right - 1), QuestionBank::rightOption(n));
        }
    }

    // The verdict shows the points text; the score adds the value. They must be the same number.
    void pointsTextReadsAsItsValue()
    {
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            const Points points = QuestionBank::question(n).points;
            QCOMPARE(NumberText::toNumber(points.text()), points.value());
            QVERIFY2(!points.text().contains(u'.'), qPrintable(points.text()));
        }
        QCOMPARE(QuestionBank::question(9).points.text(), QStringLiteral("0,1"));
        QCOMPARE(QuestionBank::question(8).points.text(), QStringLiteral("1"));
        QCOMPARE(QuestionBank::question(62).points.text(), QStringLiteral("2,8"));
        QCOMPARE(QuestionBank::question(80).points.text(), QStringLiteral("3"));
    }

    // Added up as the score is, caption by caption, all 80 questions make 121,9.
    void allPointsAddUpTo121_9()
    {
        QString score = QStringLiteral("00");
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n)
            score = NumberText::score(NumberText::toNumber(score) +
                                      QuestionBank::question(n).points.value());
        QCOMPARE(score, QStringLiteral("121,9"));
    }

    void sectionsStartAndEndWhereDesigned_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("section");
        QTest::addColumn<bool>("opensSection");
        QTest::addRow("question 1 opens section 1") << 1 << 1 << true;
        QTest::addRow("question 11 ends section 1") << 11 << 1 << false;
        QTest::addRow("question 12 opens section 2") << 12 << 2 << true;
        QTest::addRow("question 20 ends section 2") << 20 << 2 << false;
        QTest::addRow("question 21 opens section 3") << 21 << 3 << true;
        QTest::addRow("question 60 ends section 3") << 60 << 3 << false;
        QTest::addRow("question 61 opens section 4") << 61 << 4 << true;
        QTest::addRow("question 80 ends section 4") << 80 << 4 << false;
    }
    void sectionsStartAndEndWhereDesigned()
    {
        QFETCH(int, number);
        QFETCH(int, section);
        QFETCH(bool, opensSection);
        QCOMPARE(QuestionBank::question(number).section, section);
        QCOMPARE(QuestionBank::sectionOpenedBy(number), opensSection ? section : 0);
    }

    // Sections 1 and 2 share their words and differ only in the indent of the level line.
    void sectionTextsAreLevelAndTopicLines_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("indent");
        QTest::addColumn<QString>("topic");
        QTest::addRow("first game") << 1 << 9 << "Вопросы непосредственно о первом Dustmoor' e";
        QTest::addRow("second game") << 2 << 7 << "Вопросы непосредственно о втором Dustmoor' e";
        QTest::addRow("walkthrough")
                << 3 << 8
                << "Вопросы вразброс по порвому и второму Dustmoor'у. В основном по прохождению!";
        QTest::addRow("for fans")
                << 4 << 8
                << "Вопросы вразброс по порвому и второму Dustmoor'у. Только для фанатов!";
    }
    void sectionTextsAreLevelAndTopicLines()
    {
        QFETCH(int, section);
        QFETCH(int, indent);
        QFETCH(QString, topic);
        const QStringList lines = QuestionBank::sectionText(section).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.at(0).startsWith(QString(indent, u' ') + QStringLiteral("Вопросы уровня '")));
        QVERIFY(lines.at(0).at(indent) != u' ');
        QCOMPARE(lines.at(1), topic);
    }

    // Question texts keep their indent: seven spaces up to question 68, six from 69.
    void questionTextsKeepTheirIndent_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("indent");
        QTest::addRow("first question") << 1 << 7;
        QTest::addRow("last with seven") << 68 << 7;
        QTest::addRow("first with six") << 69 << 6;
        QTest::addRow("last question") << 80 << 6;
    }
    void questionTextsKeepTheirIndent()
    {
        QFETCH(int, number);
        QFETCH(int, indent);
        const QString text = QuestionBank::questionText(number);
        QVERIFY(text.startsWith(QString(indent, u' ')));
        QVERIFY(text.at(indent) != u' ');
        QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
    }
};

QTEST_GUILESS_MAIN(QuestionBankTest)
#include "questionbank_test.moc"
