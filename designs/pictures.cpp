// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "doublesizename.h"

#include <QGuiApplication>

namespace Pictures {

QPixmap load(const QString &name)
{
    if (qApp->devicePixelRatio() > 1.0) {
        QPixmap sharp(QStringLiteral(":/images/") + doubleSizeName(name));
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
    const QString name = QStringLiteral("icon.png");
    QIcon icon;
    for (const QString &file : {name, doubleSizeName(name)})
        icon.addFile(QStringLiteral(":/images/") + file);
    return icon;
}

} // namespace Pictures
