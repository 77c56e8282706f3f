// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The designed font is there for every window whether or not the system has it, and Qt's own
// text machinery uses it too, so no other face is ever loaded.
#include "formfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

class FormFontTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }

    // The system's own faces are used where it has them, the bundled ones otherwise: either
    // way both weights resolve to the designed family.
    void bothWeightsOfTheDesignedFamilyResolve()
    {
        const QString family = FormFont::regular().family();
        QVERIFY2(family == "Liberation Sans" || family == "MS Sans Serif", qPrintable(family));
        QCOMPARE(QFontInfo(FormFont::regular()).family(), family);
        QCOMPARE(QFontInfo(FormFont::bold()).family(), family);
        QVERIFY(QFontInfo(FormFont::bold()).bold());
        QVERIFY(!QFontInfo(FormFont::regular()).bold());
        if (family == QLatin1String("Liberation Sans")) {
            const QStringList styles = QFontDatabase::styles(family);
            QVERIFY2(styles.contains("Regular") && styles.contains("Bold"),
                     qPrintable(styles.join(", ")));
        }
    }

    void applicationFontIsTheDesignedFont()
    {
        QCOMPARE(QApplication::font().family(), FormFont::regular().family());
        QCOMPARE(QApplication::font().pixelSize(), 11);
        QVERIFY(!QApplication::font().bold());
    }
};

QTEST_MAIN(FormFontTest)
#include "formfont_test.moc"
