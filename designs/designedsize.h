// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's designed size, held against the platform. Qt takes whatever size the window
// manager grants, even one the window's fixed-size hints forbid: icewm grants other clients'
// requests, a tiling window manager imposes its own. Each size the platform gives of its own
// accord makes the window ask once for its designed size; where the window manager insists,
// the window keeps the size it has, covered in black beyond its designed size, so that its
// controls stay where they were designed and nothing undesigned shows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

#include <deque>

class QRect;
class QWidget;
class QWindow;

class DesignedSize : public QObject
{
    Q_OBJECT

public:
    // Fixes the window at this size, in pixels.
    DesignedSize(QWidget &window, QSize size);

    QSize size() const { return m_size; }
    // A new designed size, asked of the platform at once.
    void setSize(QSize size);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void requested(QSize size);
    void reported(QSize size);
    void askBack();
    // After a change of the window's size or of the designed one.
    void sizesChanged();
    void cover(QWidget *&cover, QRect area);

    QWidget &m_window;
    QSize m_size;
    // The platform's own window: it hears every size the platform reports, also those the
    // widget took already when it asked for them.
    QPointer<QWindow> m_platformWindow;
    // Sizes Qt asked of the platform whose report has not come back yet, oldest first.
    std::deque<QSize> m_requested;
    // Black over whatever lies beyond the designed size; made the first time there is some.
    QWidget *m_right = nullptr;
    QWidget *m_below = nullptr;
};
