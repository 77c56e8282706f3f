// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The designed colours of the windows' controls.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace DesignColors {

inline const QColor Black(0, 0, 0);
inline const QColor Green(0, 255, 0);
inline const QColor DimGreen(0, 192, 0);
inline const QColor LineRed(192, 0, 0);

// Sets a control's ground and text colours in every palette role a widget of ours paints with.
inline void paint(QWidget *widget, const QColor &ground, const QColor &text)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, ground);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
}

} // namespace DesignColors
