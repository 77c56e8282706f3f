// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows as a real X server shows them: the screenshot, pixel by pixel, against the
// background pictures and the designed boxes. Runs under tests/support/run-in-xvfb, once at
// the designed size and once with QT_SCALE_FACTOR=2, where every designed pixel is two by two
// device pixels and the "@2x" pictures must show one to one, not doubled designed pixels.
#include "doublesizename.h"
#include "formfont.h"
#include "frmdtestdesign.h"
#include "frmfindesign.h"
#include "frmhelpdesign.h"
#include "picturebox.h"
#include "screengrab.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

namespace {

using namespace ScreenGrab;

const QRgb Black = qRgb(0, 0, 0);

bool isLampRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

// The window's size as the X server has it, in device pixels.
QSize serverSize(QWidget *window)
{
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"),
                   {QStringLiteral("-id"), QString::number(window->winId())});
    if (!xwininfo.waitForFinished(10000))
        return {};
    const QString info = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto width = QRegularExpression(QStringLiteral("Width: (\\d+)")).match(info);
    const auto height = QRegularExpression(QStringLiteral("Height: (\\d+)")).match(info);
    return QSize(width.captured(1).toInt(), height.captured(1).toInt());
}

// Areas and points are given in designed pixels; each stands for scale × scale device pixels.
struct Shown
{
    FormWindow *window = nullptr;
    int scale = 1;
    QImage picture; // the background as stored in the resources, at the screen's scale
    QImage screen;  // the client area, grabbed from the root window, in device pixels
    QPoint origin;  // the client area's top left on the screen
    QSize onServer; // the window's size as the X server has it

    // The first device pixel of the designed area where `found` holds.
    std::optional<QPoint> first(const QRect &area, const std::function<bool(QPoint)> &found) const
    {
        const QRect pixels(area.topLeft() * scale, area.size() * scale);
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                if (found({x, y}))
                    return QPoint(x, y);
            }
        }
        return {};
    }
    // Empty when every pixel of the area is as expected (asked by device pixel), else the first
    // one that is not.
    QByteArray mismatch(const QRect &area, const std::function<QRgb(QPoint)> &expected,
                        int tolerance = Tolerance) const
    {
        const auto wrong = first(area, [&](QPoint at) {
            return !near(screen.pixel(at) & RGB_MASK, expected(at) & RGB_MASK, tolerance);
        });
        if (!wrong)
            return {};
        return QString::asprintf("at (%d,%d) seen #%06x, expected #%06x", wrong->x(), wrong->y(),
                                 screen.pixel(*wrong) & RGB_MASK, expected(*wrong) & RGB_MASK)
                .toUtf8();
    }
    QByteArray notPicture(const QRect &area) const
    {
        return mismatch(area, [this](QPoint at) { return picture.pixel(at); });
    }
    int count(const QRect &area, bool (*is)(QRgb)) const
    {
        int found = 0;
        first(area, [&](QPoint at) {
            found += is(screen.pixel(at));
            return false; // on through the whole area
        });
        return found;
    }
    // The controls' ground is exactly black, unlike the nearly black screens of the picture.
    QByteArray notBlack(const QRect &area) const
    {
        const auto black = [](QPoint) { return Black; };
        return mismatch(area, black, 0);
    }
    // Whether the picture is black all over a designed pixel.
    bool pictureIsBlackAt(QPoint at, int tolerance = Tolerance) const
    {
        return !first({at, at},
                      [&](QPoint pixel) { return !near(picture.pixel(pixel), Black, tolerance); });
    }
};

} // namespace

class ScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FormFont::install();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        // Whole device pixels to a designed one: the boxes are exact at either scale.
        m_scale = qRound(qApp->devicePixelRatio());
        QCOMPARE(qApp->devicePixelRatio(), qreal(m_scale));
        m_quiz = std::make_unique<FrmDtestDesign>();
        m_results = std::make_unique<FrmFinDesign>();
        m_help = std::make_unique<FrmHelpDesign>();
        // All three are centred and overlap, so each is shown, captured and hidden in turn.
        capture(m_quiz.get(), "quiz-background.jpg", {69, 64});
        capture(m_results.get(), "results-background.jpg", {31, 302});
        capture(m_help.get(), "help-background.jpg", {24, 21});
    }

    void screenshotHasTheClientSizeAndIsCentred_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("client");
        QTest::addRow("quiz window") << "frmDTEST" << QSize(639, 479);
        QTest::addRow("results window") << "frmFin" << QSize(417, 377);
        QTest::addRow("help window") << "frmHelp" << QSize(400, 469);
    }
    void screenshotHasTheClientSizeAndIsCentred()
    {
        QFETCH(QString, window);
        QFETCH(QSize, client);
        const Shown shot = m_shown.value(window);
        QCOMPARE(shot.onServer, client * m_scale);
        QCOMPARE(shot.screen.size(), client * m_scale);
        const QPoint offCentre = QRect(shot.origin, client).center() -
                shot.window->screen()->availableGeometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
                 qPrintable(QStringLiteral("client at %1,%2")
                                    .arg(shot.origin.x())
                                    .arg(shot.origin.y())));
    }

    void pictureShowsWhereNoControlIs_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QRect>("area");
        QTest::addRow("quiz: gauge needle") << "frmDTEST" << QRect(69, 64, 1, 1);
        QTest::addRow("quiz: switch panel") << "frmDTEST" << QRect(94, 184, 1, 1);
        QTest::addRow("quiz: speaker") << "frmDTEST" << QRect(94, 432, 1, 1);
        QTest::addRow("quiz: lamps under the question") << "frmDTEST" << QRect(180, 307, 1, 1);
        QTest::addRow("quiz: oscilloscope") << "frmDTEST" << QRect(561, 189, 1, 1);
        QTest::addRow("quiz: bottom right rivet") << "frmDTEST" << QRect(619, 473, 1, 1);
        QTest::addRow("quiz: the console left of the screens")
                << "frmDTEST" << QRect(0, 20, 120, 459);
        QTest::addRow("results: gauge") << "frmFin" << QRect(31, 302, 1, 1);
        QTest::addRow("results: slider") << "frmFin" << QRect(357, 103, 1, 1);
        QTest::addRow("results: last column") << "frmFin" << QRect(416, 218, 1, 1);
        QTest::addRow("results: through the verdict") << "frmFin" << QRect(230, 182, 1, 1);
        QTest::addRow("results: under the verdict") << "frmFin" << QRect(300, 300, 1, 1);
        QTest::addRow("results: left of the verdict") << "frmFin" << QRect(0, 0, 90, 377);
        QTest::addRow("help: top left rivet") << "frmHelp" << QRect(24, 21, 1, 1);
        QTest::addRow("help: gauge") << "frmHelp" << QRect(285, 356, 1, 1);
        QTest::addRow("help: hazard stripes") << "frmHelp" << QRect(334, 450, 1, 1);
        QTest::addRow("help: right rivet") << "frmHelp" << QRect(380, 330, 1, 1);
        QTest::addRow("help: the plate under the text") << "frmHelp" << QRect(0, 310, 398, 110);
    }
    void pictureShowsWhereNoControlIs()
    {
        QFETCH(QString, window);
        QFETCH(QRect, area);
        const Shown shot = m_shown.value(window);
        // A black sample could not tell the picture from a control's ground.
        QVERIFY(!shot.pictureIsBlackAt(area.topLeft()));
        const QByteArray wrong = shot.notPicture(area);
        QVERIFY2(wrong.isEmpty(), wrong);
    }

    // Sampled on the controls' free top rows and margins, where the picture beneath is not black.
    void controlGroundIsBlack_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("at");
        QTest::addRow("txtMain") << "frmDTEST" << QPoint(504, 65);
        QTest::addRow("txtQuest") << "frmDTEST" << QPoint(445, 280);
        QTest::addRow("lstAns") << "frmDTEST" << QPoint(512, 454);
        QTest::addRow("Label1") << "frmDTEST" << QPoint(620, 304);
        QTest::addRow("Label2") << "frmDTEST" << QPoint(576, 384);
        QTest::addRow("Label6") << "frmDTEST" << QPoint(528, 32);
        QTest::addRow("Label4") << "frmDTEST" << QPoint(528, 48);
        QTest::addRow("Label7") << "frmDTEST" << QPoint(536, 224);
        QTest::addRow("lblNAns") << "frmDTEST" << QPoint(584, 32);
        QTest::addRow("lblNBall") << "frmDTEST" << QPoint(584, 48);
        QTest::addRow("lblBall") << "frmDTEST" << QPoint(600, 224);
        QTest::addRow("txthelp") << "frmHelp" << QPoint(344, 39);
    }
    void controlGroundIsBlack()
    {
        QFETCH(QString, window);
        QFETCH(QPoint, at);
        const Shown shot = m_shown.value(window);
        QVERIFY(!shot.pictureIsBlackAt(at, 0));
        const QByteArray wrong = shot.notBlack({at, at});
        QVERIFY2(wrong.isEmpty(), wrong);
    }

    // Black on the inner pixel, the picture on the one beyond: the box is exactly where designed.
    void controlEdgesLieOnTheDesignedPixels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        QTest::addRow("lblMin, left") << "frmDTEST" << QPoint(552, 8) << QPoint(551, 8);
        QTest::addRow("lblMin, right") << "frmDTEST" << QPoint(563, 20) << QPoint(564, 20);
        QTest::addRow("lblSec, left") << "frmDTEST" << QPoint(576, 8) << QPoint(575, 8);
        QTest::addRow("txtMain, top") << "frmDTEST" << QPoint(300, 40) << QPoint(300, 39);
        QTest::addRow("txtMain, left") << "frmDTEST" << QPoint(136, 100) << QPoint(135, 100);
        QTest::addRow("cmdOk, left") << "frmDTEST" << QPoint(576, 321) << QPoint(575, 321);
        QTest::addRow("cmdOk, right") << "frmDTEST" << QPoint(624, 321) << QPoint(625, 321);
        QTest::addRow("cmdOk, bottom") << "frmDTEST" << QPoint(600, 352) << QPoint(600, 353);
        QTest::addRow("txthelp, left") << "frmHelp" << QPoint(40, 100) << QPoint(39, 100);
        QTest::addRow("txthelp, right") << "frmHelp" << QPoint(344, 150) << QPoint(345, 150);
        QTest::addRow("txthelp, bottom") << "frmHelp" << QPoint(40, 304) << QPoint(40, 305);
    }
    void controlEdgesLieOnTheDesignedPixels()
    {
        QFETCH(QString, window);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        const Shown shot = m_shown.value(window);
        QVERIFY(!shot.pictureIsBlackAt(outside));
        QByteArray wrong = shot.notBlack({inside, inside});
        QVERIFY2(wrong.isEmpty(), wrong);
        wrong = shot.notPicture({outside, outside});
        QVERIFY2(wrong.isEmpty(), wrong);
    }

    void pictureButtonsShowTheLampOnABlackFace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("cmdOk") << "cmdOk";
        QTest::addRow("cmdCheck") << "cmdCheck";
    }
    void pictureButtonsShowTheLampOnABlackFace()
    {
        QFETCH(QString, name);
        const Shown shot = m_shown.value(QStringLiteral("frmDTEST"));
        const QRect box = m_quiz->findChild<QWidget *>(name)->geometry();
        // The caption label above overlaps the first row; the centred 28-px lamp leaves two more.
        const QByteArray wrong = shot.notBlack({box.left(), box.top() + 1, box.width(), 2});
        QVERIFY2(wrong.isEmpty(), wrong);
        const int red = shot.count({box.center() - QPoint(2, 2), QSize(5, 5)}, isLampRed);
        QVERIFY2(red >= 5, qPrintable(QStringLiteral("%1 red pixels").arg(red)));
    }

    // The "статистика" picture of the results window, pixel for pixel its file.
    void statisticsPictureShowsOneToOne()
    {
        const Shown shot = m_shown.value(QStringLiteral("frmFin"));
        const QImage file = QImage(pictureFile(QStringLiteral("statistics-1.png")))
                                    .convertToFormat(QImage::Format_RGB32);
        const QRect box = m_results->Image1->geometry();
        QCOMPARE(file.size(), box.size() * m_scale);
        const QPoint corner = box.topLeft() * m_scale;
        const QByteArray wrong =
                shot.mismatch(box, [&](QPoint at) { return file.pixel(at - corner); });
        QVERIFY2(wrong.isEmpty(), wrong);
    }

    // The picture is two pixels short of the client area; the platform's face fills the rest.
    void helpWindowStripsShowTheWindowFace()
    {
        const Shown shot = m_shown.value(QStringLiteral("frmHelp"));
        const QRgb face = m_help->palette().color(QPalette::Window).rgb();
        for (const QRect &strip : {QRect(398, 0, 2, 469), QRect(0, 467, 400, 2)}) {
            const QByteArray wrong = shot.mismatch(strip, [face](QPoint) { return face; });
            QVERIFY2(wrong.isEmpty(), wrong);
        }
    }

    // Two digits in the clock's 12-pixel boxes, both whole, nothing spilling past the box.
    void clockShowsBothDigitsWhole_data()
    {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addRow("lblMin") << QPoint(552, 8);
        QTest::addRow("lblSec") << QPoint(576, 8);
    }
    void clockShowsBothDigitsWhole()
    {
        QFETCH(QPoint, topLeft);
        const Shown shot = m_shown.value(QStringLiteral("frmDTEST"));
        const QRect leftDigit(topLeft, QSize(6, 13));
        const QPoint advance(6, 0);
        QVERIFY2(shot.count(leftDigit, isTextGreen) > 0, "no left digit");
        QVERIFY2(shot.count(leftDigit.translated(advance), isTextGreen) > 0, "no right digit");
        // Hinted to whole pixels at the designed size, the second 0 is the first one six pixels
        // on; cut off at the box's edge, it would lose its right side.
        if (m_scale == 1) {
            const QByteArray cut = shot.mismatch(leftDigit.translated(advance), [&](QPoint at) {
                return shot.screen.pixel(at - advance);
            });
            QVERIFY2(cut.isEmpty(), cut);
        }
        // Nothing spills past the box: the picture shows right of it.
        const QByteArray spill = shot.notPicture({topLeft + QPoint(12, 0), QSize(4, 13)});
        QVERIFY2(spill.isEmpty(), spill);
    }

private:
    // A picture's file in the resources, the "@2x" one on a scaled screen.
    QString pictureFile(const QString &name) const
    {
        return QStringLiteral(":/images/") + (m_scale > 1 ? Pictures::doubleSizeName(name) : name);
    }

    void capture(FormWindow *window, const char *picture, QPoint free)
    {
        Shown shot;
        shot.window = window;
        shot.scale = m_scale;
        shot.picture =
                QImage(pictureFile(QLatin1String(picture))).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!shot.picture.isNull());
        shot.screen = showAndGrab(window, shot.picture, free * m_scale);
        QVERIFY2(!shot.screen.isNull(),
                 qPrintable(window->objectName() + QStringLiteral(" never showed its picture")));
        shot.origin = window->mapToGlobal(QPoint(0, 0));
        shot.onServer = serverSize(window);
        window->hide();
        m_shown.insert(window->objectName(), shot);
    }

    int m_scale = 1;
    std::unique_ptr<FrmDtestDesign> m_quiz;
    std::unique_ptr<FrmFinDesign> m_results;
    std::unique_ptr<FrmHelpDesign> m_help;
    QHash<QString, Shown> m_shown;
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
