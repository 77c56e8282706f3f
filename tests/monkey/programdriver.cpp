// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programdriver.h"

#include "formtimer.h"
#include "formwindow.h"
#include "frmdtest.h"
#include "frmfin.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <algorithm>

namespace {

// Far enough apart that no two clicks make a double click, unless meant to.
constexpr int PauseBetweenEvents = 1000;
constexpr int PauseInDoubleClick = 50;

} // namespace

ProgramDriver::ProgramDriver()
{
    // A scroll bar's context menu waits for a choice in an event loop of its own, and settle()
    // leaves timers alone: this one only ever ticks inside such a loop, and dismisses the menu
    // as a player would.
    m_dismisser.setInterval(0);
    QObject::connect(&m_dismisser, &QTimer::timeout, &m_dismisser, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
    m_dismisser.start();
}

QList<QWidget *> ProgramDriver::shownWindows()
{
    QList<QWidget *> shown;
    // Popups (a text box's context menu) are Qt's own; input reaches them through the windows.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<FormWindow *>(widget) && widget->isVisible() && widget->windowHandle())
            shown << widget;
    }
    // The set of top-level widgets has no order of its own; a seed must give the same run.
    std::sort(shown.begin(), shown.end(),
              [](const QWidget *a, const QWidget *b) { return a->objectName() < b->objectName(); });
    return shown;
}

QWidget *ProgramDriver::shownWindow(const QString &name)
{
    for (QWidget *window : shownWindows()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

bool ProgramDriver::isBlocked(const QWidget *window)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && modal != window;
}

void ProgramDriver::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProgramDriver::apply(const MonkeyEvent &event)
{
    using Kind = MonkeyEvent::Kind;
    if (event.kind == Kind::Start) {
        m_held = {};
        if (!frmDTEST.instance())
            frmDTEST->show();
        return;
    }
    if (event.kind == Kind::Tick) {
        tick(event.window, event.control);
        return;
    }
    QWidget *window = shownWindow(event.window);
    if (!window)
        return;
    QWindow *handle = window->windowHandle();
    const auto button = Qt::MouseButton(event.code);
    m_timestamp += PauseBetweenEvents;
    switch (event.kind) {
    case Kind::Click:
        click(handle, event.at, button, 0);
        break;
    case Kind::DoubleClick:
        click(handle, event.at, button, PauseInDoubleClick);
        click(handle, event.at, button, PauseInDoubleClick);
        break;
    case Kind::Press:
        mouse(handle, event.at, button, QEvent::MouseButtonPress);
        break;
    case Kind::Release:
        mouse(handle, event.at, button, QEvent::MouseButtonRelease);
        break;
    case Kind::Move:
        // Any buttons may be held during a report, whether or not their presses were seen.
        m_held = Qt::MouseButtons(event.code);
        mouse(handle, event.at, Qt::NoButton, QEvent::MouseMove);
        break;
    case Kind::Key:
        key(window, event.control, event.code);
        break;
    case Kind::Close:
        handle->close();
        break;
    case Kind::Start:
    case Kind::Tick:
        break;
    }
}

void ProgramDriver::mouse(QWindow *window, QPoint at, Qt::MouseButton button, QEvent::Type type)
{
    if (type == QEvent::MouseButtonPress)
        m_held |= button;
    else if (type == QEvent::MouseButtonRelease)
        m_held &= ~Qt::MouseButtons(button);
    const QPointF global = window->mapToGlobal(QPointF(at));
    qt_handleMouseEvent(window, QPointF(at), global, m_held, button, type, Qt::NoModifier,
                        m_timestamp);
}

void ProgramDriver::click(QWindow *window, QPoint at, Qt::MouseButton button, int pause)
{
    m_timestamp += pause;
    mouse(window, at, button, QEvent::MouseButtonPress);
    m_timestamp += 1;
    mouse(window, at, button, QEvent::MouseButtonRelease);
}

void ProgramDriver::key(QWidget *window, const QString &control, int key)
{
    // The player has put the focus on the control (a click, Tab); a blocked window keeps its own.
    QWidget *target = control.isEmpty() ? nullptr : window->findChild<QWidget *>(control);
    if (target && target->isVisible() && target->focusPolicy() != Qt::NoFocus && !isBlocked(window))
        target->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(window->windowHandle(), Qt::Key(key));
}

void ProgramDriver::tick(const QString &window, const QString &timer)
{
    // A timer ticks only while it runs, as its own event would.
    FormTimer *clock = nullptr;
    if (window == QLatin1String("frmDTEST") && frmDTEST.instance())
        clock = frmDTEST.instance()->findChild<FormTimer *>(timer);
    else if (window == QLatin1String("frmFin") && frmFin.instance())
        clock = frmFin.instance()->findChild<FormTimer *>(timer);
    if (clock && clock->isActive())
        emit clock->ticked();
}
