// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's background: a riveted frame round a large screen, and below it a
// control plate whose red lamp is the window's close button.
#include "layout.h"
#include "paintkit.h"
#include "pictures.h"

#include <QPainter>

using namespace PaintKit;

namespace {
// Where the help window puts its controls.
constexpr QRect helpText = Layout::Help::txthelp.pixels();
constexpr QRect closeButton = Layout::Help::Image1.pixels();
constexpr QRect statusSpot = Layout::Help::imgDn.pixels();
constexpr QRectF picture(0, 0, 398, 467);

constexpr QColor frameSteel(58, 62, 60);
constexpr QColor darkSteel(42, 45, 44);
constexpr QColor closeRed(225, 32, 24);

// A pictogram engraved into a plate: a dark cut with a lit lower edge.
void engrave(QPainter &p, const QPainterPath &shape, qreal width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape.translated(0.5, 0.8));
    p.setPen(QPen(QColor(20, 20, 20, 230), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
    p.restore();
}

void paintCloseButton(QPainter &p)
{
    const QRectF body(closeButton);
    plate(p, body, 5, darkSteel, 210);

    // The legend plate: a power sign and arrows pointing at the lamp.
    const QRectF legend(body.left() + 6, body.top() + 6, 82, body.height() - 12);
    QPainterPath legendPath;
    legendPath.addRoundedRect(legend, 2, 2);
    brushedMetal(p, legendPath, QColor(150, 152, 146), 211);
    topLight(p, legendPath, 30, 50);
    bevel(p, legend, 2, 1, true, 90);
    rivet(p, QPointF(legend.left() + 4, legend.center().y()), 1.3);

    const QPointF sign(legend.left() + 24, legend.center().y() + 0.5);
    const qreal r = 6.5;
    QPainterPath power;
    power.arcMoveTo(QRectF(sign.x() - r, sign.y() - r, 2 * r, 2 * r), 60);
    power.arcTo(QRectF(sign.x() - r, sign.y() - r, 2 * r, 2 * r), 60, 300);
    power.moveTo(sign.x(), sign.y() - r - 1.5);
    power.lineTo(sign.x(), sign.y() - 1);
    engrave(p, power, 2);
    QPainterPath arrows;
    for (int i = 0; i < 3; ++i) {
        const qreal x = legend.left() + 43 + i * 10;
        arrows.moveTo(x, sign.y() - 5);
        arrows.lineTo(x + 5, sign.y());
        arrows.lineTo(x, sign.y() + 5);
    }
    engrave(p, arrows, 2);

    const QPointF lampCentre(body.right() - 18, body.center().y());
    bezelRing(p, lampCentre, 15, 12);
    lamp(p, lampCentre, 12, closeRed, 0.8);
}

void paintStatusSpot(QPainter &p)
{
    const QRectF slot(statusSpot);
    p.fillRect(slot, QColor(14, 15, 15));
    bevel(p, slot, 1, 1, false, 110);
    lamp(p, QPointF(slot.left() + 4.5, slot.center().y()), 2, QColor(60, 200, 90), 0.35);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    for (qreal x = slot.left() + 9.5; x < slot.right() - 1; x += 2.5)
        p.drawLine(QPointF(x, slot.top() + 2.5), QPointF(x, slot.bottom() - 2.5));
}

void paintLowerPlate(QPainter &p)
{
    const QRectF lower(12, 326, 374, 135);
    plate(p, lower, 5, frameSteel, 220, 2.2);

    const QRectF speaker(26, 340, 150, 108);
    recess(p, speaker, 3, 2);
    QPainterPath speakerPath;
    speakerPath.addRoundedRect(speaker, 3, 3);
    brushedMetal(p, speakerPath, darkSteel, 221);
    speakerGrille(p, speaker.adjusted(7, 7, -7, -7), 8, 2.4);

    dial(p, QPointF(222, 372), 24, 0.45, 222);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(268 + i * 20, 360);
        bezelRing(p, c, 5, 3.5);
        lamp(p, c, 3.5, i == 2 ? QColor(235, 160, 40) : QColor(70, 235, 110), i == 1 ? 0 : 0.55);
    }
    ventSlots(p, QRectF(258, 374, 86, 26), 4, Qt::Horizontal);

    // A warning band over the close button draws the eye to it.
    hazardStripes(p, QRectF(closeButton.left(), 408, closeButton.width(), 10), 6, 223);
    recess(p, closeButton, 5, 2);
    paintCloseButton(p);
}
} // namespace

void paintHelpBackdrop(QPainter &p)
{
    groundSheet(p, picture, frameSteel, 200, 16, 46, 100);
    // Darkened edges first, so the lamp and the screen keep their full brightness.
    vignette(p, picture, 330, 0.6, 100);
    bevel(p, picture, 0, 1.5, true, 80);
    for (qreal x = 24; x < 390; x += 44) {
        rivet(p, QPointF(x, 6.5), 2);
        rivet(p, QPointF(x, 462.5), 2);
    }
    for (qreal y = 50; y < 320; y += 44) {
        rivet(p, QPointF(6.5, y), 2);
        rivet(p, QPointF(391.5, y), 2);
    }

    const QRectF housing(18, 14, 362, 306);
    plate(p, housing, 7, darkSteel, 202);
    // The right margin is narrower: the status lamp sits just beside the glass.
    const QRectF glass = QRectF(helpText).adjusted(-5, -5, 4, 5);
    recess(p, glass, 4, 2.5);
    glassScreen(p, glass, helpText, 4);
    for (const QPointF &c :
         {QPointF(25.5, 21.5), QPointF(372.5, 21.5), QPointF(25.5, 312.5), QPointF(372.5, 312.5)})
        screw(p, c, 2.6, c.x() + c.y());
    paintStatusSpot(p);
    paintLowerPlate(p);

    p.fillRect(helpText, Qt::black);
}
