// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows as a real X server shows them at scale factor 2: twice the designed pixels,
// the "@2x" pictures drawn one to one, and the controls at twice their designed positions.
// Runs under tests/support/run-in-xvfb with QT_SCALE_FACTOR=2.
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

#include <memory>

namespace {

constexpr int Scale = 2;
using namespace ScreenGrab;

const QRgb Black = qRgb(0, 0, 0);

QString describe(QRgb pixel)
{
    return QString::asprintf("#%06x", pixel & RGB_MASK);
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

struct Shot
{
    QImage screen;  // the client area from the root window, in device pixels
    QImage picture; // the window's "@2x" background as stored in the resources
    QSize onServer;

    // The device pixel under a designed (logical) position, at one of its four pixels.
    QRgb at(QPoint designed, QPoint within = {}) const
    {
        return screen.pixel(designed * Scale + within) & RGB_MASK;
    }
};

} // namespace

class Screenshot2xTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FormFont::install();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QCOMPARE(qApp->devicePixelRatio(), qreal(Scale));
        m_quiz = std::make_unique<FrmDtestDesign>();
        m_results = std::make_unique<FrmFinDesign>();
        m_help = std::make_unique<FrmHelpDesign>();
        // Centred, they overlap: each is shown, captured and hidden in turn.
        capture(m_quiz.get(), "quiz-background@2x.jpg", {69, 64});
        capture(m_results.get(), "results-background@2x.jpg", {31, 302});
        capture(m_help.get(), "help-background@2x.jpg", {24, 21});
    }

    void windowsHaveTwiceTheirDesignedPixels_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("device");
        QTest::addRow("quiz window") << "frmDTEST" << QSize(1278, 958);
        QTest::addRow("results window") << "frmFin" << QSize(834, 754);
        QTest::addRow("help window") << "frmHelp" << QSize(800, 938);
    }
    void windowsHaveTwiceTheirDesignedPixels()
    {
        QFETCH(QString, window);
        QFETCH(QSize, device);
        const Shot shot = m_shots.value(window);
        QCOMPARE(shot.onServer, device);
        QCOMPARE(shot.screen.size(), device);
    }

    // Every device pixel of the background is the sharp picture's own, not a doubled designed
    // pixel: whole areas where no control lies, compared pixel by pixel.
    void backgroundIsTheSharpPictureOneToOne_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QRect>("area"); // designed pixels
        QTest::addRow("quiz: the console left of the screens")
                << "frmDTEST" << QRect(0, 20, 120, 459);
        QTest::addRow("results: left of the verdict") << "frmFin" << QRect(0, 0, 90, 377);
        QTest::addRow("help: the plate under the text") << "frmHelp" << QRect(0, 310, 398, 110);
    }
    void backgroundIsTheSharpPictureOneToOne()
    {
        QFETCH(QString, window);
        QFETCH(QRect, area);
        const Shot shot = m_shots.value(window);
        const QRect device(area.topLeft() * Scale, area.size() * Scale);
        int differing = 0;
        QString first;
        for (int y = device.top(); y <= device.bottom(); ++y) {
            for (int x = device.left(); x <= device.right(); ++x) {
                const QRgb seen = shot.screen.pixel(x, y) & RGB_MASK;
                const QRgb wanted = shot.picture.pixel(x, y) & RGB_MASK;
                if (!near(seen, wanted) && differing++ == 0)
                    first = QStringLiteral("(%1,%2) is %3, expected %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(describe(seen), describe(wanted));
            }
        }
        QVERIFY2(differing == 0,
                 qPrintable(QString::number(differing) + QStringLiteral(" pixels differ, first ") +
                            first));
    }

    // The clock's boxes: black from their designed left edge, the picture just outside, and
    // both digits inside the box, none spilling over.
    void clockBoxesSitAtTwiceTheirPositions_data()
    {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addRow("lblMin") << QPoint(552, 8);
        QTest::addRow("lblSec") << QPoint(576, 8);
    }
    void clockBoxesSitAtTwiceTheirPositions()
    {
        QFETCH(QPoint, topLeft);
        const Shot shot = m_shots.value(QStringLiteral("frmDTEST"));
        const QPoint device = topLeft * Scale;
        // The box's top row has no letters: it is all black, and the pixel before it is not.
        for (int x = device.x(); x < device.x() + 12 * Scale; ++x)
            QVERIFY2((shot.screen.pixel(x, device.y()) & RGB_MASK) == (Black & RGB_MASK),
                     qPrintable(QStringLiteral("x=%1: %2")
                                        .arg(x)
                                        .arg(describe(shot.screen.pixel(x, device.y())))));
        const QPoint before = device - QPoint(1, 0);
        QVERIFY(near(shot.screen.pixel(before) & RGB_MASK, shot.picture.pixel(before) & RGB_MASK));
        QVERIFY(!near(shot.picture.pixel(before), Black));

        auto greenIn = [&](int fromColumn, int toColumn) {
            int count = 0;
            for (int y = device.y(); y < device.y() + 13 * Scale; ++y) {
                for (int x = device.x() + fromColumn; x <= device.x() + toColumn; ++x)
                    count += isTextGreen(shot.screen.pixel(x, y));
            }
            return count;
        };
        QVERIFY2(greenIn(0, 6 * Scale - 1) > 0, "no left digit");
        QVERIFY2(greenIn(6 * Scale, 12 * Scale - 1) > 0, "no right digit");
        QCOMPARE(greenIn(12 * Scale, 16 * Scale - 1), 0);
    }

    // The "статистика" picture of the results window, pixel for pixel its "@2x" file.
    void statisticsPictureIsSharp()
    {
        const Shot shot = m_shots.value(QStringLiteral("frmFin"));
        const QImage sharp = QImage(QStringLiteral(":/images/statistics-1@2x.png"))
                                     .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sharp.size(), QSize(79, 14) * Scale);
        const QPoint origin = m_results->Image1->pos() * Scale;
        int differing = 0;
        for (int y = 0; y < sharp.height(); ++y) {
            for (int x = 0; x < sharp.width(); ++x)
                differing += !near(shot.screen.pixel(origin + QPoint(x, y)), sharp.pixel(x, y));
        }
        QCOMPARE(differing, 0);
    }

    // The lamp of the Next button, red at the centre of its black face.
    void lampButtonIsRedOnBlack()
    {
        const Shot shot = m_shots.value(QStringLiteral("frmDTEST"));
        const QRect box(
                m_quiz->findChild<QWidget *>(QStringLiteral("cmdOk"))->geometry().topLeft() * Scale,
                QSize(49, 33) * Scale);
        QCOMPARE(shot.screen.pixel(box.left(), box.top() + 3) & RGB_MASK, Black & RGB_MASK);
        const QRgb centre = shot.screen.pixel(box.center());
        QVERIFY2(qRed(centre) > 150 && qGreen(centre) < 80, qPrintable(describe(centre)));
    }

private:
    void capture(FormWindow *window, const char *picture, QPoint free)
    {
        Shot shot;
        shot.picture = QImage(QStringLiteral(":/images/") + QLatin1String(picture))
                               .convertToFormat(QImage::Format_RGB32);
        QVERIFY(!shot.picture.isNull());
        shot.screen = showAndGrab(window, shot.picture, free * Scale);
        QVERIFY2(!shot.screen.isNull(),
                 qPrintable(window->objectName() + QStringLiteral(" never showed its picture")));
        shot.onServer = serverSize(window);
        window->hide();
        m_shots.insert(window->objectName(), shot);
    }

    std::unique_ptr<FrmDtestDesign> m_quiz;
    std::unique_ptr<FrmFinDesign> m_results;
    std::unique_ptr<FrmHelpDesign> m_help;
    QHash<QString, Shot> m_shots;
};

QTEST_MAIN(Screenshot2xTest)
#include "screenshot2x_test.moc"
