// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paintkit.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <vector>

namespace PaintKit {

quint32 hash(quint32 x, quint32 y, quint32 seed)
{
    quint32 h = x * 0x8da6b343u + y * 0xd8163841u + seed * 0xcb1ab31fu + 0x9e3779b9u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

double noise(int x, int y, quint32 seed)
{
    return hash(quint32(x), quint32(y), seed) / 4294967296.0;
}

static double smoothstep(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double smoothNoise(double x, double y, double cell, quint32 seed)
{
    const double tx = x / cell;
    const double ty = y / cell;
    const int ix = int(std::floor(tx));
    const int iy = int(std::floor(ty));
    const double fx = smoothstep(tx - ix);
    const double fy = smoothstep(ty - iy);
    const double top = noise(ix, iy, seed) * (1 - fx) + noise(ix + 1, iy, seed) * fx;
    const double bottom = noise(ix, iy + 1, seed) * (1 - fx) + noise(ix + 1, iy + 1, seed) * fx;
    return top * (1 - fy) + bottom * fy;
}

// Value noise that only varies along one axis; each line across it gets its own values.
static double streakNoise(double along, int line, double cell, quint32 seed)
{
    const double t = along / cell;
    const int i = int(std::floor(t));
    const double f = smoothstep(t - i);
    return noise(i, line, seed) * (1 - f) + noise(i + 1, line, seed) * f;
}

qreal deviceScale(const QPainter &p)
{
    return p.deviceTransform().m11();
}

QColor withAlpha(const QColor &c, int alpha)
{
    QColor result = c;
    result.setAlpha(alpha);
    return result;
}

static void boxPass(QImage &image, int r, bool horizontal)
{
    const int lines = horizontal ? image.height() : image.width();
    const int length = horizontal ? image.width() : image.height();
    const int window = 2 * r + 1;
    std::vector<QRgb> copy(length);
    for (int line = 0; line < lines; ++line) {
        auto pixel = [&](int i) -> QRgb & {
            return horizontal ? reinterpret_cast<QRgb *>(image.scanLine(line))[i]
                              : reinterpret_cast<QRgb *>(image.scanLine(i))[line];
        };
        for (int i = 0; i < length; ++i)
            copy[i] = pixel(i);
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](QRgb c, int sign) {
            sum[0] += sign * int(qAlpha(c));
            sum[1] += sign * int(qRed(c));
            sum[2] += sign * int(qGreen(c));
            sum[3] += sign * int(qBlue(c));
        };
        // Pixels beyond the edge count as transparent, so blurred shapes fade out evenly.
        for (int i = 0; i < std::min(r, length); ++i)
            add(copy[i], 1);
        for (int i = 0; i < length; ++i) {
            if (i + r < length)
                add(copy[i + r], 1);
            if (i - r - 1 >= 0)
                add(copy[i - r - 1], -1);
            auto mean = [&](int k) { return (sum[k] + window / 2) / window; };
            pixel(i) = qRgba(mean(1), mean(2), mean(3), mean(0));
        }
    }
}

void blur(QImage &image, qreal radius)
{
    const int r = std::max(1, qRound(radius / 2));
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(image, r, true);
        boxPass(image, r, false);
    }
}

// Fills the shape with a texture made pixel by pixel at the device's resolution, in page
// coordinates, so two shapes side by side don't show the same pattern.
template<typename Colour>
static void fillWithTexture(QPainter &p, const QPainterPath &shape, QImage::Format format,
                            Colour colourAt)
{
    const qreal s = deviceScale(p);
    const QRect area = shape.boundingRect().toAlignedRect(); // whole pixels map 1:1 onto the device
    QImage texture(qCeil(area.width() * s), qCeil(area.height() * s), format);
    const int originX = qRound(area.x() * s);
    const int originY = qRound(area.y() * s);
    for (int y = 0; y < texture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(texture.scanLine(y));
        for (int x = 0; x < texture.width(); ++x)
            line[x] = colourAt(originX + x, originY + y);
    }
    QBrush brush(texture);
    QTransform t;
    t.translate(area.x(), area.y());
    t.scale(1 / s, 1 / s);
    brush.setTransform(t);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(shape);
    p.restore();
}

void softShadow(QPainter &p, const QPainterPath &shape, const QPointF &offset, qreal radius,
                const QColor &colour)
{
    const qreal s = deviceScale(p);
    const int pad = qCeil(radius * 2) + 2;
    const QRect area =
            shape.boundingRect().translated(offset).toAlignedRect().adjusted(-pad, -pad, pad, pad);
    QImage mask(qCeil(area.width() * s), qCeil(area.height() * s),
                QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.scale(s, s);
        mp.translate(-QPointF(area.topLeft()) + offset);
        mp.fillPath(shape, colour);
    }
    blur(mask, radius * s);
    mask.setDevicePixelRatio(s);
    p.drawImage(area.topLeft(), mask);
}

void brushedMetal(QPainter &p, const QPainterPath &shape, const QColor &base, quint32 seed,
                  Grain grain)
{
    const qreal s = deviceScale(p);
    const bool horizontal = grain == Grain::Horizontal;
    fillWithTexture(p, shape, QImage::Format_RGB32, [&](int gx, int gy) {
        const int along = horizontal ? gx : gy;
        const int across = horizontal ? gy : gx;
        const double stroke = noise(across, 0, seed) - 0.5;
        const double streak = streakNoise(along, across, 46 * s, seed + 1) - 0.5;
        const double grit = noise(gx, gy, seed + 2) - 0.5;
        const double stain = smoothNoise(gx, gy, 70 * s, seed + 3) - 0.5;
        const int d = qRound(stroke * 8 + streak * 9 + grit * 5 + stain * 16);
        return qRgb(std::clamp(base.red() + d, 0, 255), std::clamp(base.green() + d, 0, 255),
                    std::clamp(base.blue() + d, 0, 255));
    });
}

void grime(QPainter &p, const QPainterPath &shape, quint32 seed, int strength)
{
    const qreal s = deviceScale(p);
    fillWithTexture(p, shape, QImage::Format_ARGB32_Premultiplied, [&](int gx, int gy) {
        // Dust specks stay one logical pixel big at any scale.
        if (noise(int(gx / s), int(gy / s), seed + 2) > 0.9965)
            return qPremultiply(qRgba(190, 170, 135, 45));
        const double patch = smoothNoise(gx, gy, 55 * s, seed) * 0.65 +
                smoothNoise(gx, gy, 13 * s, seed + 1) * 0.35;
        const int alpha = std::clamp(int((patch - 0.48) * 2.2 * strength), 0, 255);
        return qPremultiply(qRgba(28, 20, 12, alpha));
    });
}

void groundSheet(QPainter &p, const QRectF &r, const QColor &base, quint32 seed, int lightAlpha,
                 int darkAlpha, int grimeStrength)
{
    QPainterPath sheet;
    sheet.addRect(r);
    brushedMetal(p, sheet, base, seed);
    topLight(p, sheet, lightAlpha, darkAlpha);
    grime(p, sheet, seed + 1, grimeStrength);
}

void vignette(QPainter &p, const QRectF &picture, qreal radius, qreal clear, int alpha)
{
    QRadialGradient shade(picture.center(), radius);
    shade.setColorAt(clear, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, alpha));
    p.fillRect(picture, shade);
}

void topLight(QPainter &p, const QPainterPath &shape, int lightAlpha, int darkAlpha)
{
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, lightAlpha));
    g.setColorAt(0.45, QColor(255, 255, 255, 0));
    g.setColorAt(1, QColor(0, 0, 0, darkAlpha));
    p.fillPath(shape, g);
}

void bevel(QPainter &p, const QRectF &r, qreal radius, qreal width, bool raised, int strength)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    const int light = 110 * strength / 100;
    const int dark = 170 * strength / 100;
    // A thin dark outline first, so the plate edge reads against a similar neighbour.
    p.setPen(QPen(QColor(0, 0, 0, raised ? 170 : 120), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    const QColor top = raised ? QColor(255, 255, 255, light) : QColor(0, 0, 0, dark);
    const QColor bottom = raised ? QColor(0, 0, 0, dark) : QColor(255, 255, 255, light * 2 / 3);
    g.setColorAt(0, top);
    g.setColorAt(0.25, withAlpha(top, top.alpha() / 3));
    g.setColorAt(0.75, withAlpha(bottom, bottom.alpha() / 3));
    g.setColorAt(1, bottom);
    const qreal inset = 1 + width / 2;
    p.setPen(QPen(QBrush(g), width));
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), std::max<qreal>(0, radius - inset),
                      std::max<qreal>(0, radius - inset));
    p.restore();
}

void seam(QPainter &p, const QPointF &from, const QPointF &to)
{
    p.save();
    const QLineF line(from, to);
    const QPointF normal = QPointF(-line.dy(), line.dx()) / line.length();
    // The lit side of the groove faces the light, which comes from the upper left.
    const QPointF lit = normal.y() + normal.x() > 0 ? normal : -normal;
    p.setPen(QPen(QColor(0, 0, 0, 190), 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(line);
    p.setPen(QPen(QColor(255, 255, 255, 38), 1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(line.translated(lit * 1.2));
    p.restore();
}

void rivet(QPainter &p, const QPointF &centre, qreal radius)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QPointF shadowCentre = centre + QPointF(radius * 0.35, radius * 0.5);
    QRadialGradient shadow(shadowCentre, radius * 1.6);
    shadow.setColorAt(0, QColor(0, 0, 0, 150));
    shadow.setColorAt(0.6, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(shadow);
    p.drawEllipse(shadowCentre, radius * 1.6, radius * 1.6);

    QRadialGradient dome(centre, radius, centre - QPointF(radius * 0.4, radius * 0.45));
    dome.setColorAt(0, QColor(196, 200, 194));
    dome.setColorAt(0.3, QColor(126, 131, 127));
    dome.setColorAt(0.8, QColor(62, 66, 64));
    dome.setColorAt(1, QColor(34, 36, 35));
    p.setBrush(dome);
    p.setPen(QPen(QColor(12, 13, 13, 200), std::max<qreal>(0.5, radius * 0.16)));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void screw(QPainter &p, const QPointF &centre, qreal radius, qreal slotAngle)
{
    rivet(p, centre, radius);
    p.save();
    p.translate(centre);
    p.rotate(slotAngle);
    const qreal half = radius * 0.78;
    p.setPen(QPen(QColor(14, 15, 15, 230), std::max<qreal>(0.8, radius * 0.32), Qt::SolidLine,
                  Qt::FlatCap));
    p.drawLine(QPointF(-half, 0), QPointF(half, 0));
    p.setPen(QPen(QColor(255, 255, 255, 50), std::max<qreal>(0.5, radius * 0.12), Qt::SolidLine,
                  Qt::FlatCap));
    p.drawLine(QPointF(-half, radius * 0.22), QPointF(half, radius * 0.22));
    p.restore();
}

void cornerRivets(QPainter &p, const QRectF &plate, qreal inset, qreal radius)
{
    const QRectF r = plate.adjusted(inset, inset, -inset, -inset);
    for (const QPointF &c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        rivet(p, c, radius);
}

void plate(QPainter &p, const QRectF &r, qreal radius, const QColor &base, quint32 seed,
           qreal rivetRadius, Grain grain)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    softShadow(p, path, QPointF(1.5, 2.5), 4, QColor(0, 0, 0, 170));
    brushedMetal(p, path, base, seed, grain);
    topLight(p, path);
    bevel(p, r, radius, 1.2, true);
    if (rivetRadius > 0)
        cornerRivets(p, r, rivetRadius + 3, rivetRadius);
}

void recess(QPainter &p, const QRectF &hole, qreal radius, qreal lip)
{
    const QRectF outer = hole.adjusted(-lip, -lip, lip, lip);
    QPainterPath path;
    path.addRoundedRect(outer, radius + lip, radius + lip);
    QLinearGradient g(outer.topLeft(), outer.bottomLeft());
    g.setColorAt(0, QColor(8, 9, 9));
    g.setColorAt(1, QColor(24, 26, 25));
    p.fillPath(path, g);
    bevel(p, outer, radius + lip, 1.2, false, 120);
}

void glassScreen(QPainter &p, const QRectF &glass, const QRectF &content, qreal radius, int sheen)
{
    p.save();
    QPainterPath glassPath;
    glassPath.addRoundedRect(glass, radius, radius);
    QRadialGradient tube(glass.center(), std::max(glass.width(), glass.height()) * 0.6);
    tube.setColorAt(0, QColor(14, 24, 17));
    tube.setColorAt(1, QColor(4, 7, 5));
    p.fillPath(glassPath, tube);

    p.setClipPath(glassPath);
    QPainterPath contentPath;
    if (!content.isEmpty()) {
        contentPath.addRect(content);
        // Light leaking from the text behind the glass.
        softShadow(p, contentPath, QPointF(0, 0), 4, QColor(40, 230, 110, 130));
        p.fillPath(contentPath, Qt::black);
    }

    // Reflections stay outside the widget's box so they never sit under its text.
    QPainterPath around = glassPath.subtracted(contentPath);
    p.setClipPath(around);
    QPolygonF band;
    const qreal w = glass.width();
    band << QPointF(glass.left() + w * 0.08, glass.top())
         << QPointF(glass.left() + w * 0.34, glass.top())
         << QPointF(glass.left() + w * 0.16, glass.bottom())
         << QPointF(glass.left() - w * 0.10, glass.bottom());
    QLinearGradient gradient(glass.topLeft(), glass.bottomLeft());
    gradient.setColorAt(0, QColor(210, 255, 225, sheen));
    gradient.setColorAt(1, QColor(210, 255, 225, sheen / 6));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawPolygon(band);

    // Shadow of the lip on the top of the glass, and a thin highlight on its lower edge.
    QLinearGradient lipShadow(glass.topLeft(), glass.topLeft() + QPointF(0, 5));
    lipShadow.setColorAt(0, QColor(0, 0, 0, 160));
    lipShadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(glass, lipShadow);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 255, 190, 40), 1));
    p.drawLine(QPointF(glass.left() + radius, glass.bottom() - 0.5),
               QPointF(glass.right() - radius, glass.bottom() - 0.5));
    p.setPen(QPen(QColor(0, 0, 0, 200), 1));
    p.drawRoundedRect(glass.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void bezelRing(QPainter &p, const QPointF &centre, qreal outer, qreal inner)
{
    p.save();
    QPainterPath ring;
    ring.addEllipse(centre, outer, outer);
    QPainterPath hole;
    hole.addEllipse(centre, inner, inner);
    ring = ring.subtracted(hole);
    softShadow(p, ring, QPointF(0.8, 1.4), std::max<qreal>(1.5, outer * 0.18),
               QColor(0, 0, 0, 170));
    QConicalGradient chrome(centre, 120);
    chrome.setColorAt(0.0, QColor(220, 224, 220));
    chrome.setColorAt(0.2, QColor(96, 100, 98));
    chrome.setColorAt(0.45, QColor(170, 175, 172));
    chrome.setColorAt(0.7, QColor(64, 67, 66));
    chrome.setColorAt(0.9, QColor(150, 154, 150));
    chrome.setColorAt(1.0, QColor(220, 224, 220));
    p.fillPath(ring, chrome);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 10, 10, 200), std::max<qreal>(0.6, outer * 0.05)));
    p.drawEllipse(centre, outer, outer);
    p.setPen(QPen(QColor(0, 0, 0, 150), std::max<qreal>(0.6, outer * 0.04)));
    p.drawEllipse(centre, inner, inner);
    p.restore();
}

void roundGlass(QPainter &p, const QPointF &centre, qreal radius, qreal outer,
                const QPointF &towardLight, const QSizeF &size, int alpha,
                std::optional<int> alphaAt60)
{
    const QPointF spot = centre - QPointF(radius * towardLight.x(), radius * towardLight.y());
    const qreal width = radius * size.width();
    QRadialGradient gloss(spot, width);
    gloss.setColorAt(0, QColor(255, 255, 255, alpha));
    if (alphaAt60)
        gloss.setColorAt(0.6, QColor(255, 255, 255, *alphaAt60));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    QPainterPath glass;
    glass.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(spot, width, radius * size.height());
    p.restore();
    bezelRing(p, centre, outer, radius);
}

void lamp(QPainter &p, const QPointF &centre, qreal radius, const QColor &hue, qreal brightness)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (brightness > 0) {
        QRadialGradient halo(centre, radius * 2.4);
        halo.setColorAt(0, withAlpha(hue, int(130 * brightness)));
        halo.setColorAt(1, withAlpha(hue, 0));
        p.setBrush(halo);
        p.drawEllipse(centre, radius * 2.4, radius * 2.4);
    }
    const QColor body = brightness > 0 ? hue : hue.darker(230);
    const QPointF focus = centre - QPointF(radius * 0.3, radius * 0.35);
    QRadialGradient dome(centre, radius, focus);
    const QColor core = brightness > 0
            ? QColor::fromRgbF(std::min(1.0, body.redF() * 0.5 + 0.5 * brightness + 0.1),
                               std::min(1.0, body.greenF() * 0.6 + 0.35 * brightness),
                               std::min(1.0, body.blueF() * 0.6 + 0.3 * brightness))
            : body.lighter(170);
    // A lit lens glows nearly to its rim; an unlit one is mostly shadow.
    dome.setColorAt(0, core);
    dome.setColorAt(0.5, body);
    dome.setColorAt(0.85, body.darker(brightness > 0 ? 140 : 220));
    dome.setColorAt(1, body.darker(brightness > 0 ? 300 : 420));
    p.setBrush(dome);
    p.drawEllipse(centre, radius, radius);

    // Light bouncing inside the lens gathers at its lower edge.
    QRadialGradient bounce(centre + QPointF(radius * 0.2, radius * 0.55), radius * 0.55);
    bounce.setColorAt(0, withAlpha(body.lighter(160), 110));
    bounce.setColorAt(1, withAlpha(body, 0));
    p.setBrush(bounce);
    p.drawEllipse(centre, radius, radius);

    const QRectF spot(centre.x() - radius * 0.62, centre.y() - radius * 0.72, radius * 0.8,
                      radius * 0.5);
    QRadialGradient gloss(spot.center(), spot.width() * 0.6);
    gloss.setColorAt(0, QColor(255, 255, 255, 220));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawEllipse(spot);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(body.darker(500), 220), std::max<qreal>(0.5, radius * 0.09)));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void ventSlots(QPainter &p, const QRectF &area, int count, Qt::Orientation along)
{
    p.save();
    const bool horizontal = along == Qt::Horizontal;
    const qreal span = horizontal ? area.height() : area.width();
    const qreal pitch = span / count;
    const qreal thickness = std::max<qreal>(2, pitch * 0.5);
    for (int i = 0; i < count; ++i) {
        const qreal offset = i * pitch + (pitch - thickness) / 2;
        const QRectF slot = horizontal
                ? QRectF(area.left(), area.top() + offset, area.width(), thickness)
                : QRectF(area.left() + offset, area.top(), thickness, area.height());
        QPainterPath path;
        path.addRoundedRect(slot, thickness / 2, thickness / 2);
        QLinearGradient g(slot.topLeft(), horizontal ? slot.bottomLeft() : slot.topRight());
        g.setColorAt(0, QColor(2, 2, 2));
        g.setColorAt(1, QColor(20, 22, 21));
        p.fillPath(path, g);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 42), 1));
        if (horizontal)
            p.drawLine(QPointF(slot.left() + thickness / 2, slot.bottom() + 0.5),
                       QPointF(slot.right() - thickness / 2, slot.bottom() + 0.5));
        else
            p.drawLine(QPointF(slot.right() + 0.5, slot.top() + thickness / 2),
                       QPointF(slot.right() + 0.5, slot.bottom() - thickness / 2));
    }
    p.restore();
}

void speakerGrille(QPainter &p, const QRectF &area, qreal pitch, qreal holeRadius)
{
    p.save();
    int row = 0;
    for (qreal y = area.top() + holeRadius; y <= area.bottom() - holeRadius;
         y += pitch * 0.866, ++row) {
        const qreal shift = (row % 2) ? pitch / 2 : 0;
        for (qreal x = area.left() + holeRadius + shift; x <= area.right() - holeRadius;
             x += pitch) {
            const QPointF c(x, y);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 34));
            p.drawEllipse(c + QPointF(0.35, 0.45), holeRadius, holeRadius);
            QRadialGradient g(c - QPointF(holeRadius * 0.3, holeRadius * 0.3), holeRadius * 1.2);
            g.setColorAt(0, QColor(0, 0, 0));
            g.setColorAt(1, QColor(22, 24, 23));
            p.setBrush(g);
            p.drawEllipse(c, holeRadius, holeRadius);
        }
    }
    p.restore();
}

void hazardStripes(QPainter &p, const QRectF &area, qreal stripe, quint32 seed)
{
    p.save();
    QPainterPath path;
    path.addRect(area);
    p.fillPath(path, QColor(150, 104, 28));
    p.setClipPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 16, 12));
    for (qreal x = area.left() - area.height(); x < area.right(); x += stripe * 2) {
        QPolygonF band;
        band << QPointF(x, area.bottom()) << QPointF(x + stripe, area.bottom())
             << QPointF(x + stripe + area.height(), area.top())
             << QPointF(x + area.height(), area.top());
        p.drawPolygon(band);
    }
    // Worn paint: the stripes are old, scuffed and dusty.
    grime(p, path, seed, 150);
    topLight(p, path, 10, 70);
    p.restore();
    bevel(p, area, 0, 1, false, 80);
}

void dial(QPainter &p, const QPointF &centre, qreal radius, qreal needle, quint32 seed)
{
    p.save();
    const qreal face = radius * 0.84;
    QRadialGradient faceGradient(centre, face);
    faceGradient.setColorAt(0, QColor(30, 31, 26));
    faceGradient.setColorAt(1, QColor(11, 12, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(faceGradient);
    p.drawEllipse(centre, face, face);
    QPainterPath facePath;
    facePath.addEllipse(centre, face, face);
    grime(p, facePath, seed, 60);

    // The scale sweeps 270 degrees, from lower left round to lower right.
    constexpr qreal startAngle = 225;
    constexpr qreal sweep = 270;
    constexpr int steps = 20;
    const QColor amber(214, 160, 64);
    for (int i = 0; i <= steps; ++i) {
        const qreal a = qDegreesToRadians(startAngle - sweep * i / steps);
        const bool major = i % 5 == 0;
        const qreal outer = face * 0.9;
        const qreal inner = face * (major ? 0.68 : 0.78);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.setPen(QPen(withAlpha(i >= 16 ? QColor(200, 60, 40) : amber, major ? 220 : 150),
                      std::max<qreal>(0.7, face * (major ? 0.07 : 0.04)), Qt::SolidLine,
                      Qt::FlatCap));
        p.drawLine(centre + dir * inner, centre + dir * outer);
    }
    p.setPen(QPen(withAlpha(QColor(200, 60, 40), 150), std::max<qreal>(0.7, face * 0.05),
                  Qt::SolidLine, Qt::FlatCap));
    const QRectF arc(centre.x() - face * 0.9, centre.y() - face * 0.9, face * 1.8, face * 1.8);
    p.drawArc(arc, int((startAngle - sweep) * 16), int(sweep * 0.2 * 16));

    const qreal a = qDegreesToRadians(startAngle - sweep * needle);
    const QPointF dir(std::cos(a), -std::sin(a));
    const QPointF tip = centre + dir * face * 0.82;
    const QPointF tail = centre - dir * face * 0.18;
    p.setPen(QPen(QColor(0, 0, 0, 120), std::max<qreal>(1, face * 0.07), Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(tail + QPointF(1, 1.5), tip + QPointF(1, 1.5));
    p.setPen(QPen(QColor(240, 200, 120), std::max<qreal>(0.8, face * 0.06), Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(tail, tip);
    p.restore();

    rivet(p, centre, std::max<qreal>(1.2, face * 0.12));
    roundGlass(p, centre, face, radius, {0.35, 0.5}, {0.9, 0.62}, 46, 10);
}

void pipe(QPainter &p, const QRectF &r, const QColor &base)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, base.darker(300));
    g.setColorAt(0.3, base.lighter(160));
    g.setColorAt(0.45, base);
    g.setColorAt(1, base.darker(260));
    p.fillRect(r, g);
}

void toggleSwitch(QPainter &p, const QPointF &centre, qreal size, bool up)
{
    p.save();
    QPolygonF nut;
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(30.0 + 60.0 * i);
        nut << centre + QPointF(std::cos(a), std::sin(a)) * size * 0.5;
    }
    QPainterPath nutPath;
    nutPath.addPolygon(nut);
    nutPath.closeSubpath();
    softShadow(p, nutPath, QPointF(1, 1.5), 2, QColor(0, 0, 0, 170));
    QLinearGradient metal(centre - QPointF(size / 2, size / 2),
                          centre + QPointF(size / 2, size / 2));
    metal.setColorAt(0, QColor(190, 194, 190));
    metal.setColorAt(0.5, QColor(104, 108, 106));
    metal.setColorAt(1, QColor(44, 46, 45));
    p.setPen(QPen(QColor(10, 10, 10, 200), 0.8));
    p.setBrush(metal);
    p.drawPolygon(nut);

    const QPointF tip = centre + QPointF(0, up ? -size * 0.95 : size * 0.95);
    QPainterPath lever;
    lever.moveTo(centre + QPointF(-size * 0.14, 0));
    lever.lineTo(tip + QPointF(-size * 0.09, 0));
    lever.lineTo(tip + QPointF(size * 0.09, 0));
    lever.lineTo(centre + QPointF(size * 0.14, 0));
    lever.closeSubpath();
    softShadow(p, lever, QPointF(1.5, 1.5), 1.5, QColor(0, 0, 0, 150));
    QLinearGradient chrome(centre - QPointF(size * 0.14, 0), centre + QPointF(size * 0.14, 0));
    chrome.setColorAt(0, QColor(90, 94, 92));
    chrome.setColorAt(0.4, QColor(235, 238, 235));
    chrome.setColorAt(1, QColor(70, 73, 72));
    p.setPen(QPen(QColor(10, 10, 10, 160), 0.6));
    p.setBrush(chrome);
    p.drawPath(lever);
    p.restore();
    rivet(p, tip, size * 0.22);
}

} // namespace PaintKit
