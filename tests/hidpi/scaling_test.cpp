// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows on a scaled screen, run once for each factor CTest sets in QT_SCALE_FACTOR: the
// sharp pictures come in above 1, the designed layout holds, and every caption shows whole.
#include "captionlabel.h"
#include "commandbutton.h"
#include "formfont.h"
#include "frmdtestdesign.h"
#include "frmfindesign.h"
#include "layout.h"
#include "picturebox.h"
#include "pictures.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

double factor()
{
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

// The columns and rows where a caption's green letters lie on the black ground.
QRect ink(const QImage &image)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGreen(image.pixel(x, y)) > 60)
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

// The caption as the label draws it, on a canvas far larger than the label: nothing cut off.
QImage unclipped(const CaptionLabel *label)
{
    const QSize canvas(200, 40);
    QImage image(canvas * label->devicePixelRatio(), QImage::Format_RGB32);
    image.setDevicePixelRatio(label->devicePixelRatio());
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.setPen(Qt::green);
    painter.drawText(QRect(QPoint(), canvas), int(label->alignment()), label->text());
    return image;
}

} // namespace

class ScalingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FormFont::install();
        qInfo("scale factor %g", factor());
    }

    void screenIsScaledByTheFactor() { QCOMPARE(qApp->devicePixelRatio(), factor()); }

    // Above 1 a picture comes from its "@2x" file at twice the pixels, still painting at its
    // designed size; at 1 it is the designed picture itself.
    void picturesUseTheirSharpVariantAboveOne_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"quiz-background.jpg", "results-background.jpg", "help-background.jpg",
              "button-lamp.png", "cursor.png", "statistics-1.png", "statistics-2.png", "exit-1.png",
              "exit-2.png", "icon.png"})
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }
    void picturesUseTheirSharpVariantAboveOne()
    {
        QFETCH(QString, name);
        const QPixmap designed(QStringLiteral(":/images/") + name);
        QVERIFY(!designed.isNull());
        const QPixmap loaded = Pictures::load(name);
        const qreal sharpness = factor() > 1 ? 2 : 1;
        QCOMPARE(loaded.devicePixelRatio(), sharpness);
        QCOMPARE(loaded.size(), designed.size() * sharpness);
        QCOMPARE(loaded.deviceIndependentSize().toSize(), designed.size());
    }

    // The pictures the results window swaps in, and its cursor, are the sharp ones too.
    void windowsHoldTheSharpPictures()
    {
        const qreal sharpness = factor() > 1 ? 2 : 1;
        FrmFinDesign results;
        for (int index : {1, 2}) {
            QCOMPARE(results.boxSt.image(index).devicePixelRatio(), sharpness);
            QCOMPARE(results.boxS.image(index).devicePixelRatio(), sharpness);
        }
        QCOMPARE(results.Image1->picture().devicePixelRatio(), sharpness);
        QCOMPARE(results.imgExit->picture().devicePixelRatio(), sharpness);
        FrmDtestDesign quiz;
        QCOMPARE(quiz.cursor().pixmap().devicePixelRatio(), sharpness);
        QCOMPARE(quiz.cursor().hotSpot(), QPoint(1, 4));
    }

    // Qt scales the whole window; nothing inside is laid out afresh for the screen.
    void windowsKeepTheirDesignedLayout()
    {
        namespace Quiz = Layout::Quiz;
        FrmDtestDesign quiz;
        QCOMPARE(quiz.size(), Quiz::client.pixels());
        QCOMPARE(quiz.lblMin->geometry(), Quiz::lblMin.pixels());
        QCOMPARE(quiz.lblSec->geometry(), Quiz::lblSec.pixels());
        QCOMPARE(quiz.cmdOk->geometry(), Quiz::cmdOk.pixels());
        FrmFinDesign results;
        QCOMPARE(results.size(), Layout::Results::client.pixels());
        QCOMPARE(results.Image1->geometry(), Layout::Results::Image1.pixels());
        // Labels that take their caption's size must still end before the value beside them,
        // and the values must keep the widths the font gives them at the designed size.
        QVERIFY(quiz.Label6->geometry().right() < quiz.lblNAns->x());
        QVERIFY(quiz.Label4->geometry().right() < quiz.lblNBall->x());
        QVERIFY(quiz.Label7->geometry().right() < quiz.lblBall->x());
        const std::pair<CaptionLabel *, Layout::Box> values[] = {{quiz.lblNAns, Quiz::lblNAns},
                                                                 {quiz.lblNBall, Quiz::lblNBall},
                                                                 {quiz.lblBall, Quiz::lblBall}};
        for (const auto &[value, box] : values)
            QCOMPARE(value->size(), box.pixels().size());
        quiz.lblBall->setCaption(QStringLiteral("0,4"));
        QVERIFY(qAbs(quiz.lblBall->width() - 15) <= 1);
    }

    // Rendered at the screen's scale, each caption shows every pixel of its letters: the same
    // ink as on a canvas with room to spare, all of it inside the label.
    void captionsShowWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addRow("clock minutes") << "lblMin"
                                       << "00";
        QTest::addRow("clock minutes at the limit") << "lblMin"
                                                    << "30";
        QTest::addRow("clock seconds") << "lblSec"
                                       << "59";
        QTest::addRow("clock separator") << "Label5"
                                         << ":";
        QTest::addRow("answered count") << "lblNAns"
                                        << "80";
        QTest::addRow("full score") << "lblNBall"
                                    << "121,9";
        QTest::addRow("points") << "lblBall"
                                << "0,4";
        for (const char *name : {"Label1", "Label2", "Label4", "Label6", "Label7"})
            QTest::addRow("%s", name) << QString::fromLatin1(name) << QString();
    }
    void captionsShowWhole()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        FrmDtestDesign quiz;
        auto *label = quiz.findChild<CaptionLabel *>(name);
        QVERIFY(label);
        if (!caption.isEmpty())
            label->setCaption(caption);
        QVERIFY(label->sizeHint().width() <= label->width());
        QVERIFY(label->sizeHint().height() <= label->height());
        const QImage shown = label->grab().toImage();
        const QRect whole = ink(unclipped(label));
        QVERIFY(!whole.isEmpty());
        QCOMPARE(ink(shown), whole);
        QVERIFY2(whole.right() < shown.width() && whole.bottom() < shown.height(),
                 qPrintable(QStringLiteral("ink to %1,%2 in %3x%4")
                                    .arg(whole.right())
                                    .arg(whole.bottom())
                                    .arg(shown.width())
                                    .arg(shown.height())));
    }

    // The help button's caption fits within the button's frame.
    void helpButtonCaptionFits()
    {
        FrmDtestDesign quiz;
        const QRect text = quiz.cmdHelp->fontMetrics().boundingRect(quiz.cmdHelp->text());
        QVERIFY(text.width() <= quiz.cmdHelp->width() - 4);
        QVERIFY(quiz.cmdHelp->fontMetrics().height() <= quiz.cmdHelp->height() - 2);
    }
};

QTEST_MAIN(ScalingTest)
#include "scaling_test.moc"
