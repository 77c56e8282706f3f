// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A push button as the windows expect it: Space or Enter click it while it has the focus; it is
// never a default button, and Esc never clicks it.
#pragma once

#include <QPushButton>

class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    CommandButton(const QString &caption, const QRect &box, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A button that shows a picture centred on a black face, without caption or focus rectangle.
class PictureButton : public CommandButton
{
    Q_OBJECT

public:
    PictureButton(const QPixmap &picture, const QRect &box, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
