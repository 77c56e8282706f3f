// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: its two texts, how it closes, and that each opening is a fresh window.
#include "backgrounddrag.h"
#include "commandbutton.h"
#include "formfont.h"
#include "frmdtest.h"
#include "frmhelp.h"
#include "picturebox.h"
#include "programstate.h"
#include "textbox.h"

#include <QTest>

using namespace ProgramState;

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }
    void init()
    {
        start();
        frmDTEST->cmdHelp->click();
        QVERIFY(QTest::qWaitForWindowExposed(frmHelp.get()));
    }
    void cleanup() { reset(); }

    void textsReadAsWritten()
    {
        QCOMPARE(FrmHelp::usageHelpText(),
                 QStringLiteral("Все предельно просто,-нажимаете кнопку далее, выбираете ответ и "
                                "снова нажимаете кнопку далее!\r\nЕсли вы хотите посмотреть "
                                "историю ваших ответов, то просто нажмите кнопку ответы. Всего "
                                "вопросов 80 из которых 1уровня 20; 2уровня 40; 3уровня 20! Все "
                                "вопросы были составлены командой Ashfever (ashfever-team)! За "
                                "основу были взяты Dustmoor1,2! Желаю удачи!"));
        QCOMPARE(FrmHelp::closingCreditsText(),
                 QStringLiteral("Код написал и проверен командой Ashfever (ashfever-team) в не "
                                "трезвом состоянии, если обноружите ошибки- сразу же напишите "
                                "мне! ashfever-team@example.org! Надеюсь вам понравилось."));
        QVERIFY(!FrmHelp::closingCreditsText().contains(u'\n'));
    }

    void escapeInTheTextCloses()
    {
        QTest::keyClick(frmHelp->txthelp, Qt::Key_Escape);
        QVERIFY(frmHelp.isEmpty());
        settle();
        QCOMPARE(instances<FrmHelp>(), 0);
        QVERIFY(frmDTEST->isVisible());
    }

    // Every other key reaches the box and leaves the window open.
    void otherKeysStayInTheText()
    {
        FrmHelp *help = frmHelp.get();
        help->txthelp->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_A, Qt::Key_Down, Qt::Key_End, Qt::Key_Space})
            QTest::keyClick(help->txthelp, key);
        settle();
        QCOMPARE(frmHelp.instance(), help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->txthelp->text(), FrmHelp::usageHelpText());
        // The caret keys moved through the text.
        QVERIFY(help->txthelp->textCursor().position() > 0);
    }

    void closeButtonAreaCloses()
    {
        QTest::mouseClick(frmHelp->Image1, Qt::LeftButton);
        settle();
        QVERIFY(frmHelp.isEmpty());
        QCOMPARE(instances<FrmHelp>(), 0);
    }

    void inertAreasDoNothing_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addRow("imgDn") << QPoint(360, 300);
        QTest::addRow("background") << QPoint(10, 440);
        QTest::addRow("right-hand strip") << QPoint(399, 200);
    }
    void inertAreasDoNothing()
    {
        QFETCH(QPoint, where);
        FrmHelp *help = frmHelp.get();
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, where);
        settle();
        QCOMPARE(frmHelp.instance(), help);
        QVERIFY(help->isVisible());
    }

    // A new usage help is a new window, at its designed place, whatever the last one did.
    void reopenedHelpStartsAfresh()
    {
        FrmHelp *first = frmHelp.get();
        const QPoint designedPlace = first->pos();
        first->setLeftTwips(first->leftTwips() + 1500);
        first->setTopTwips(first->topTwips() + 300);
        QTest::keyClick(first->txthelp, Qt::Key_Escape);
        settle();

        frmDTEST->cmdHelp->click();
        FrmHelp *second = frmHelp.get();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QCOMPARE(second->pos(), designedPlace);
        QCOMPARE(second->txthelp->text(), FrmHelp::usageHelpText());
        QCOMPARE(second->findChild<BackgroundDrag *>()->LastX, qint16(0));
        QCOMPARE(instances<FrmHelp>(), 1);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "helpwindow_test.moc"
