// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QPainter>

QList<Picture> catalogue()
{
    QList<Picture> pictures{
            {QStringLiteral("quiz-background.jpg"), {640, 480}, paintConsole},
            {QStringLiteral("results-background.jpg"), {419, 377}, paintResultsBackdrop},
            {QStringLiteral("help-background.jpg"), {398, 467}, paintHelpBackdrop},
            {QStringLiteral("button-lamp.png"), {49, 28}, paintButtonLamp},
            {QStringLiteral("icon.png"), {32, 32}, [](QPainter &p) { paintFace(p, 32); }},
            {QStringLiteral("cursor.png"), {32, 32}, paintCursor},
            {QStringLiteral("statistics-1.png"),
             {79, 14},
             [](QPainter &p) { paintStatistics(p, false); }},
            {QStringLiteral("statistics-2.png"),
             {79, 14},
             [](QPainter &p) { paintStatistics(p, true); }},
            {QStringLiteral("exit-1.png"), {9, 9}, [](QPainter &p) { paintExitCross(p, false); }},
            {QStringLiteral("exit-2.png"), {9, 9}, [](QPainter &p) { paintExitCross(p, true); }},
    };
    // Icon themes keep their own size folders, so these need no @2x twins.
    for (int size : iconThemeSizes)
        pictures.append({QStringLiteral("icons/hicolor/%1x%1/ashfever.png").arg(size),
                         {size, size},
                         [size](QPainter &p) { paintFace(p, size); },
                         false});
    return pictures;
}
