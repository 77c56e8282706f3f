// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// One piece of random input as the monkey records, prints and replays it: what it does, to
// which window and control, where, and with which key or buttons.
#pragma once

#include <QList>
#include <QMetaType>
#include <QPoint>
#include <QString>

#include <optional>

struct MonkeyEvent
{
    enum class Kind {
        Start,       // the program starts: a fresh quiz window is shown
        Click,       // press and release of one button at one place
        DoubleClick, // two clicks in quick succession
        Press,
        Release,
        Move,  // a pointer report with any buttons held, anywhere, even far off the window
        Key,   // a key typed while a control has the focus
        Tick,  // one interval of a window's timer
        Close, // the window system asks a window to close
    };

    Kind kind = Kind::Start;
    QString window;  // the top-level window's name: frmDTEST, frmFin or frmHelp
    QString control; // the control aimed at (the timer for Tick); empty for the background
    QPoint at;       // pointer position in the window's client coordinates
    int code = 0;    // the button, the buttons held (Move) or the Qt::Key

    // One line that reads well and parses back into the same event.
    QString toLine() const;
    static std::optional<MonkeyEvent> fromLine(const QString &line);
};

using MonkeyEvents = QList<MonkeyEvent>;

Q_DECLARE_METATYPE(MonkeyEvent)
