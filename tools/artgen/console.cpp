// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz window's background: a dusty machine console whose glass screens and
// displays sit exactly under the window's widgets.
#include "layout.h"
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

using namespace PaintKit;

namespace {
// Where the quiz window puts its widgets.
namespace Designed = Layout::Quiz;
constexpr QRect helpButton = Designed::cmdHelp.pixels();
constexpr QRect mainText = Designed::txtMain.pixels();
constexpr QRect questionText = Designed::txtQuest.pixels();
constexpr QRect answerList = Designed::lstAns.pixels();
constexpr QRect nextCaption = Designed::Label1.pixels();
constexpr QRect nextButton = Designed::cmdOk.pixels();
constexpr QRect answersCaption = Designed::Label2.pixels();
constexpr QRect answersButton = Designed::cmdCheck.pixels();
// Dark windows behind the clock, the answered/score counters and the question's cost;
// wide enough for the numbers to grow a few digits to the right.
const QRect clockWindow =
        (Designed::lblMin.pixels() | Designed::Label5.pixels() | Designed::lblSec.pixels())
                .adjusted(-6, -4, 6, 3);
const QRect counterWindow = (Designed::Label6.pixels() | Designed::lblNAns.pixels() |
                             Designed::Label4.pixels() | Designed::lblNBall.pixels())
                                    .adjusted(-4, -3, 34, 4);
const QRect costWindow =
        (Designed::Label7.pixels() | Designed::lblBall.pixels()).adjusted(-5, -5, 12, 5);

constexpr QColor steel(60, 64, 62);
constexpr QColor darkSteel(44, 47, 46);
constexpr QColor green(70, 235, 110);
constexpr QColor amber(235, 160, 40);
constexpr QColor red(230, 50, 35);

QRectF grown(const QRect &r, qreal by)
{
    return QRectF(r).adjusted(-by, -by, by, by);
}

QPainterPath rectPath(const QRectF &r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

void paintFrame(QPainter &p)
{
    // Five plates: a top rail, a bottom rail and three columns.
    const QRectF plates[] = {{0, 0, 640, 27},
                             {0, 469, 640, 11},
                             {0, 27, 112, 442},
                             {112, 27, 412, 442},
                             {524, 27, 116, 442}};
    quint32 seed = 100;
    for (const QRectF &r : plates) {
        const bool column = r.height() > r.width();
        brushedMetal(p, rectPath(r), r.width() == 412 ? darkSteel : steel, seed++,
                     column ? Grain::Vertical : Grain::Horizontal);
        topLight(p, rectPath(r), 16, 40);
        bevel(p, r, 0, 1, true, 80);
    }
    grime(p, rectPath(QRectF(0, 0, 640, 480)), 7, 90);

    // The help button's corner stays a plain flat pad.
    const QRectF pad = QRectF(helpButton).adjusted(0, 0, 4, 4);
    p.fillRect(pad, QColor(38, 41, 40));
    bevel(p, pad.adjusted(-2, -2, 0, 0), 0, 1, false, 90);

    for (int x = 72; x <= 512; x += 40)
        rivet(p, QPointF(x, 13.5), 2.6);
    for (int x : {608, 624})
        rivet(p, QPointF(x, 13.5), 2.6);
    for (int x = 20; x <= 620; x += 40)
        rivet(p, QPointF(x, 474.5), 2.2);
}

void paintDisplayWindow(QPainter &p, const QRect &window)
{
    recess(p, window, 2, 2);
    // Numbers lie straight on this glass, so its reflection is kept faint.
    glassScreen(p, window, QRectF(), 2, 12);
}

void paintMonitor(QPainter &p)
{
    // One housing holds the story screen and, under a thin mullion, the question slot.
    const QRectF housing(119, 29, 405, 265);
    plate(p, housing, 6, steel, 11);
    const QRectF storyGlass = QRectF(mainText).adjusted(-3, -3, 3, 2);
    const QRectF questionGlass = QRectF(questionText).adjusted(-3, -2, 3, 3);
    recess(p, storyGlass, 3, 2);
    recess(p, questionGlass, 3, 2);
    glassScreen(p, storyGlass, mainText, 3);
    glassScreen(p, questionGlass, questionText, 3);

    // The mullion between the two glasses.
    const QRectF mullion(storyGlass.left() + 1, storyGlass.bottom(), storyGlass.width() - 2,
                         questionGlass.top() - storyGlass.bottom());
    QLinearGradient bar(mullion.topLeft(), mullion.bottomLeft());
    bar.setColorAt(0, QColor(120, 126, 122));
    bar.setColorAt(1, QColor(40, 43, 42));
    p.fillRect(mullion, bar);

    for (qreal y : {37.5, 132.5, 221.5, 286.5})
        screw(p, QPointF(126, y), 2.6, 35 + y);
    for (qreal y : {37.5, 132.5, 218.5})
        screw(p, QPointF(515.5, y), 2.6, 80 + y);
    // A tiny power lamp in the corner of the bezel.
    lamp(p, QPointF(515.5, 176), 2.2, green, 0.6);
}

void paintAnswerScreen(QPainter &p)
{
    const QRectF housing(115, 325, 409, 142);
    plate(p, housing, 6, steel, 12);
    const QRectF glass = grown(answerList, 3);
    recess(p, glass, 3, 2);
    glassScreen(p, glass, answerList, 3);
    for (qreal y : {333.5, 395.5, 458.5})
        screw(p, QPointF(120.5, y), 2.4, 20 + y);
    for (qreal y : {333.5, 458.5})
        screw(p, QPointF(519.5, y), 2.4, 60 + y);
}

// The strip between the question slot and the answer screen.
void paintInstrumentStrip(QPainter &p)
{
    const QColor hues[] = {green, green, amber, red, green};
    const qreal levels[] = {0.8, 0, 0.7, 0, 0};
    for (int i = 0; i < 5; ++i) {
        const QPointF c(136 + i * 15, 309.5);
        bezelRing(p, c, 5.2, 3.6);
        lamp(p, c, 3.6, hues[i], levels[i]);
    }

    // A segment bar meter, a few segments glowing.
    const QRect meter(224, 302, 170, 15);
    recess(p, meter, 1.5, 2);
    p.fillRect(meter, QColor(6, 9, 7));
    constexpr int segments = 24;
    for (int i = 0; i < segments; ++i) {
        const QRectF seg(meter.left() + 3 + i * 6.9, meter.top() + 3, 4.6, meter.height() - 6);
        const bool lit = i < 13;
        const QColor hue = i < 17 ? green : (i < 21 ? amber : red);
        p.fillRect(seg, lit ? withAlpha(hue.darker(130), 200) : withAlpha(hue.darker(500), 180));
    }
    QLinearGradient sheen(meter.topLeft(), meter.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 30));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(meter, sheen);

    ventSlots(p, QRectF(410, 300, 96, 20), 10, Qt::Vertical);
}

void paintLeftColumn(QPainter &p)
{
    dial(p, QPointF(56, 84), 38, 0.62, 31);
    cornerRivets(p, QRectF(10, 38, 92, 94), 2, 2.2);

    // Toggle bank with its own little plate and a lamp over each switch.
    const QRectF bank(12, 142, 88, 48);
    plate(p, bank, 4, darkSteel, 32, 1.8);
    const qreal lampLevels[] = {0.7, 0, 0.7};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(30 + i * 26, 153);
        lamp(p, c, 2.6, i == 1 ? amber : green, lampLevels[i]);
        toggleSwitch(p, QPointF(30 + i * 26, 174), 10, i != 1);
    }

    // Twin level meters.
    const QRect meters(16, 200, 80, 104);
    recess(p, meters, 3, 2);
    p.fillRect(meters, QColor(7, 9, 8));
    for (int column = 0; column < 2; ++column) {
        const int lit = column == 0 ? 9 : 6;
        for (int i = 0; i < 12; ++i) {
            const QRectF seg(meters.left() + 12 + column * 34, meters.bottom() - 10 - i * 7.9, 22,
                             5);
            const QColor hue = i < 8 ? green : (i < 10 ? amber : red);
            p.fillRect(seg,
                       i < lit ? withAlpha(hue.darker(140), 190) : withAlpha(hue.darker(600), 170));
        }
    }
    QLinearGradient sheen(meters.topLeft(), meters.bottomRight());
    sheen.setColorAt(0, QColor(255, 255, 255, 26));
    sheen.setColorAt(0.4, QColor(255, 255, 255, 0));
    p.fillRect(meters, sheen);

    const QRectF speaker(12, 316, 88, 122);
    plate(p, speaker, 5, darkSteel, 33, 2);
    speakerGrille(p, speaker.adjusted(10, 10, -10, -10), 7.5, 2.2);

    hazardStripes(p, QRectF(10, 446, 92, 16), 8, 34);
}

void paintScope(QPainter &p, const QPointF &c, qreal r)
{
    QPainterPath face;
    face.addEllipse(c, r, r);
    QRadialGradient tube(c, r);
    tube.setColorAt(0, QColor(12, 30, 18));
    tube.setColorAt(1, QColor(3, 7, 4));
    p.fillPath(face, tube);
    p.save();
    p.setClipPath(face);
    p.setPen(QPen(withAlpha(green, 34), 1));
    for (int i = -3; i <= 3; ++i) {
        p.drawLine(QPointF(c.x() + i * r / 3.5, c.y() - r),
                   QPointF(c.x() + i * r / 3.5, c.y() + r));
        p.drawLine(QPointF(c.x() - r, c.y() + i * r / 3.5),
                   QPointF(c.x() + r, c.y() + i * r / 3.5));
    }
    // A slow waveform, drawn twice: a wide soft glow and a thin trace.
    QPainterPath wave;
    for (int i = 0; i <= 80; ++i) {
        const qreal t = i / 80.0;
        const qreal x = c.x() - r + t * 2 * r;
        const qreal y = c.y() - std::sin(t * 2 * M_PI * 1.5) * r * 0.35 * std::exp(-t * 0.8);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(green, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);
    p.setPen(QPen(withAlpha(green.lighter(120), 170), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);
    p.restore();
    roundGlass(p, c, r, r + 5, {0.4, 0.5}, {0.9, 0.6}, 40);
}

void paintRightColumn(QPainter &p)
{
    paintDisplayWindow(p, counterWindow);

    const QRectF scopePlate(528, 72, 102, 140);
    plate(p, scopePlate, 5, darkSteel, 41, 2);
    paintScope(p, QPointF(579, 130), 36);
    for (int i = 0; i < 4; ++i) {
        const QPointF c(548 + i * 14, 191);
        bezelRing(p, c, 4.2, 2.8);
        lamp(p, c, 2.8, i == 3 ? amber : green, i == 1 ? 0 : 0.55);
    }

    paintDisplayWindow(p, costWindow);
    ventSlots(p, QRectF(534, 250, 94, 38), 6, Qt::Horizontal);

    // Pipes run down beside the two button panels.
    for (qreal x : {531.0, 545.0}) {
        pipe(p, QRectF(x, 292, 9, 177), QColor(86, 78, 64));
        for (qreal y : {312.0, 392.0, 448.0}) {
            const QRectF clamp(x - 2, y, 13, 6);
            p.fillRect(clamp, QColor(50, 53, 52));
            bevel(p, clamp, 1, 1, true, 70);
            rivet(p, clamp.center(), 1.4);
        }
    }

    const QRect captions[] = {nextCaption, answersCaption};
    const QRect buttons[] = {nextButton, answersButton};
    for (int i = 0; i < 2; ++i) {
        // A plate round each caption and its button.
        const QRectF panel = QRectF(captions[i] | buttons[i]).adjusted(-10, -8, 10, 8);
        plate(p, panel, 4, steel, 50 + i, 1.7);
        for (const QRect &hole : {captions[i], buttons[i]}) {
            recess(p, hole, 1, 1.5);
            p.fillRect(hole, QColor(3, 4, 3));
        }
    }
    hazardStripes(p, QRectF(566, 448, 69, 15), 7, 52);
}

} // namespace

void paintConsole(QPainter &p)
{
    paintFrame(p);
    paintDisplayWindow(p, clockWindow);
    paintMonitor(p);
    paintInstrumentStrip(p);
    paintAnswerScreen(p);
    paintLeftColumn(p);
    paintRightColumn(p);
    vignette(p, QRectF(0, 0, 640, 480), 420, 0.6, 110);
    // Widgets are black boxes: keep what lies under them black, even after the vignette.
    for (const QRect &r : {mainText, questionText, answerList})
        p.fillRect(r, Qt::black);
}
