// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "backgrounddrag.h"

#include "formwindow.h"
#include "twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

#include <cmath>
#include <limits>

namespace {

constexpr int LeftButtonAlone = 1;

qint16 saturatedTwips(qreal pixels)
{
    const double twips = std::round(pixels * Twips::PerPixel);
    return qint16(qBound<double>(std::numeric_limits<qint16>::min(), twips,
                                 std::numeric_limits<qint16>::max()));
}

} // namespace

int buttonState(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) +
            (buttons.testFlag(Qt::RightButton) ? 2 : 0) +
            (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

BackgroundDrag::BackgroundDrag(FormWindow &window) : m_window(window)
{
    window.installEventFilter(this);
}

bool BackgroundDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::MouseButtonPress)
            pressed(*static_cast<QMouseEvent *>(event));
        else if (event->type() == QEvent::Leave)
            // The next report after the pointer comes back starts afresh.
            m_lastOnScreen.reset();
    }
    return false;
}

void BackgroundDrag::pointerMoved(const QMouseEvent &event)
{
    const QPointF onScreen = event.globalPosition() * Twips::PerPixel;
    if (buttonState(event.buttons()) == LeftButtonAlone && m_lastOnScreen) {
        const QPointF moved = onScreen - *m_lastOnScreen;
        if (moved.y() != 0)
            m_window.setTopTwips(m_window.topTwips() + float(moved.y()));
        if (moved.x() != 0)
            m_window.setLeftTwips(m_window.leftTwips() + float(moved.x()));
    }
    m_lastOnScreen = onScreen;
    LastX = saturatedTwips(event.position().x());
    LastY = saturatedTwips(event.position().y());
}

void BackgroundDrag::pressed(const QMouseEvent &event)
{
    if (event.button() != Qt::LeftButton || event.buttons() != Qt::LeftButton)
        return;
    // A Wayland client cannot place its own window: the compositor moves it for us.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (QWindow *window = m_window.windowHandle())
            window->startSystemMove();
        return;
    }
    m_lastOnScreen = event.globalPosition() * Twips::PerPixel;
}
