// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbutton.h"

#include "designcolors.h"

#include <QKeyEvent>
#include <QPainter>

CommandButton::CommandButton(const QString &caption, const QRect &box, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAutoDefault(false);
    setAttribute(Qt::WA_NoMousePropagation);
    setDefault(false);
    setGeometry(box);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

PictureButton::PictureButton(const QPixmap &picture, const QRect &box, QWidget *parent)
    : CommandButton(QString(), box, parent), m_picture(picture)
{
    DesignColors::paint(this, DesignColors::Black, DesignColors::Green);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // as FormWindow's background
    painter.fillRect(rect(), DesignColors::Black);
    const QSize pictureSize = m_picture.deviceIndependentSize().toSize();
    QRect target(QPoint(), pictureSize);
    target.moveCenter(rect().center());
    // A pressed button sinks by one pixel, as a push button does.
    if (isDown())
        target.translate(1, 1);
    painter.drawPixmap(target, m_picture);
    // The keyboard focus shows as a thin line in the black band under the picture, never
    // as a rectangle over it.
    if (hasFocus() && (focusPolicy() & Qt::TabFocus)) {
        painter.setPen(DesignColors::DimGreen);
        painter.drawLine(2, height() - 1, width() - 3, height() - 1);
    }
}
