// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QGuiApplication>

namespace Pictures {

QPixmap load(const QString &name)
{
    if (qApp->devicePixelRatio() > 1.0) {
        const qsizetype dot = name.lastIndexOf(u'.');
        // Qt reads the ratio 2 from the "@2x" in the file name.
        QPixmap sharp(QStringLiteral(":/images/") + name.left(dot) + QStringLiteral("@2x") +
                      name.mid(dot));
        if (!sharp.isNull())
            return sharp;
    }
    return QPixmap(QStringLiteral(":/images/") + name);
}

QCursor arrowCursor()
{
    return QCursor(load(QStringLiteral("cursor.png")), 1, 4);
}

QIcon windowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/icon.png"));
    icon.addFile(QStringLiteral(":/images/icon@2x.png"));
    return icon;
}

} // namespace Pictures
