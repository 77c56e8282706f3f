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
#include "layout.h"
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

    // The layout table holds every control's box as designed, in twips, and each control sits
    // on its box: at 15 twips a pixel every designed box lies on whole pixels. The designs, the
    // artwork and the other tests all take their boxes from the table.
    void controlsSitInTheirDesignedBoxes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("table");
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<bool>("sizedToCaption"); // then only its top-left corner stays put
        namespace Quiz = Layout::Quiz;
        namespace Results = Layout::Results;
        namespace Help = Layout::Help;
        const QString quiz = QStringLiteral("frmDTEST");
        auto add = [](const QString &window, const char *name, const Layout::Box &table,
                      const QRect &designed, bool sizedToCaption = false) {
            QTest::addRow("%s %s", qPrintable(window), name)
                    << window << name << table.twips() << designed << sizedToCaption;
        };
        add(quiz, "txtMain", Quiz::txtMain, {2040, 600, 5535, 2775});
        add(quiz, "lstAns", Quiz::lstAns, {1920, 5040, 5775, 1785});
        add(quiz, "cmdOk", Quiz::cmdOk, {8640, 4800, 735, 495});
        add(quiz, "cmdCheck", Quiz::cmdCheck, {8640, 6000, 735, 495});
        add(quiz, "txtQuest", Quiz::txtQuest, {2040, 3480, 5655, 735});
        add(quiz, "cmdHelp", Quiz::cmdHelp, {0, 0, 735, 255});
        add(quiz, "Label1", Quiz::Label1, {8640, 4560, 735, 255});
        add(quiz, "Label2", Quiz::Label2, {8640, 5760, 735, 255});
        add(quiz, "lblMin", Quiz::lblMin, {8280, 120, 180, 195});
        add(quiz, "Label5", Quiz::Label5, {8520, 120, 45, 195});
        add(quiz, "lblSec", Quiz::lblSec, {8640, 120, 180, 195});
        add(quiz, "Label6", Quiz::Label6, {7920, 480, 765, 195}, true);
        add(quiz, "Label4", Quiz::Label4, {7920, 720, 600, 195}, true);
        add(quiz, "Label7", Quiz::Label7, {8040, 3360, 870, 195}, true);
        // Sized to their caption too, but "00" is exactly as wide as the designed box.
        add(quiz, "lblNAns", Quiz::lblNAns, {8760, 480, 180, 195});
        add(quiz, "lblNBall", Quiz::lblNBall, {8760, 720, 180, 195});
        add(quiz, "lblBall", Quiz::lblBall, {9000, 3360, 180, 195});
        const QString results = QStringLiteral("frmFin");
        add(results, "lblMain", Results::lblMain, {1440, 360, 3615, 4815});
        add(results, "Image1", Results::Image1, {4920, 5280, 1185, 210});
        add(results, "imgExit", Results::imgExit, {6000, 120, 135, 135});
        add(results, "txtDbl", Results::txtDbl, {6360, 120, 3135, 5415});
        const QString help = QStringLiteral("frmHelp");
        add(help, "txthelp", Help::txthelp, {600, 480, 4575, 4095});
        add(help, "Image1", Help::Image1, {3240, 6360, 1935, 495});
        add(help, "imgDn", Help::imgDn, {5280, 4440, 255, 135});
    }
    void controlsSitInTheirDesignedBoxes()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QRect, table);
        QFETCH(QRect, designed);
        QFETCH(bool, sizedToCaption);
        QCOMPARE(table, designed);
        const QRect pixels(designed.topLeft() / 15, designed.size() / 15);
        Windows windows;
        const QRect shown = control(windows.byName(window), name)->geometry();
        if (sizedToCaption)
            QCOMPARE(shown.topLeft(), pixels.topLeft());
        else
            QCOMPARE(shown, pixels);
    }

    // The red line stands 3 pixels wide about x = 6240 twips (416 px), from the top edge down
    // to y = 5640 twips, the last pixel row.
    void lineRunsDownItsDesignedColumn()
    {
        QCOMPARE(Layout::Results::L.x, 6240);
        QCOMPARE(Layout::Results::L.top, 0);
        QCOMPARE(Layout::Results::L.bottom, 5640);
        FrmFinDesign results;
        QCOMPARE(results.L->geometry(), QRect(415, 0, 3, 377));
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
                                   << "Отвечено:" << Layout::Quiz::Label6.pixels().width();
        QTest::addRow("Баллов:") << "Label4"
                                 << "Баллов:" << Layout::Quiz::Label4.pixels().width();
        QTest::addRow("Стоимость:") << "Label7"
                                    << "Стоимость:" << Layout::Quiz::Label7.pixels().width();
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
        const int digits = quiz.lblMin->fontMetrics().horizontalAdvance(QStringLiteral("00"));
        QCOMPARE(digits, 12);
        for (CaptionLabel *clock : {quiz.lblMin, quiz.lblSec})
            QVERIFY(digits <= clock->width());
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
        QTest::addColumn<QSize>("table");
        QTest::addColumn<QSize>("designed"); // twips
        QTest::addColumn<bool>("frameless");
        QTest::addRow("quiz window")
                << "frmDTEST" << Layout::Quiz::client.twips() << QSize(9585, 7185) << false;
        QTest::addRow("results window")
                << "frmFin" << Layout::Results::client.twips() << QSize(6255, 5655) << true;
        QTest::addRow("help window")
                << "frmHelp" << Layout::Help::client.twips() << QSize(6000, 7035) << true;
    }
    void windowsHaveTheirFramesAndFixedSizes()
    {
        QFETCH(QString, window);
        QFETCH(QSize, table);
        QFETCH(QSize, designed);
        QFETCH(bool, frameless);
        QCOMPARE(table, designed);
        const QSize client = designed / 15;
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
