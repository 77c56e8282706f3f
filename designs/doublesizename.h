// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture also comes twice as large for high-DPI screens, in a file named after it with
// "@2x" before the suffix: Qt reads the pixel ratio 2 from that name. QtCore only, for the
// artwork generator and the tests as well as the windows.
#pragma once

#include <QString>

namespace Pictures {

// "quiz-background.jpg" -> "quiz-background@2x.jpg"
inline QString doubleSizeName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return fileName + QStringLiteral("@2x");
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}

} // namespace Pictures
