// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbertext.h"

#include <QLocale>

namespace NumberText {

double toNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString(text).replace(u',', u'.'), &ok);
    return ok ? value : 0.0;
}

QString score(double value)
{
    // 'g' with 15 digits drops trailing zeros, so 0.1 + 0.2 reads "0,3" and 3.0 reads "3".
    return QLocale::c().toString(value, 'g', 15).replace(u'.', u',');
}

QString counter(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace NumberText
