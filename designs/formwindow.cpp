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
      m_width(float(widthTwips))
{
    AccessibleControls::install();
    setFont(FormFont::regular());
    setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
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
    setFixedWidth(Twips::toPixels(width));
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
    // Someone else moved the window (the platform, the user through it): take its position as
    // the new Left and Top. Our own moves land on the rounded twips and keep them exact.
    const QPoint placed(Twips::toPixels(m_left), Twips::toPixels(m_top));
    if (event->pos() != placed) {
        m_left = float(event->pos().x() * Twips::PerPixel);
        m_top = float(event->pos().y() * Twips::PerPixel);
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
    move(Twips::toPixels(m_left), Twips::toPixels(m_top));
}
