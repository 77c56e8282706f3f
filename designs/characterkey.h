// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Which key presses count as typed characters, decided from what the keyboard types rather than
// from the text Qt attaches: Enter, Space, Backspace, Esc, letters, digits and punctuation, and
// the control characters that Ctrl types with a letter. Delete, arrow, function and other
// editing keys type nothing, whatever the modifiers, nor does anything typed with Alt or the
// logo key held (those are shortcuts); Tab belongs to the focus chain.
#pragma once

#include <QKeyEvent>

namespace CharacterKey {

constexpr int Escape = 27;

// The control character that Ctrl types with this key, or 0 for none. Ctrl with a letter types
// codes 1 to 26, whatever the layout; with [ \ ] ^ _ the codes 27 to 31 of the same table.
inline int controlCode(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_BracketLeft:
        return 27;
    case Qt::Key_Backslash:
        return 28;
    case Qt::Key_BracketRight:
        return 29;
    case Qt::Key_AsciiCircum:
        return 30;
    case Qt::Key_Underscore:
        return 31;
    case Qt::Key_Space:
        return ' ';
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 10;
    case Qt::Key_Backspace:
        return 127;
    case Qt::Key_Escape:
        return Escape;
    default:
        return 0;
    }
}

// The character code of a key press, or 0 when the key types no character.
inline int code(const QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers held = event->modifiers();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete)
        return 0;
    if (held & (Qt::AltModifier | Qt::MetaModifier))
        return 0;
    // X turns Ctrl with a digit or a slash into control characters of its own (Ctrl+3 into Esc);
    // the keyboard types none there.
    if (held & Qt::ControlModifier)
        return controlCode(key);
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return Escape;
    default:
        break;
    }
    // Anything else counts only if it typed a printable character.
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control)
        return 0;
    return text.at(0).unicode();
}

} // namespace CharacterKey
