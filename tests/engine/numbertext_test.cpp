// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Captions hold numbers as text; these rules keep the score and counters readable and exact.
#include "numbertext.h"

#include <QLocale>
#include <QTest>

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void scoreIsShortestWithComma_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("nothing yet") << 0.0 << "0";
        QTest::addRow("below one keeps its leading zero") << 0.4 << "0,4";
        QTest::addRow("binary error of 0,1 + 0,2 does not show") << 0.1 + 0.2 << "0,3";
        QTest::addRow("whole number has no separator") << 0.4 + 0.6 << "1";
        QTest::addRow("one and a tenth") << 0.4 + 0.7 << "1,1";
        QTest::addRow("full score") << 121.9 << "121,9";
        QTest::addRow("no thousands separator") << 12345.5 << "12345,5";
    }
    void scoreIsShortestWithComma()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::score(value), text);
    }

    void countersHaveAtLeastTwoDigits_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << qint64(0) << "00";
        QTest::addRow("one digit is padded") << qint64(7) << "07";
        QTest::addRow("two digits") << qint64(80) << "80";
        QTest::addRow("three digits stay whole") << qint64(100) << "100";
    }
    void countersHaveAtLeastTwoDigits()
    {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::counter(value), text);
    }

    void captionsReadBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addRow("designed caption") << "00" << 0.0;
        QTest::addRow("decimal comma") << "0,4" << 0.4;
        QTest::addRow("full score") << "121,9" << 121.9;
        QTest::addRow("three-digit minutes") << "100" << 100.0;
        QTest::addRow("empty reads as zero") << "" << 0.0;
    }
    void captionsReadBack()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumberText::toNumber(text), value);
    }

    // A player's locale must not turn "0,4" into 4 or write "0.4".
    void commaHoldsWhateverTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addRow("English uses a point") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::addRow("German uses a comma") << QLocale(QLocale::German, QLocale::Germany);
        QTest::addRow("Russian groups with spaces") << QLocale(QLocale::Russian, QLocale::Russia);
    }
    void commaHoldsWhateverTheLocale()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        QCOMPARE(NumberText::score(1234.5), QStringLiteral("1234,5"));
        QCOMPARE(NumberText::toNumber(QStringLiteral("0,4")), 0.4);
        QCOMPARE(NumberText::counter(5), QStringLiteral("05"));
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "numbertext_test.moc"
