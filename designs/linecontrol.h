// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A vertical line of a given colour and pen width, centred on its designed x.
#pragma once

#include <QWidget>

class LineControl : public QWidget
{
    Q_OBJECT

public:
    // From (x, bottom) up to (x, top), in pixels.
    LineControl(int x, int top, int bottom, int penWidth, const QColor &color, QWidget *parent);
};
