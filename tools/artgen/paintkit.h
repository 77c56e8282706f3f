// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared drawing helpers for the painted artwork: textures, plates, rivets, screens, lamps.
// Every helper takes logical coordinates and renders its textures at the painter's
// device resolution, so the @2x pictures get real detail instead of blown-up pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <optional>

class QPainter;

namespace PaintKit {

// Integer hash behind all the noise: the same arguments give the same bits everywhere,
// which keeps the generator's output byte-identical between runs.
quint32 hash(quint32 x, quint32 y, quint32 seed);
// Uniform value in [0, 1) for one lattice point.
double noise(int x, int y, quint32 seed);
// Smoothly interpolated value noise in [0, 1) with the given feature size.
double smoothNoise(double x, double y, double cell, quint32 seed);

// Device pixels per logical pixel of the painter (1 or 2 here).
qreal deviceScale(const QPainter &p);

QColor withAlpha(const QColor &c, int alpha);

// Blurs a premultiplied ARGB image in place (three box passes, close to a Gaussian).
void blur(QImage &image, qreal radius);

// Fills the shape with a soft blurred copy of itself; used for shadows and glows.
void softShadow(QPainter &p, const QPainterPath &shape, const QPointF &offset, qreal radius,
                const QColor &colour);

enum class Grain { Horizontal, Vertical };

// Brushed steel: long streaks along the grain, a tone per brushing stroke, fine grit and
// large faint stains, so big plates don't look like flat vector fills.
void brushedMetal(QPainter &p, const QPainterPath &shape, const QColor &base, quint32 seed,
                  Grain grain = Grain::Horizontal);
// Dark mottled patches and specks of dust, laid over finished metal.
void grime(QPainter &p, const QPainterPath &shape, quint32 seed, int strength);

// A light from the upper left: brighter top, darker bottom.
void topLight(QPainter &p, const QPainterPath &shape, int lightAlpha = 22, int darkAlpha = 45);
// The ground of a whole picture: brushed steel, a top light of the given alphas, and grime of the
// given strength, seeded after the metal.
void groundSheet(QPainter &p, const QRectF &r, const QColor &base, quint32 seed, int lightAlpha,
                 int darkAlpha, int grimeStrength);
// Edges darkened to the given alpha, from the fraction `clear` of the radius outwards.
void vignette(QPainter &p, const QRectF &picture, qreal radius, qreal clear, int alpha);
// Edge lighting of a rounded rectangle, raised (lit top edge) or sunk (lit bottom edge).
void bevel(QPainter &p, const QRectF &r, qreal radius, qreal width, bool raised,
           int strength = 100);
// A groove where two plates meet.
void seam(QPainter &p, const QPointF &from, const QPointF &to);

void rivet(QPainter &p, const QPointF &centre, qreal radius);
void screw(QPainter &p, const QPointF &centre, qreal radius, qreal slotAngle);
// Rivets set just inside each corner of a plate.
void cornerRivets(QPainter &p, const QRectF &plate, qreal inset, qreal radius);

// A raised steel plate with shadow, bevel and optional corner rivets.
void plate(QPainter &p, const QRectF &r, qreal radius, const QColor &base, quint32 seed,
           qreal rivetRadius = 0, Grain grain = Grain::Horizontal);

// A recessed glass screen. The content rectangle is where a widget will lie: it stays
// black and only lights the glass around it with a faint green glow.
void glassScreen(QPainter &p, const QRectF &glass, const QRectF &content, qreal radius,
                 int sheen = 38);
// The sunken lip of a window cut into metal, drawn before the glass.
void recess(QPainter &p, const QRectF &hole, qreal radius, qreal lip);

// A glossy round lamp dome; brightness 0 is an unlit lens, 1 a fully lit one.
void lamp(QPainter &p, const QPointF &centre, qreal radius, const QColor &hue, qreal brightness);
// A chrome ring around a lamp or dial.
void bezelRing(QPainter &p, const QPointF &centre, qreal outer, qreal inner);

// A round glass in a chrome ring reaching out to `outer`. The light on the glass is a white oval
// up to the left, towards the light, placed and sized in radii of the glass, that fades out over
// its width from `alpha` (through `alphaAt60` six tenths of the way, where given).
void roundGlass(QPainter &p, const QPointF &centre, qreal radius, qreal outer,
                const QPointF &towardLight, const QSizeF &size, int alpha,
                std::optional<int> alphaAt60 = {});

void ventSlots(QPainter &p, const QRectF &area, int count, Qt::Orientation along);
void speakerGrille(QPainter &p, const QRectF &area, qreal pitch, qreal holeRadius);
void hazardStripes(QPainter &p, const QRectF &area, qreal stripe, quint32 seed);
// A needle dial without numbers: ticks, an amber needle and a glass reflection.
void dial(QPainter &p, const QPointF &centre, qreal radius, qreal needle, quint32 seed);
// A vertical pipe with cylinder shading.
void pipe(QPainter &p, const QRectF &r, const QColor &base);
void toggleSwitch(QPainter &p, const QPointF &centre, qreal size, bool up);

} // namespace PaintKit
