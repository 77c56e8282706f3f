// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokentext.h"

namespace SpokenText {

QString count(qint64 number, const QString &one, const QString &few, const QString &many)
{
    const qint64 lastTwo = qAbs(number) % 100;
    const qint64 last = lastTwo % 10;
    const QString &noun = lastTwo >= 11 && lastTwo <= 14 ? many
            : last == 1                                  ? one
            : last >= 2 && last <= 4                     ? few
                                                         : many;
    return QString::number(number) + u' ' + noun;
}

namespace {

QString amount(const QString &caption, const QString &one, const QString &few, const QString &many)
{
    bool isNumber = false;
    const qint64 number = caption.toLongLong(&isNumber);
    return isNumber ? count(number, one, few, many) : caption;
}

} // namespace

QString clock(const QString &minutes, const QString &seconds)
{
    return amount(minutes, QStringLiteral("минута"), QStringLiteral("минуты"),
                  QStringLiteral("минут")) +
            u' ' +
            amount(seconds, QStringLiteral("секунда"), QStringLiteral("секунды"),
                   QStringLiteral("секунд"));
}

} // namespace SpokenText
