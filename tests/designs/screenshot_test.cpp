// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows as a real X server shows them: the screenshot, pixel by pixel, against the
// background pictures and the designed boxes. Runs under tests/support/run-in-xvfb.
#include "formfont.h"
#include "frmdtestdesign.h"
#include "frmfindesign.h"
#include "frmhelpdesign.h"
#include "screengrab.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using namespace ScreenGrab;

const QRgb Black = qRgb(0, 0, 0);

bool isLampRed(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

struct Shown
{
    FormWindow *window = nullptr;
    QImage picture; // the background as stored in the resources
    QImage screen;  // the client area, grabbed from the root window
    QPoint origin;  // the client area's top left on the screen

    // Empty when every pixel of the area is as expected, else the first one that is not.
    QByteArray mismatch(const QRect &area, const std::function<QRgb(QPoint)> &expected,
                        int tolerance = Tolerance) const
    {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb seen = screen.pixel(x, y) & RGB_MASK;
                const QRgb wanted = expected({x, y}) & RGB_MASK;
                if (!near(seen, wanted, tolerance))
                    return QString::asprintf("at (%d,%d) seen #%06x, expected #%06x", x, y, seen,
                                             wanted)
                            .toUtf8();
            }
        }
        return {};
    }
    QByteArray notPicture(const QRect &area) const
    {
        return mismatch(area, [this](QPoint at) { return picture.pixel(at); });
    }
    int count(const QRect &area, bool (*is)(QRgb)) const
    {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                found += is(screen.pixel(x, y));
        }
        return found;
    }
    // The controls' ground is exactly black, unlike the nearly black screens of the picture.
    QByteArray notBlack(const QRect &area) const
    {
        const auto black = [](QPoint) { return Black; };
        return mismatch(area, black, 0);
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
        // The designed boxes are device pixels; a scaled screen would draw the @2x pictures.
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
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
        QCOMPARE(shot.screen.size(), client);
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
        QTest::addColumn<QPoint>("at");
        QTest::addRow("quiz: gauge needle") << "frmDTEST" << QPoint(69, 64);
        QTest::addRow("quiz: switch panel") << "frmDTEST" << QPoint(94, 184);
        QTest::addRow("quiz: speaker") << "frmDTEST" << QPoint(94, 432);
        QTest::addRow("quiz: lamps under the question") << "frmDTEST" << QPoint(180, 307);
        QTest::addRow("quiz: oscilloscope") << "frmDTEST" << QPoint(561, 189);
        QTest::addRow("quiz: bottom right rivet") << "frmDTEST" << QPoint(619, 473);
        QTest::addRow("results: gauge") << "frmFin" << QPoint(31, 302);
        QTest::addRow("results: slider") << "frmFin" << QPoint(357, 103);
        QTest::addRow("results: last column") << "frmFin" << QPoint(416, 218);
        QTest::addRow("results: through the verdict") << "frmFin" << QPoint(230, 182);
        QTest::addRow("results: under the verdict") << "frmFin" << QPoint(300, 300);
        QTest::addRow("help: top left rivet") << "frmHelp" << QPoint(24, 21);
        QTest::addRow("help: gauge") << "frmHelp" << QPoint(285, 356);
        QTest::addRow("help: hazard stripes") << "frmHelp" << QPoint(334, 450);
        QTest::addRow("help: right rivet") << "frmHelp" << QPoint(380, 330);
    }
    void pictureShowsWhereNoControlIs()
    {
        QFETCH(QString, window);
        QFETCH(QPoint, at);
        const Shown shot = m_shown.value(window);
        // A black sample could not tell the picture from a control's ground.
        QVERIFY(!near(shot.picture.pixel(at), Black));
        const QByteArray wrong = shot.notPicture({at, at});
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
        QVERIFY(!near(shot.picture.pixel(at), Black, 0));
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
        QVERIFY(!near(shot.picture.pixel(outside), Black));
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
        QVERIFY2(shot.count(leftDigit, isTextGreen) > 0, "no digit in the box");
        // Hinted to whole pixels, the second 0 is the first one six pixels on; cut off at the
        // box's edge, it would lose its right side.
        const QPoint advance(6, 0);
        const QByteArray cut = shot.mismatch(leftDigit.translated(advance), [&](QPoint at) {
            return shot.screen.pixel(at - advance);
        });
        QVERIFY2(cut.isEmpty(), cut);
        // Nothing spills past the box: the picture shows right of it.
        const QByteArray spill = shot.notPicture({topLeft + QPoint(12, 0), QSize(4, 13)});
        QVERIFY2(spill.isEmpty(), spill);
    }

private:
    void capture(FormWindow *window, const QString &picture, QPoint free)
    {
        Shown shot;
        shot.window = window;
        shot.picture =
                QImage(QStringLiteral(":/images/") + picture).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!shot.picture.isNull());
        shot.screen = showAndGrab(window, shot.picture, free);
        QVERIFY2(!shot.screen.isNull(),
                 qPrintable(window->objectName() + QStringLiteral(" never showed its picture")));
        shot.origin = window->mapToGlobal(QPoint(0, 0));
        window->hide();
        m_shown.insert(window->objectName(), shot);
    }

    std::unique_ptr<FrmDtestDesign> m_quiz;
    std::unique_ptr<FrmFinDesign> m_results;
    std::unique_ptr<FrmHelpDesign> m_help;
    QHash<QString, Shown> m_shown;
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
