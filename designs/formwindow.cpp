// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formwindow.h"

#include "accessiblecontrols.h"
#include "formfont.h"
#include "pictures.h"
#include "twips.h"

#include <QGuiApplication>
#include <QMoveEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

Qt::WindowFlags flagsFor(FormWindow::Frame frame)
{
    if (frame == FormWindow::Frame::None)
        return Qt::Window | Qt::FramelessWindowHint;
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
            Qt::MSWindowsFixedSizeDialogHint;
}

} // namespace

FormWindow::FormWindow(Frame frame, int widthTwips, int heightTwips,
                       const QString &backgroundPicture, QWidget *parent)
    : QWidget(parent, flagsFor(frame)), m_background(Pictures::load(backgroundPicture)),
      m_size(*this, QSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips))),
      m_width(float(widthTwips))
{
    AccessibleControls::install();
    setFont(FormFont::regular());
    centreOnScreen();
}

void FormWindow::setLeftTwips(float left)
{
    m_left = left;
    placeAtTwips();
}

void FormWindow::setTopTwips(float top)
{
    m_top = top;
    placeAtTwips();
}

void FormWindow::setWidthTwips(float width)
{
    m_width = width;
    m_size.setSize(QSize(Twips::toPixels(width), m_size.size().height()));
}

void FormWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // On a screen scaled by a fraction the sharp picture is drawn smaller: smoothing keeps its
    // thin lines whole. At a whole factor nothing is scaled and no pixel changes.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, m_background);
}

void FormWindow::moveEvent(QMoveEvent *event)
{
    // Positions are the frame's, as move() takes them (the event's is the client area's).
    const QPoint reported = pos();
    // A window manager reports each move a while after it was asked for, some only after later
    // ones, and may report several as one: a report of any position still on its way is one of
    // ours, and so are the reports before it.
    const auto ours = std::find(m_requested.cbegin(), m_requested.cend(), reported);
    if (ours != m_requested.cend()) {
        m_requested.erase(m_requested.cbegin(), ours + 1);
    } else if (reported != QPoint(Twips::toPixels(m_left), Twips::toPixels(m_top))) {
        // Someone else moved the window (the platform, the user through it): its position is
        // the new Left and Top.
        m_requested.clear();
        m_left = float(reported.x() * Twips::PerPixel);
        m_top = float(reported.y() * Twips::PerPixel);
    }
    QWidget::moveEvent(event);
}

void FormWindow::centreOnScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen.center());
    m_left = float(frame.left() * Twips::PerPixel);
    m_top = float(frame.top() * Twips::PerPixel);
    placeAtTwips();
}

void FormWindow::placeAtTwips()
{
    const QPoint target(Twips::toPixels(m_left), Twips::toPixels(m_top));
    // Qt asks nothing of the platform for a position it believes the window has. After a late
    // report of an earlier move it believes the window stands there while it is on its way to
    // a later one; a step aside makes sure the window comes back.
    if (target == pos() && !m_requested.empty() && m_requested.back() != target)
        requestPosition(target + QPoint(1, 0));
    requestPosition(target);
}

void FormWindow::requestPosition(QPoint position)
{
    if (position == pos())
        return;
    // Known before Qt moves the window, should the report come back at once.
    m_requested.push_back(position);
    // Some platforms never report a move: the oldest requests are long settled.
    constexpr std::size_t Remembered = 64;
    if (m_requested.size() > Remembered)
        m_requested.pop_front();
    move(position);
}
