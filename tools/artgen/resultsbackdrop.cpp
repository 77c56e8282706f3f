// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's background: a dark riveted plate with a deep display for the
// verdict, and a porthole onto the dusty plain.
#include "layout.h"
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

using namespace PaintKit;

namespace {
// Where the results window puts its controls.
constexpr QRect verdictLabel = Layout::Results::lblMain.pixels();
constexpr QRect statisticsButton = Layout::Results::Image1.pixels();
constexpr QRect exitCross = Layout::Results::imgExit.pixels();
constexpr QRectF picture(0, 0, 419, 377);
// The narrow window cuts the picture off at its own width.
constexpr QRectF narrowWindow(QPointF(), QSizeF(Layout::Results::client.pixels()));

constexpr QColor plateSteel(46, 49, 48);

// A dim view of the wasteland at dusk: haze, dunes and the stumps of old towers.
void paintLandscape(QPainter &p, const QPointF &c, qreal r)
{
    const QRectF view(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const qreal horizon = c.y() + r * 0.18;
    QLinearGradient sky(view.topLeft(), QPointF(view.left(), horizon));
    sky.setColorAt(0, QColor(24, 20, 24));
    sky.setColorAt(0.7, QColor(62, 42, 30));
    sky.setColorAt(1, QColor(96, 62, 36));
    p.fillRect(view, sky);

    const QPointF sun(c.x() + r * 0.3, horizon - r * 0.28);
    QRadialGradient haze(sun, r * 0.7);
    haze.setColorAt(0, QColor(230, 170, 100, 120));
    haze.setColorAt(0.15, QColor(200, 130, 70, 70));
    haze.setColorAt(1, QColor(160, 90, 50, 0));
    p.fillRect(view, haze);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 18, 16));
    const qreal towerX[] = {-0.55, -0.42, -0.05, 0.62};
    const qreal towerH[] = {0.32, 0.46, 0.22, 0.28};
    for (int i = 0; i < 4; ++i) {
        const qreal x = c.x() + towerX[i] * r;
        const qreal top = horizon - towerH[i] * r;
        QPolygonF tower;
        // Broken tops: each stump is cut off at a slant.
        tower << QPointF(x, horizon) << QPointF(x, top + r * 0.05) << QPointF(x + r * 0.06, top)
              << QPointF(x + r * 0.11, top + r * 0.08) << QPointF(x + r * 0.11, horizon);
        p.drawPolygon(tower);
    }

    const QColor dunes[] = {QColor(58, 40, 28), QColor(36, 26, 20), QColor(20, 15, 13)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath dune;
        dune.moveTo(view.left(), view.bottom());
        for (int i = 0; i <= 40; ++i) {
            const qreal x = view.left() + view.width() * i / 40;
            const qreal h = smoothNoise(x * 3, layer * 50, 40, 600 + layer) * r * 0.22;
            dune.lineTo(x, horizon + layer * r * 0.2 - h + r * 0.05);
        }
        dune.lineTo(view.right(), view.bottom());
        dune.closeSubpath();
        p.fillPath(dune, dunes[layer]);
    }
}

void paintPorthole(QPainter &p, const QPointF &c, qreal r)
{
    QPainterPath window;
    window.addEllipse(c, r, r);
    p.save();
    p.setClipPath(window);
    paintLandscape(p, c, r);
    QRadialGradient inner(c, r);
    inner.setColorAt(0.6, QColor(0, 0, 0, 0));
    inner.setColorAt(1, QColor(0, 0, 0, 170));
    p.fillPath(window, inner);
    p.restore();
    roundGlass(p, c, r, r + 7, {0.35, 0.45}, {0.8, 0.55}, 36);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        rivet(p, c + QPointF(std::cos(a), std::sin(a)) * (r + 3.5), 1.6);
    }
}

void paintVerdictDisplay(QPainter &p)
{
    const QRectF display = QRectF(verdictLabel).adjusted(-8, -8, 8, 2);
    recess(p, display, 4, 3);
    QPainterPath path;
    path.addRoundedRect(display, 4, 4);
    QRadialGradient deep(display.center(), display.height() * 0.7);
    deep.setColorAt(0, QColor(11, 14, 12));
    deep.setColorAt(1, QColor(4, 5, 5));
    p.fillPath(path, deep);
    // Faint raster lines of an old tube, too weak to compete with the text.
    p.save();
    p.setClipPath(path);
    for (qreal y = display.top() + 1; y < display.bottom(); y += 3)
        p.fillRect(QRectF(display.left(), y, display.width(), 1), QColor(60, 255, 120, 5));
    QLinearGradient lip(display.topLeft(), display.topLeft() + QPointF(0, 6));
    lip.setColorAt(0, QColor(0, 0, 0, 170));
    lip.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(display, lip);
    p.restore();
}

void paintPlainSpot(QPainter &p, const QRect &spot, qreal margin)
{
    const QRectF hole = QRectF(spot).adjusted(-margin, -margin, margin, margin);
    recess(p, hole, 1.5, 1.5);
    p.fillRect(hole, QColor(4, 5, 5));
}
} // namespace

void paintResultsBackdrop(QPainter &p)
{
    groundSheet(p, picture, plateSteel, 300, 14, 50, 110);
    bevel(p, narrowWindow, 0, 1.5, true, 70);

    seam(p, QPointF(84, 0), QPointF(84, 377));
    seam(p, QPointF(350, 0), QPointF(350, 377));
    for (qreal y = 20; y < 370; y += 42) {
        // The porthole's ring reaches the edges of the left strip.
        if (y < 60 || y > 134) {
            rivet(p, QPointF(8, y), 2.3);
            rivet(p, QPointF(76, y), 2.3);
        }
        rivet(p, QPointF(358, y), 2.3);
    }

    paintPorthole(p, QPointF(42, 96), 26);
    ventSlots(p, QRectF(24, 156, 36, 112), 9, Qt::Horizontal);
    dial(p, QPointF(42, 318), 22, 0.3, 302);

    // A cable duct down the right-hand strip.
    p.fillRect(QRectF(376, 40, 12, 300), QColor(20, 21, 21));
    pipe(p, QRectF(377, 40, 10, 300), QColor(80, 72, 60));
    for (qreal y : {70.0, 190.0, 310.0}) {
        const QRectF clamp(373, y, 18, 7);
        p.fillRect(clamp, QColor(52, 55, 54));
        bevel(p, clamp, 1, 1, true, 70);
        rivet(p, clamp.center(), 1.5);
    }

    paintVerdictDisplay(p);
    paintPlainSpot(p, statisticsButton, 2);
    paintPlainSpot(p, exitCross, 3);

    vignette(p, picture, 300, 0.55, 120);
}
