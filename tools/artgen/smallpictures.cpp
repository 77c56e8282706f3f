// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Small pictures: the lamp on the quiz buttons, the mouse cursor, the blinking
// statistics button and the exit cross of the results window.
#include "paintkit.h"
#include "pictures.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRawFont>

using namespace PaintKit;

namespace {
constexpr QColor statisticsGreen(0, 255, 0);
constexpr QColor statisticsFlash(164, 69, 69);
constexpr QSize statisticsSize(79, 14);
} // namespace

void paintButtonLamp(QPainter &p)
{
    const QRectF body(0.5, 0.5, 48, 27);
    QPainterPath path;
    path.addRoundedRect(body, 4, 4);
    brushedMetal(p, path, QColor(74, 78, 76), 400);
    topLight(p, path, 34, 60);
    bevel(p, body, 4, 1, true, 110);
    cornerRivets(p, body, 3.6, 1.3);
    const QPointF centre(24.5, 14);
    // A dark well round the ring, as if the lamp were sunk into the plate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(centre + QPointF(0.3, 0.6), 12.6, 12.6);
    bezelRing(p, centre, 11.6, 9);
    // The lamp's glow tints the plate but must not spill onto the button face around it.
    p.save();
    p.setClipPath(path);
    lamp(p, centre, 9, QColor(225, 30, 22), 0.45);
    p.restore();
}

void paintCursor(QPainter &p)
{
    // The outline starts with a one pixel flat top at (1, 4), so the hot spot pixel is fully
    // covered while everything above and left of it stays transparent.
    QPainterPath arrow;
    arrow.moveTo(1, 4);
    arrow.lineTo(2, 4);
    arrow.lineTo(15, 17);
    arrow.lineTo(15, 18);
    arrow.lineTo(10, 18);
    arrow.lineTo(13.4, 25);
    arrow.lineTo(9.6, 26.8);
    arrow.lineTo(6.2, 19.8);
    arrow.lineTo(2, 24);
    arrow.lineTo(1, 24);
    arrow.closeSubpath();

    // The blurred shadow would reach back past the tip; keep it below and right of it.
    p.save();
    p.setClipRect(QRectF(2, 5, 30, 27));
    softShadow(p, arrow, QPointF(2, 2), 1.6, QColor(0, 0, 0, 110));
    p.restore();
    QLinearGradient metal(QPointF(1, 4), QPointF(13, 22));
    metal.setColorAt(0, QColor(250, 252, 250));
    metal.setColorAt(0.45, QColor(204, 210, 206));
    metal.setColorAt(0.55, QColor(160, 168, 164));
    metal.setColorAt(1, QColor(218, 222, 218));
    p.fillPath(arrow, metal);
    // A pen twice the outline width, clipped to the arrow, leaves a crisp one pixel border inside.
    p.save();
    p.setClipPath(arrow);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(arrow);
    p.restore();
}

void paintStatistics(QPainter &p, bool flashing)
{
    const QRawFont font(QStringLiteral(ARTGEN_FONT_DIR "/LiberationSans-Bold.ttf"), 11,
                        QFont::PreferVerticalHinting);
    const QString word = QStringLiteral("статистика");
    const QList<quint32> glyphs = font.glyphIndexesForString(word);
    QList<QPointF> positions;
    qreal x = 0;
    for (const QPointF &advance : font.advancesForGlyphIndexes(glyphs)) {
        positions.append(QPointF(x, 0));
        x += advance.x();
    }
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);

    // The letters go onto a transparent layer first and that layer onto each background, so
    // both frames have the very same letter coverage and alternating them only blinks the ground.
    const qreal s = deviceScale(p);
    QImage letters(statisticsSize * s, QImage::Format_ARGB32_Premultiplied);
    letters.fill(Qt::transparent);
    {
        QPainter lp(&letters);
        lp.setRenderHint(QPainter::TextAntialiasing);
        lp.scale(s, s);
        lp.setPen(statisticsGreen);
        const qreal left = std::round((statisticsSize.width() - x) / 2);
        const qreal baseline =
                std::round((statisticsSize.height() + font.ascent() - font.descent()) / 2);
        lp.drawGlyphRun(QPointF(left, baseline), run);
    }
    letters.setDevicePixelRatio(s);
    p.fillRect(QRect(QPoint(0, 0), statisticsSize), flashing ? statisticsFlash : QColor(Qt::black));
    p.drawImage(QPointF(0, 0), letters);
}

void paintExitCross(QPainter &p, bool hovered)
{
    p.fillRect(QRect(0, 0, 9, 9), QColor(6, 10, 7));
    // The strokes run through pixel centres, so at 9 pixels the cross is one crisp diagonal
    // of full pixels with only a faint fringe.
    QPainterPath strokes;
    strokes.moveTo(1, 1);
    strokes.lineTo(8, 8);
    strokes.moveTo(8, 1);
    strokes.lineTo(1, 8);
    QPainterPathStroker stroker;
    stroker.setWidth(1.25);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath cross = stroker.createStroke(strokes);
    if (hovered)
        softShadow(p, cross, QPointF(0, 0), 2, QColor(0, 255, 60, 230));
    p.fillPath(cross, hovered ? QColor(170, 255, 170) : QColor(0, 200, 0));
}
