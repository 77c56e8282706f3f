// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon: a grinning wastelander in a leather hood and flying goggles.
// It is drawn on a 256 unit grid; the smaller the icon, the fewer details it gets and the
// thicker its outline, so the face still reads at 16 pixels.
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

using namespace PaintKit;

namespace {
constexpr qreal grid = 256;
constexpr QColor ink(34, 22, 14);
constexpr QColor leather(112, 80, 48);
constexpr QColor skin(222, 166, 112);
constexpr QColor brass(200, 156, 72);
constexpr QColor lensGreen(90, 220, 120);

struct Detail
{
    qreal outline; // round the head, in grid units
    qreal inner;   // round the face, lenses and mouth
    bool shadow;
    bool strap; // goggle strap and hood seams
    bool eyes;  // eyes behind the lenses
    bool teethGaps;
    bool dust; // smudges, stubble and rivets on the rims
};

Detail detailFor(qreal pixels)
{
    const qreal unit = grid / pixels; // grid units per device pixel
    // Below 24 pixels a full pixel of ink round every part would swallow the face.
    const qreal inner = pixels < 24 ? unit * 0.7 : std::max(unit * 0.9, 7.0);
    return Detail{std::max(unit * 1.1, 9.0),
                  inner,
                  pixels >= 32,
                  pixels >= 32,
                  pixels >= 32,
                  pixels >= 48,
                  pixels >= 64};
}

QPainterPath mouthPath()
{
    QPainterPath mouth;
    mouth.moveTo(66, 172);
    mouth.quadTo(128, 194, 190, 172);
    mouth.quadTo(180, 236, 128, 238);
    mouth.quadTo(76, 236, 66, 172);
    mouth.closeSubpath();
    return mouth;
}

void paintHood(QPainter &p, const Detail &d)
{
    QPainterPath head;
    head.addEllipse(QPointF(128, 136), 112, 110);
    QRadialGradient hide(QPointF(96, 70), 190);
    hide.setColorAt(0, leather.lighter(135));
    hide.setColorAt(1, leather.darker(170));
    p.setPen(QPen(ink, d.outline));
    p.setBrush(hide);
    p.drawPath(head);
    if (d.strap) {
        // Seams down the crown of the hood.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(ink, 150), d.outline * 0.45, Qt::DashLine, Qt::FlatCap));
        p.drawArc(QRectF(64, 30, 128, 200), 40 * 16, 100 * 16);
        p.setPen(QPen(withAlpha(ink, 150), d.outline * 0.45));
        p.drawLine(QPointF(128, 27), QPointF(128, 60));
    }
}

void paintFaceSkin(QPainter &p, const Detail &d)
{
    QPainterPath face;
    face.addEllipse(QPointF(128, 156), 88, 86);
    QRadialGradient tone(QPointF(104, 120), 130);
    tone.setColorAt(0, skin.lighter(112));
    tone.setColorAt(0.7, skin);
    tone.setColorAt(1, skin.darker(135));
    p.setPen(QPen(ink, d.inner));
    p.setBrush(tone);
    p.drawPath(face);
    if (!d.dust)
        return;
    p.save();
    p.setClipPath(face);
    // Dust on the cheeks and stubble on the chin.
    p.setPen(Qt::NoPen);
    for (const QPointF &c : {QPointF(64, 176), QPointF(192, 176)}) {
        QRadialGradient smudge(c, 26);
        smudge.setColorAt(0, QColor(150, 90, 60, 90));
        smudge.setColorAt(1, QColor(150, 90, 60, 0));
        p.setBrush(smudge);
        p.drawEllipse(c, 26, 26);
    }
    p.setBrush(withAlpha(ink, 110));
    for (int i = 0; i < 70; ++i) {
        const qreal x = 80 + noise(i, 0, 900) * 96;
        const qreal y = 228 + noise(i, 1, 900) * 18;
        p.drawEllipse(QPointF(x, y), 1.6, 1.6);
    }
    p.restore();
}

void paintGoggles(QPainter &p, const Detail &d)
{
    const QPointF centres[] = {QPointF(88, 118), QPointF(168, 118)};
    constexpr qreal rim = 38;
    constexpr qreal glass = 27;
    if (d.strap) {
        QPainterPath strap;
        strap.addRect(QRectF(14, 104, 228, 28));
        QPainterPath head;
        head.addEllipse(QPointF(128, 136), 112 - d.outline / 2, 110 - d.outline / 2);
        QLinearGradient band(QPointF(0, 104), QPointF(0, 132));
        band.setColorAt(0, QColor(70, 52, 34));
        band.setColorAt(1, QColor(40, 28, 18));
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawPath(strap.intersected(head));
    }
    p.setPen(QPen(ink, d.inner));
    p.setBrush(brass.darker(130));
    p.drawRoundedRect(QRectF(116, 108, 24, 18), 6, 6);

    for (const QPointF &c : centres) {
        QRadialGradient metal(c - QPointF(14, 16), rim * 1.5);
        metal.setColorAt(0, brass.lighter(150));
        metal.setColorAt(0.5, brass);
        metal.setColorAt(1, brass.darker(200));
        p.setPen(QPen(ink, d.inner));
        p.setBrush(metal);
        p.drawEllipse(c, rim, rim);

        QRadialGradient lens(c + QPointF(0, 6), glass);
        lens.setColorAt(0, lensGreen.lighter(130));
        lens.setColorAt(0.7, lensGreen.darker(150));
        lens.setColorAt(1, lensGreen.darker(300));
        p.setBrush(lens);
        p.setPen(QPen(ink, d.inner * 0.8));
        p.drawEllipse(c, glass, glass);

        if (d.eyes) {
            // Wide, happy eyes seen through the tinted glass.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 255, 230, 200));
            p.drawEllipse(c + QPointF(0, 3), 15, 17);
            p.setBrush(QColor(10, 40, 20));
            p.drawEllipse(c + QPointF(3, 5), 8, 9);
        }
        // The glint that makes a circle read as glass.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawEllipse(c + QPointF(-12, -12), glass * 0.26, glass * 0.2);
        if (d.eyes) {
            p.setBrush(QColor(255, 255, 255, 120));
            p.drawEllipse(c + QPointF(13, 13), glass * 0.12, glass * 0.1);
        }
        if (d.dust) {
            for (int i = 0; i < 8; ++i) {
                const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
                rivet(p, c + QPointF(std::cos(a), std::sin(a)) * (rim + glass) / 2, 3.2);
            }
        }
    }
}

void paintGrin(QPainter &p, const Detail &d)
{
    const QPainterPath mouth = mouthPath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 18, 16));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(QColor(196, 70, 60));
    p.drawEllipse(QPointF(128, 246), 44, 26);
    // Upper teeth follow the curve of the upper lip.
    QPainterPath teeth;
    teeth.moveTo(60, 168);
    teeth.quadTo(128, 194, 196, 168);
    teeth.lineTo(196, 192);
    teeth.quadTo(128, 220, 60, 192);
    teeth.closeSubpath();
    p.setBrush(QColor(250, 246, 228));
    p.drawPath(teeth);
    if (d.teethGaps) {
        p.setPen(QPen(QColor(150, 130, 110), d.outline * 0.5));
        for (int i = -3; i <= 3; ++i) {
            const qreal x = 128 + i * 17;
            const qreal top = 183 - 0.0022 * (x - 128) * (x - 128) * 4;
            p.drawLine(QPointF(x, top), QPointF(x, top + 26));
        }
    } else if (d.eyes) {
        p.setPen(QPen(QColor(150, 130, 110), d.outline * 0.5));
        p.drawLine(QPointF(128, 183), QPointF(128, 207));
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, d.inner, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mouth);
    if (d.eyes) {
        // Dimples at the corners of the grin.
        p.drawArc(QRectF(52, 160, 18, 22), 120 * 16, 120 * 16);
        p.drawArc(QRectF(186, 160, 18, 22), -60 * 16, 120 * 16);
    }
}

void paintNose(QPainter &p, const Detail &d)
{
    if (!d.eyes)
        return;
    p.setPen(QPen(withAlpha(ink, 200), d.outline * 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(skin.darker(115));
    p.drawChord(QRectF(114, 140, 28, 22), 200 * 16, 140 * 16);
}
} // namespace

void paintFace(QPainter &p, int size)
{
    const Detail detail = detailFor(size * deviceScale(p));
    p.save();
    p.scale(size / grid, size / grid);
    // A soft shadow under the head lifts the icon off light and dark panels alike.
    QPainterPath head;
    head.addEllipse(QPointF(128, 136), 112, 110);
    if (detail.shadow)
        softShadow(p, head, QPointF(0, 3), 4, QColor(0, 0, 0, 90));
    paintHood(p, detail);
    paintFaceSkin(p, detail);
    paintNose(p, detail);
    paintGrin(p, detail);
    paintGoggles(p, detail);
    p.restore();
}
