// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Delivers monkey events to the program the way the window system would: pointer and key
// input goes through the windows (so a modal window blocks it), timers tick on request only.
#pragma once

#include "monkeyevent.h"

#include <QEvent>
#include <QList>
#include <QTimer>

class QWidget;
class QWindow;

class ProgramDriver
{
public:
    ProgramDriver();

    // Input aimed at a window that is not shown does nothing, as it would for a player.
    void apply(const MonkeyEvent &event);

    // Lets the program finish what the event left to the event loop (repaints, windows that
    // closed), except timers: the clock only ticks when the monkey says so.
    static void settle();

    // The program's shown windows, by name; none while the program is between runs.
    static QList<QWidget *> shownWindows();
    static QWidget *shownWindow(const QString &name);
    // Another window is modal: this one takes no input.
    static bool isBlocked(const QWidget *window);

private:
    void mouse(QWindow *window, QPoint at, Qt::MouseButton button, QEvent::Type type);
    void click(QWindow *window, QPoint at, Qt::MouseButton button, int pause);
    void key(QWidget *window, const QString &control, int key);
    void tick(const QString &window, const QString &timer);

    int m_timestamp = 0;
    Qt::MouseButtons m_held;
    QTimer m_dismisser;
};
