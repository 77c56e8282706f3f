// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "designedsize.h"

#include "designcolors.h"

#include <QResizeEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

DesignedSize::DesignedSize(QWidget &window, QSize size) : m_window(window), m_size(size)
{
    m_window.setFixedSize(size);
    m_window.installEventFilter(this);
}

void DesignedSize::setSize(QSize size)
{
    const QSize now = m_window.size();
    const bool held = now != m_size && m_window.isVisible();
    m_size = size;
    if (!held) {
        // Qt resizes the window at once and asks the platform for the size.
        m_window.setFixedSize(size);
    } else {
        // The platform holds the window at a size of its own, and refuses or has yet to answer
        // a request for the designed one: the window keeps the size it has, and only the part
        // that is designed changes.
        m_window.setMinimumSize(size.boundedTo(now));
        m_window.setMaximumSize(size.expandedTo(now));
    }
    sizesChanged();
}

bool DesignedSize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window) {
        if (event->type() == QEvent::Show) {
            QWindow *shown = m_window.windowHandle();
            if (shown && shown != m_platformWindow) {
                m_platformWindow = shown;
                shown->installEventFilter(this);
            }
        } else if (event->type() == QEvent::Resize) {
            // The widget's own resizes are what Qt asks of the platform; it reports them later.
            if (!event->spontaneous() && m_window.isVisible())
                requested(static_cast<QResizeEvent *>(event)->size());
            sizesChanged();
        }
    } else if (watched == m_platformWindow && event->type() == QEvent::Resize) {
        reported(static_cast<QResizeEvent *>(event)->size());
    }
    return false;
}

void DesignedSize::requested(QSize size)
{
    m_requested.push_back(size);
    // Some platforms never report: the oldest requests are long settled. A slide of the
    // results window out and back asks for some 450 sizes.
    constexpr std::size_t Remembered = 1024;
    if (m_requested.size() > Remembered)
        m_requested.pop_front();
}

void DesignedSize::reported(QSize size)
{
    // A report of any size still on its way is one of ours, and so are the reports before it:
    // a window manager reports them late, and the later ones follow.
    const auto ours = std::find(m_requested.cbegin(), m_requested.cend(), size);
    if (ours != m_requested.cend()) {
        m_requested.erase(m_requested.cbegin(), ours + 1);
        if (!m_requested.empty())
            return;
    }
    // Asked once the reports already queued are handled, which may settle it first. A window
    // manager that refuses answers with the size the window has, which Qt does not report
    // again: each size the platform gives is asked away from once.
    if (size != m_size)
        QMetaObject::invokeMethod(this, &DesignedSize::askBack, Qt::QueuedConnection);
}

void DesignedSize::askBack()
{
    // Through the platform's window, so the widget keeps the size it has until a report.
    if (m_platformWindow && m_platformWindow->size() != m_size)
        m_platformWindow->resize(m_size);
}

void DesignedSize::sizesChanged()
{
    const QSize now = m_window.size();
    // Back at its designed size after a while at another, the window is fixed at it again.
    if (now == m_size && (m_window.minimumSize() != m_size || m_window.maximumSize() != m_size))
        m_window.setFixedSize(m_size);
    // Black right of the designed width, and below the designed height.
    cover(m_right, QRect(m_size.width(), 0, now.width() - m_size.width(), now.height()));
    cover(m_below,
          QRect(0, m_size.height(), std::min(now.width(), m_size.width()),
                now.height() - m_size.height()));
}

void DesignedSize::cover(QWidget *&cover, QRect area)
{
    if (area.isEmpty()) {
        if (cover)
            cover->hide();
        return;
    }
    if (!cover) {
        cover = new QWidget(&m_window);
        DesignColors::paint(cover, DesignColors::Black, DesignColors::Black);
        cover->setAutoFillBackground(true);
    }
    cover->setGeometry(area);
    cover->raise();
    cover->show();
}
