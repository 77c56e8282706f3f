// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: the history it loads, its hover pictures and animation, and the slide.
#include "captionlabel.h"
#include "formfont.h"
#include "formtimer.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "linecontrol.h"
#include "picturebox.h"
#include "programstate.h"
#include "textbox.h"

#include <QTest>

using namespace ProgramState;

namespace {

// A pointer report at `pos` in the results window, delivered to whatever lies under it.
void pointerAt(FrmFin *results, QPoint pos)
{
    QTest::mouseMove(results->windowHandle(), pos);
}

QPoint middleOf(QWidget *control)
{
    return control->geometry().center();
}

bool shows(PictureBox *picture, const QPixmap &image)
{
    return picture->picture().toImage() == image.toImage();
}

} // namespace

class ResultsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }
    void init()
    {
        start();
        answer(80);
        QVERIFY(QTest::qWaitForWindowExposed(frmFin.get()));
        // Qt drops a report at the pointer's last screen position, which the last test may
        // have left where this one starts: begin from a corner of the background.
        pointerAt(frmFin.get(), QPoint(1, 1));
    }
    void cleanup() { reset(); }

    // The load appends the log to the quiz window's own history, once, and shows it.
    void loadAppendsTheLogOnce()
    {
        FrmDTEST *quiz = frmDTEST.get();
        FrmFin *results = frmFin.get();
        const QString heading81 = QStringLiteral(" 81. Вопрос:\r\n\r\nВаш ответ: ");
        const QString shown = results->txtDbl->text();
        QVERIFY(shown.startsWith(QStringLiteral("Ваше время:")));
        QVERIFY(shown.endsWith(quiz->quiz().dt.Verdicts.chopped(heading81.size())));
        QCOMPARE(quiz->quiz().state.Hist, shown + heading81);
        QVERIFY(quiz->quiz().state.Hist.count(QStringLiteral(" 80. Вопрос:")) == 1);
    }

    void picturesStartAtRest()
    {
        FrmFin *results = frmFin.get();
        QVERIFY(shows(results->Image1, results->boxSt.image(1)));
        QVERIFY(shows(results->imgExit, results->boxS.image(1)));
        QVERIFY(results->Timer1->isActive());
        QCOMPARE(results->Timer1->interval(), 500);
    }

    // While the pointer rests on the statistics picture it blinks every tick, and only then;
    // the first tick in a new window shows image 2.
    void statisticsPictureBlinksWhileHovered()
    {
        FrmFin *results = frmFin.get();
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(1)));

        pointerAt(results, middleOf(results->Image1));
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(2)));
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(1)));
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(2)));

        // Over the background the hover ends and the picture rests, but the frame is kept:
        // the next hover's first tick shows image 1 again.
        pointerAt(results, QPoint(20, 360));
        QVERIFY(shows(results->Image1, results->boxSt.image(1)));
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(1)));
        pointerAt(results, middleOf(results->Image1));
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(1)));
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(2)));
    }

    // Only a report over the background ends a hover; other controls do not.
    void hoverOutlastsMovesOntoOtherControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addRow("onto the exit cross") << "imgExit";
        QTest::addRow("onto the verdict") << "lblMain";
    }
    void hoverOutlastsMovesOntoOtherControls()
    {
        QFETCH(QString, control);
        FrmFin *results = frmFin.get();
        pointerAt(results, middleOf(results->Image1));
        pointerAt(results, middleOf(results->findChild<QWidget *>(control)));
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(2)));
    }

    void exitCrossLightsUpUnderThePointer()
    {
        FrmFin *results = frmFin.get();
        pointerAt(results, middleOf(results->imgExit));
        QVERIFY(shows(results->imgExit, results->boxS.image(2)));
        // The cross starts no hover: the statistics picture stays still.
        emit results->Timer1->ticked();
        QVERIFY(shows(results->Image1, results->boxSt.image(1)));
        pointerAt(results, middleOf(results->lblMain));
        QVERIFY(shows(results->imgExit, results->boxS.image(2)));
        pointerAt(results, QPoint(20, 20));
        QVERIFY(shows(results->imgExit, results->boxS.image(1)));
    }

    // The panel slides out to 9646 twips and back to 6255, the left edge fixed, L shown while wide.
    void statisticsClickSlidesThePanel()
    {
        FrmFin *results = frmFin.get();
        const int left = results->x();
        const float leftTwips = results->leftTwips();
        QVERIFY(!results->L->isVisible());

        QTest::mouseClick(results->Image1, Qt::LeftButton);
        QCOMPARE(results->widthTwips(), 9646.0f);
        QCOMPARE(results->width(), 643);
        QVERIFY(results->L->isVisible());
        QVERIFY(results->txtDbl->isVisible());
        QCOMPARE(results->x(), left);
        QCOMPARE(results->leftTwips(), leftTwips);

        QTest::mouseClick(results->Image1, Qt::LeftButton);
        QCOMPARE(results->widthTwips(), 6255.0f);
        QCOMPARE(results->width(), 417);
        QVERIFY(!results->L->isVisible());
        QCOMPARE(results->x(), left);
    }

    // Only the designed width counts as narrow: any other width shrinks by the panel's width.
    void clickAtAnyOtherWidthShrinks()
    {
        FrmFin *results = frmFin.get();
        results->setWidthTwips(7000.5f);
        results->L->show();
        QTest::mouseClick(results->Image1, Qt::LeftButton);
        QCOMPARE(results->widthTwips(), 7000.5f - 3391);
        QVERIFY(!results->L->isVisible());
    }
};

QTEST_MAIN(ResultsWindowTest)
#include "resultswindow_test.moc"
