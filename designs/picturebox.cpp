// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "accessiblecontrols.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QRect &box, QWidget *parent) : QWidget(parent)
{
    AccessibleControls::install();
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setGeometry(box);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // as FormWindow's background
    painter.drawPixmap(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a left press and release both on the picture.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *)
{
    // A double-click is a click followed by a double-click event, which is no second click:
    // the second press starts nothing, so its release clicks nothing.
    m_pressed = false;
}

void PictureBox::mouseMoveEvent(QMouseEvent *)
{
    emit pointerMoved();
}
