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

BackgroundDrag::BackgroundDrag(FormWindow &window) : QObject(&window), m_window(window)
{
    window.installEventFilter(this);
}

bool BackgroundDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::MouseButtonPress)
            pressed(*static_cast<QMouseEvent *>(event));
        else if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::Leave)
            // The next report with the left button held starts afresh.
            m_start.reset();
    }
    return false;
}

void BackgroundDrag::pointerMoved(const QMouseEvent &event)
{
    const QPointF onScreen = event.globalPosition() * Twips::PerPixel;
    if (buttonState(event.buttons()) == LeftButtonAlone) {
        if (!m_start) {
            m_start = Start{onScreen, m_window.leftTwips(), m_window.topTwips()};
        } else {
            // Where the window stood at the start, moved by all the pointer has travelled on
            // the screen since: however the platform splits the motion into reports, and
            // however late it reports the window's moves, the window stays under the pointer.
            const QPointF moved = onScreen - m_start->onScreen;
            const float top = m_start->top + float(moved.y());
            const float left = m_start->left + float(moved.x());
            if (top != m_window.topTwips())
                m_window.setTopTwips(top);
            if (left != m_window.leftTwips())
                m_window.setLeftTwips(left);
        }
    }
    LastX = saturatedTwips(event.position().x());
    LastY = saturatedTwips(event.position().y());
}

void BackgroundDrag::pressed(const QMouseEvent &event)
{
    m_start.reset();
    if (event.button() != Qt::LeftButton || event.buttons() != Qt::LeftButton)
        return;
    // A Wayland client cannot place its own window: the compositor moves it for us.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (QWindow *window = m_window.windowHandle())
            window->startSystemMove();
        return;
    }
    m_start = Start{event.globalPosition() * Twips::PerPixel, m_window.leftTwips(),
                    m_window.topTwips()};
}
