// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers kept as label captions: always a comma as decimal separator, whatever the locale.
#pragma once

#include <QString>
#include <QtGlobal>

namespace NumberText {

// Reads a caption as a number: "0,4" is 0.4, "00" is 0. Anything unreadable is 0.
double toNumber(const QString &text);

// The score in its shortest form with at most 15 significant digits: "0,3", "1,1", "3".
QString score(double value);

// Counters and clock fields with at least two digits: "00", "07", "100".
QString counter(qint64 value);

} // namespace NumberText
