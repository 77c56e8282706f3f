// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows as designed: every control's place, look, text, focus and cursor.
#include "captionlabel.h"
#include "commandbutton.h"
#include "designcolors.h"
#include "formfont.h"
#include "formtimer.h"
#include "frmdtestdesign.h"
#include "frmfindesign.h"
#include "frmhelpdesign.h"
#include "linecontrol.h"
#include "listbox.h"
#include "picturebox.h"
#include "textbox.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

QWidget *control(QWidget *window, const QString &name)
{
    if (auto *found = window->findChild<QWidget *>(name))
        return found;
    qFatal("no control named %s", qPrintable(name));
}

struct Windows
{
    FrmDtestDesign quiz;
    FrmFinDesign results;
    FrmHelpDesign help;

    QWidget *byName(const QString &name)
    {
        for (QWidget *window : {static_cast<QWidget *>(&quiz), static_cast<QWidget *>(&results),
                                static_cast<QWidget *>(&help)}) {
            if (window->objectName() == name)
                return window;
        }
        qFatal("no window named %s", qPrintable(name));
    }
};

} // namespace

class DesignsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }

    void controlsSitInTheirDesignedBoxes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");
        const QString quiz = QStringLiteral("frmDTEST");
        QTest::addRow("txtMain") << quiz << "txtMain" << QRect(136, 40, 369, 185);
        QTest::addRow("lstAns") << quiz << "lstAns" << QRect(128, 336, 385, 119);
        QTest::addRow("cmdOk") << quiz << "cmdOk" << QRect(576, 320, 49, 33);
        QTest::addRow("cmdCheck") << quiz << "cmdCheck" << QRect(576, 400, 49, 33);
        QTest::addRow("txtQuest") << quiz << "txtQuest" << QRect(136, 232, 377, 49);
        QTest::addRow("cmdHelp") << quiz << "cmdHelp" << QRect(0, 0, 49, 17);
        QTest::addRow("Label1") << quiz << "Label1" << QRect(576, 304, 49, 17);
        QTest::addRow("Label2") << quiz << "Label2" << QRect(576, 384, 49, 17);
        QTest::addRow("lblMin") << quiz << "lblMin" << QRect(552, 8, 12, 13);
        QTest::addRow("Label5") << quiz << "Label5" << QRect(568, 8, 3, 13);
        QTest::addRow("lblSec") << quiz << "lblSec" << QRect(576, 8, 12, 13);
        QTest::addRow("lblNAns sized to 00") << quiz << "lblNAns" << QRect(584, 32, 12, 13);
        QTest::addRow("lblNBall sized to 00") << quiz << "lblNBall" << QRect(584, 48, 12, 13);
        QTest::addRow("lblBall sized to 00") << quiz << "lblBall" << QRect(600, 224, 12, 13);
        const QString results = QStringLiteral("frmFin");
        QTest::addRow("lblMain") << results << "lblMain" << QRect(96, 24, 241, 321);
        QTest::addRow("statistics picture") << results << "Image1" << QRect(328, 352, 79, 14);
        QTest::addRow("imgExit") << results << "imgExit" << QRect(400, 8, 9, 9);
        QTest::addRow("txtDbl") << results << "txtDbl" << QRect(424, 8, 209, 361);
        QTest::addRow("line L, 3 px about x = 416") << results << "L" << QRect(415, 0, 3, 377);
        const QString help = QStringLiteral("frmHelp");
        QTest::addRow("txthelp") << help << "txthelp" << QRect(40, 32, 305, 273);
        QTest::addRow("close area") << help << "Image1" << QRect(216, 424, 129, 33);
        QTest::addRow("imgDn") << help << "imgDn" << QRect(352, 296, 17, 9);
    }
    void controlsSitInTheirDesignedBoxes()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QRect, box);
        Windows windows;
        QCOMPARE(control(windows.byName(window), name)->geometry(), box);
    }

    // Six labels take their caption's size; with a 6-pixel digit they match the designed boxes.
    void selfSizingLabelsKeepTheirLeftEdge_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::addRow("points of a question") << "lblBall"
                                              << "0,4" << 15;
        QTest::addRow("full score") << "lblNBall"
                                    << "121,9" << 27;
        QTest::addRow("answered count") << "lblNAns"
                                        << "80" << 12;
    }
    void selfSizingLabelsKeepTheirLeftEdge()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, width);
        FrmDtestDesign quiz;
        auto *label = qobject_cast<CaptionLabel *>(control(&quiz, name));
        const QPoint topLeft = label->pos();
        label->setCaption(caption);
        QCOMPARE(label->pos(), topLeft);
        QCOMPARE(label->height(), 13);
        // Within a pixel of six per digit and three for the comma: the text is shown whole.
        QVERIFY2(qAbs(label->width() - width) <= 1, qPrintable(QString::number(label->width())));
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(caption));
    }

    void staticCaptionsFitTheirDesignedWidths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("designedWidth");
        QTest::addRow("Отвечено:") << "Label6"
                                   << "Отвечено:" << 51;
        QTest::addRow("Баллов:") << "Label4"
                                 << "Баллов:" << 40;
        QTest::addRow("Стоимость:") << "Label7"
                                    << "Стоимость:" << 58;
    }
    void staticCaptionsFitTheirDesignedWidths()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, designedWidth);
        FrmDtestDesign quiz;
        auto *label = qobject_cast<CaptionLabel *>(control(&quiz, name));
        QCOMPARE(label->caption(), caption);
        QCOMPARE(label->height(), 13);
        // Close to the designed box, and never into the counter next to it.
        QVERIFY2(qAbs(label->width() - designedWidth) <= 3,
                 qPrintable(QString::number(label->width())));
        QVERIFY(label->geometry().right() < quiz.lblBall->x() || name != "Label7");
        QVERIFY(label->geometry().right() < quiz.lblNAns->x() || name == "Label7");
    }

    // "00" must show whole in the fixed 12-pixel clock boxes.
    void clockDigitsFitTheirBoxes()
    {
        FrmDtestDesign quiz;
        QCOMPARE(quiz.lblMin->fontMetrics().horizontalAdvance(QStringLiteral("00")), 12);
        QCOMPARE(quiz.lblMin->size(), QSize(12, 13));
        QCOMPARE(quiz.lblSec->size(), QSize(12, 13));
    }

    void captionsAndTextsAsDesigned()
    {
        Windows w;
        QCOMPARE(w.quiz.windowTitle(), QStringLiteral("Тест: \"Ashfever\""));
        QCOMPARE(w.results.windowTitle(), QStringLiteral("Результаты тестирования"));
        QCOMPARE(w.help.windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(w.quiz.cmdHelp->text(), QStringLiteral("HELP!"));
        QVERIFY(w.quiz.cmdOk->text().isEmpty());
        QCOMPARE(w.quiz.Label1->caption(), QStringLiteral("Дальше"));
        QCOMPARE(w.quiz.Label2->caption(), QStringLiteral("Ответы"));
        QCOMPARE(w.quiz.Label5->caption(), QStringLiteral(":"));
        for (CaptionLabel *label :
             {w.quiz.lblMin, w.quiz.lblSec, w.quiz.lblNAns, w.quiz.lblNBall, w.quiz.lblBall})
            QCOMPARE(label->caption(), QStringLiteral("00"));
        QCOMPARE(w.quiz.txtMain->text(), QString());
        QCOMPARE(w.quiz.lstAns->count(), 0);
        QCOMPARE(w.results.lblMain->caption(), QStringLiteral("Label1"));
        QCOMPARE(w.help.txthelp->text(), QStringLiteral("Text1"));
    }

    void windowsHaveTheirFramesAndFixedSizes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("frameless");
        QTest::addRow("quiz window") << "frmDTEST" << QSize(639, 479) << false;
        QTest::addRow("results window") << "frmFin" << QSize(417, 377) << true;
        QTest::addRow("help window") << "frmHelp" << QSize(400, 469) << true;
    }
    void windowsHaveTheirFramesAndFixedSizes()
    {
        QFETCH(QString, window);
        QFETCH(QSize, client);
        QFETCH(bool, frameless);
        Windows windows;
        QWidget *form = windows.byName(window);
        QCOMPARE(form->size(), client);
        QCOMPARE(form->minimumSize(), client);
        QCOMPARE(form->maximumSize(), client);
        const Qt::WindowFlags flags = form->windowFlags();
        QCOMPARE(flags.testFlag(Qt::FramelessWindowHint), frameless);
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        if (!frameless) {
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        }
        // Centred on the screen.
        const QRect screen = form->screen()->availableGeometry();
        QVERIFY(qAbs(form->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(form->geometry().center().y() - screen.center().y()) <= 1);
    }

    void controlsHaveTheirColoursAndFonts()
    {
        Windows w;
        for (CaptionLabel *label : w.quiz.findChildren<CaptionLabel *>()) {
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->palette().color(QPalette::Window), DesignColors::Black);
            QCOMPARE(label->palette().color(QPalette::WindowText), DesignColors::Green);
            QCOMPARE(label->font().pixelSize(), 11);
            QVERIFY(!label->font().bold());
        }
        for (QWidget *box :
             {static_cast<QWidget *>(w.quiz.txtMain), static_cast<QWidget *>(w.quiz.txtQuest),
              static_cast<QWidget *>(w.quiz.lstAns)}) {
            QCOMPARE(box->palette().color(QPalette::Base), DesignColors::Black);
            QCOMPARE(box->palette().color(QPalette::Text), DesignColors::Green);
        }
        QVERIFY(w.quiz.txtMain->font().bold());
        QVERIFY(!w.quiz.txtQuest->font().bold());
        QCOMPARE(w.quiz.txtMain->font().pixelSize(), 11);
        QCOMPARE(w.results.txtDbl->palette().color(QPalette::Text), DesignColors::DimGreen);
        QCOMPARE(w.help.txthelp->palette().color(QPalette::Text), DesignColors::DimGreen);
        // The verdict lets the picture show through and wraps within its box.
        QVERIFY(!w.results.lblMain->autoFillBackground());
        QVERIFY(w.results.lblMain->wordWrap());
        QCOMPARE(w.results.lblMain->palette().color(QPalette::WindowText), DesignColors::DimGreen);
        QCOMPARE(w.results.palette().color(QPalette::Window), DesignColors::Black);
        QCOMPARE(w.results.L->palette().color(QPalette::Window), DesignColors::LineRed);
        const QString family = w.quiz.font().family();
        QVERIFY2(family == "Liberation Sans" || family == "MS Sans Serif", qPrintable(family));
        QCOMPARE(QFontInfo(w.quiz.font()).family(), family);
    }

    void textBoxesAreReadOnlyWithTheirScrollBars()
    {
        Windows w;
        for (TextBox *box : {w.quiz.txtMain, w.quiz.txtQuest, w.results.txtDbl, w.help.txthelp})
            QVERIFY(box->isReadOnly());
        QCOMPARE(w.quiz.txtMain->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(w.quiz.txtQuest->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(w.results.txtDbl->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(w.help.txthelp->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(w.quiz.lstAns->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!w.quiz.lstAns->isSortingEnabled());
    }

    // The list comes first; Tab runs through the buttons and the question box.
    void tabOrderRunsAsDesigned()
    {
        FrmDtestDesign quiz;
        quiz.show();
        QVERIFY(QTest::qWaitForWindowActive(&quiz));
        QCOMPARE(QApplication::focusWidget(), quiz.lstAns);
        const QList<QWidget *> order = {quiz.cmdOk, quiz.cmdCheck, quiz.txtQuest, quiz.cmdHelp,
                                        quiz.lstAns};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        for (CaptionLabel *label : quiz.findChildren<CaptionLabel *>())
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        QCOMPARE(quiz.txtMain->focusPolicy(), Qt::ClickFocus);
    }

    void onlyTheLineStartsHidden()
    {
        Windows w;
        for (QWidget *form : {static_cast<QWidget *>(&w.quiz), static_cast<QWidget *>(&w.results),
                              static_cast<QWidget *>(&w.help)}) {
            for (QWidget *child : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QCOMPARE(child->isVisibleTo(form), child != w.results.L);
        }
    }

    void cursorsAsDesigned()
    {
        FrmDtestDesign quiz;
        QCOMPARE(quiz.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(quiz.cursor().hotSpot(), QPoint(1, 4));
        QCOMPARE(quiz.lblNBall->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(quiz.txtMain->viewport()->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(quiz.txtQuest->viewport()->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(quiz.lstAns->viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(quiz.cmdOk->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(quiz.cmdHelp->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!quiz.windowIcon().isNull());
    }

    void imageListsHandOutImageNForIndexN()
    {
        FrmFinDesign results;
        QCOMPARE(results.boxSt.count(), 2);
        QCOMPARE(results.boxS.count(), 2);
        QCOMPARE(results.boxSt.image(1).deviceIndependentSize().toSize(), QSize(79, 14));
        QCOMPARE(results.boxSt.image(2).deviceIndependentSize().toSize(), QSize(79, 14));
        QCOMPARE(results.boxS.image(1).deviceIndependentSize().toSize(), QSize(9, 9));
        QCOMPARE(results.boxS.image(2).deviceIndependentSize().toSize(), QSize(9, 9));
        QVERIFY(results.boxSt.image(1).toImage() != results.boxSt.image(2).toImage());
        QVERIFY(results.boxS.image(1).toImage() != results.boxS.image(2).toImage());
        // Image 1 is the one each picture shows when the window opens.
        QCOMPARE(results.Image1->picture().toImage(), results.boxSt.image(1).toImage());
        QCOMPARE(results.imgExit->picture().toImage(), results.boxS.image(1).toImage());
        QVERIFY(results.boxSt.image(0).isNull());
        QVERIFY(results.boxSt.image(3).isNull());
    }
};

QTEST_MAIN(DesignsTest)
#include "designs_test.moc"
