// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Which key presses count as typed characters: Enter, Space, Backspace, Esc, letters, digits.
// Arrow and function keys produce none, and Tab belongs to the focus chain.
#pragma once

#include <QKeyEvent>

namespace CharacterKey {

constexpr int Escape = 27;

// The character code of a key press, or 0 when the key types no character.
inline int code(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab || event->text().isEmpty())
        return 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 13;
    return event->text().at(0).unicode();
}

} // namespace CharacterKey
