// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging the frameless windows by their background: the window follows the pointer exactly,
// and only while the left button alone is held.
#include "backgrounddrag.h"
#include "commandbutton.h"
#include "formfont.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "programstate.h"

#include <QMouseEvent>
#include <QTest>

using namespace ProgramState;

namespace {

FormWindow *openWindow(const QString &which)
{
    start();
    FormWindow *window = nullptr;
    if (which == QLatin1String("results")) {
        answer(80);
        window = frmFin.get();
    } else {
        frmDTEST->cmdOk->click();
        frmDTEST->cmdHelp->click();
        window = frmHelp.get();
    }
    return window;
}

// The window's drag, where it keeps the pointer's last position over the background.
const BackgroundDrag &dragOf(FormWindow *window)
{
    return *window->findChild<BackgroundDrag *>();
}

// A pointer report with the pointer at `onScreen`, wherever the window stands now.
void pointerOnScreen(FormWindow *window, QPoint onScreen)
{
    QTest::mouseMove(window->windowHandle(), onScreen - window->pos());
}

// A background spot of each window, clear of its controls.
constexpr QPoint grip(20, 360);

} // namespace

class DragTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }
    void cleanup() { reset(); }

    void windowFollowsThePointer_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<QPoint>>("steps");
        for (const QString &window : {QStringLiteral("results"), QStringLiteral("help")}) {
            QTest::addRow("%s, one long report", qPrintable(window))
                    << window << QList<QPoint>{{37, -21}};
            QTest::addRow("%s, the same way in small reports", qPrintable(window))
                    << window << QList<QPoint>{{10, -5}, {10, -5}, {10, -5}, {7, -6}};
            QTest::addRow("%s, there and back", qPrintable(window))
                    << window << QList<QPoint>{{-30, 40}, {60, -80}, {-30, 40}};
        }
    }
    void windowFollowsThePointer()
    {
        QFETCH(QString, window);
        QFETCH(QList<QPoint>, steps);
        FormWindow *form = openWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QPoint start = form->pos();
        const QPointF startTwips(form->leftTwips(), form->topTwips());
        QPoint pointer = start + grip;

        QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, grip);
        QPoint travelled;
        for (QPoint step : steps) {
            pointer += step;
            travelled += step;
            pointerOnScreen(form, pointer);
            QCOMPARE(form->pos(), start + travelled);
        }
        QCOMPARE(QPointF(form->leftTwips(), form->topTwips()),
                 startTwips + QPointF(travelled) * 15);
        // Each report is read where the window stood before it moved.
        QCOMPARE(dragOf(form).LastX, qint16((grip.x() + steps.last().x()) * 15));
        QCOMPARE(dragOf(form).LastY, qint16((grip.y() + steps.last().y()) * 15));
        QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, grip);
    }

    // A window manager reports each move late, some only after later moves; such a report
    // shows the window where it stood a while ago. The next pointer report puts it back under
    // the pointer all the same.
    void lateMoveReportsLeadNothingAstray_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addRow("results") << QStringLiteral("results");
        QTest::addRow("help") << QStringLiteral("help");
    }
    void lateMoveReportsLeadNothingAstray()
    {
        QFETCH(QString, window);
        FormWindow *form = openWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QPoint start = form->pos();
        const QPointF startTwips(form->leftTwips(), form->topTwips());
        QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, grip);
        pointerOnScreen(form, start + grip + QPoint(37, -21));

        // The report of the first of the two moves (Top, then Left) comes only now.
        form->windowHandle()->setFramePosition(start + QPoint(0, -21));
        QTRY_COMPARE(form->pos(), start + QPoint(0, -21));
        pointerOnScreen(form, start + grip + QPoint(50, -30));
        QCOMPARE(form->pos(), start + QPoint(50, -30));
        QCOMPARE(QPointF(form->leftTwips(), form->topTwips()), startTwips + QPointF(50, -30) * 15);
        // The window stood elsewhere when the pointer was reported: LastX and LastY say where
        // the pointer was in it then.
        QCOMPARE(dragOf(form).LastX, qint16((grip.x() + 50) * 15));
        QCOMPARE(dragOf(form).LastY, qint16((grip.y() - 9) * 15));
        QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, grip);
    }

    void otherButtonStatesNeverMove_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QList<Qt::MouseButton>>("held");
        for (const QString &window : {QStringLiteral("results"), QStringLiteral("help")}) {
            QTest::addRow("%s, no button", qPrintable(window))
                    << window << QList<Qt::MouseButton>{};
            QTest::addRow("%s, right button", qPrintable(window))
                    << window << QList<Qt::MouseButton>{Qt::RightButton};
            QTest::addRow("%s, left and right", qPrintable(window))
                    << window << QList<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton};
            QTest::addRow("%s, middle button", qPrintable(window))
                    << window << QList<Qt::MouseButton>{Qt::MiddleButton};
        }
    }
    void otherButtonStatesNeverMove()
    {
        QFETCH(QString, window);
        QFETCH(QList<Qt::MouseButton>, held);
        FormWindow *form = openWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QPoint start = form->pos();
        for (Qt::MouseButton button : held)
            QTest::mousePress(form->windowHandle(), button, {}, grip);
        pointerOnScreen(form, start + grip + QPoint(25, 15));
        QCOMPARE(form->pos(), start);
        QCOMPARE(dragOf(form).LastX, qint16((grip.x() + 25) * 15));
        QCOMPARE(dragOf(form).LastY, qint16((grip.y() + 15) * 15));
        for (Qt::MouseButton button : held)
            QTest::mouseRelease(form->windowHandle(), button, {}, grip);
    }

    // Positions far outside the window hold at the 16-bit limits instead of wrapping round.
    void lastPositionHoldsAtTheLimits_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<qint16>("lastX");
        QTest::addColumn<qint16>("lastY");
        QTest::addRow("inside") << QPoint(100, 2) << qint16(1500) << qint16(30);
        QTest::addRow("at the upper limit") << QPoint(2184, 2185) << qint16(32760) << qint16(32767);
        QTest::addRow("far right and below")
                << QPoint(5000, 9000) << qint16(32767) << qint16(32767);
        QTest::addRow("far left and above")
                << QPoint(-5000, -3000) << qint16(-32768) << qint16(-32768);
    }
    void lastPositionHoldsAtTheLimits()
    {
        QFETCH(QPoint, where);
        QFETCH(qint16, lastX);
        QFETCH(qint16, lastY);
        FormWindow *form = openWindow(QStringLiteral("help"));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::mousePress(form->windowHandle(), Qt::RightButton, {}, grip);
        QTest::mouseMove(form->windowHandle(), where);
        QCOMPARE(dragOf(form).LastX, lastX);
        QCOMPARE(dragOf(form).LastY, lastY);
        QTest::mouseRelease(form->windowHandle(), Qt::RightButton, {}, where);
    }
};

QTEST_MAIN(DragTest)
#include "drag_test.moc"
