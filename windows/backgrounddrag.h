// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a frameless window by dragging its background with the left button, and the pointer
// position last reported over that background.
#pragma once

#include <QObject>
#include <QPointF>

#include <optional>

class FormWindow;
class QMouseEvent;

class BackgroundDrag : public QObject
{
    Q_OBJECT

public:
    // Watches the window for presses on its background and for the pointer leaving it; a child
    // of the window, it lives as long as the window does.
    explicit BackgroundDrag(FormWindow &window);

    // A pointer report over the background. While the left button alone is held the window
    // stands where it stood at the press, moved by the pointer's displacement on the screen
    // since, so it follows the pointer exactly, wherever the platform says the window stands
    // meanwhile. Any other button state only records the position.
    void pointerMoved(const QMouseEvent &event);

    // Last reported position in the window's client coordinates, in twips, rounded to the
    // nearest integer and held at the 16-bit limits.
    qint16 LastX = 0;
    qint16 LastY = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A press on the background: the start of a drag.
    void pressed(const QMouseEvent &event);

    // Where a drag started: the pointer on the screen and the window's Left and Top, in twips.
    struct Start
    {
        QPointF onScreen;
        float left;
        float top;
    };

    FormWindow &m_window;
    std::optional<Start> m_start;
};

// The button state of a pointer report: left 1, right 2, middle 4, added up.
int buttonState(Qt::MouseButtons buttons);
