// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of painted pictures and the painters behind them.
#pragma once

#include <QList>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

struct Picture
{
    QString fileName; // relative to the output folder; the suffix picks the format
    QSize size;       // logical pixels
    std::function<void(QPainter &)> paint;
    bool doubleSize = true; // also write NAME@2x.EXT painted at twice the resolution
};

// The sizes a desktop icon theme looks for; each one is painted, not scaled.
inline constexpr int iconThemeSizes[] = {16, 22, 24, 48, 64, 128, 256};
// The sizes packed into the Windows icon.
inline constexpr int windowsIconSizes[] = {16, 32, 48, 256};

QList<Picture> catalogue();

void paintConsole(QPainter &p);
void paintResultsBackdrop(QPainter &p);
void paintHelpBackdrop(QPainter &p);
void paintButtonLamp(QPainter &p);
void paintCursor(QPainter &p);
void paintStatistics(QPainter &p, bool flashing);
void paintExitCross(QPainter &p, bool hovered);
// The face fills a size x size square; finer details appear only where there are pixels for them.
void paintFace(QPainter &p, int size);
