// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures built into the program, in the variant that suits the screen.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace Pictures {

// Loads ":/images/<name>", or its twice-as-large "@2x" variant on high-DPI screens. The pixmap
// carries its device pixel ratio, so it always paints at its designed logical size.
QPixmap load(const QString &name);

// The arrowhead cursor of the quiz window, hot spot at (1, 4).
QCursor arrowCursor();

// The quiz window's icon, a cartoon face.
QIcon windowIcon();

} // namespace Pictures
