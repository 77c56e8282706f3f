// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A picture control: shows its picture at natural size (or nothing, as an invisible click area),
// and reports clicks and pointer moves over it.
#pragma once

#include <QPixmap>
#include <QWidget>

class PictureBox : public QWidget
{
    Q_OBJECT

public:
    PictureBox(const QRect &box, QWidget *parent);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // A picture that does something when clicked is a button to screen readers, and their
    // press clicks it.
    bool isButton() const { return m_button; }
    void setButton(bool button) { m_button = button; }
    void click() { emit clicked(); }

signals:
    void clicked();
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
    bool m_button = false;
};
