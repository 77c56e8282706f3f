// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts for screen readers: numbers read out with their nouns in the form Russian needs.
#pragma once

#include <QString>

namespace SpokenText {

// A count with its noun: "1 минута", "3 минуты", "11 минут", "21 минута".
QString count(qint64 number, const QString &one, const QString &few, const QString &many);

// The clock's two captions in words: "00" and "05" is "0 минут 5 секунд". A caption that is no
// number is said as it stands.
QString clock(const QString &minutes, const QString &seconds);

} // namespace SpokenText
