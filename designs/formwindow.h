// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the three windows share in look: frame, a client size held at the designed one,
// background picture, the designed font, a centred first position, and Left/Top/Width kept in
// twips.
#pragma once

#include "designedsize.h"

#include <QPixmap>
#include <QWidget>

#include <deque>

class FormWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Frame {
        FixedDialog, // title bar with the caption and a close box only
        None,        // no title bar, no border
    };

    // Sizes are the client area's, in twips; the background is drawn unscaled at the origin.
    FormWindow(Frame frame, int widthTwips, int heightTwips, const QString &backgroundPicture,
               QWidget *parent = nullptr);

    // The window's position and width in twips, single precision. Each reads back exactly what
    // was last written, while the window itself moves to the nearest whole pixel. Left and Top
    // change otherwise only when someone else moves the window: the reports of our own moves,
    // however late they come back, leave them alone.
    float leftTwips() const { return m_left; }
    void setLeftTwips(float left);
    float topTwips() const { return m_top; }
    void setTopTwips(float top);
    float widthTwips() const { return m_width; }
    void setWidthTwips(float width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void centreOnScreen();
    void placeAtTwips();
    void requestPosition(QPoint position);

    QPixmap m_background;
    DesignedSize m_size;
    float m_left = 0;
    float m_top = 0;
    float m_width;
    // Positions asked of the platform whose report has not come back yet, oldest first.
    std::deque<QPoint> m_requested;
};
