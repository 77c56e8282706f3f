// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecontrol.h"

#include "designcolors.h"

LineControl::LineControl(int x, int top, int bottom, int penWidth, const QColor &color,
                         QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    DesignColors::paint(this, color, color);
    setGeometry(x - penWidth / 2, top, penWidth, bottom - top + 1);
}
