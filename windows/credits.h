// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Who made the quiz, as the introduction, the usage help and the closing credits name them.
#pragma once

#include <QString>

namespace Credits {

// "Автор:" is followed by this.
inline QString author()
{
    return QStringLiteral("команда Ashfever (ashfever-team)");
}

// The same credit after "составлены" and "проверен".
inline QString byAuthor()
{
    return QStringLiteral("командой Ashfever (ashfever-team)");
}

inline QString contactAddress()
{
    return QStringLiteral("ashfever-team@example.org");
}

} // namespace Credits
