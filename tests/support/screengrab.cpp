// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screengrab.h"

#include <QScreen>
#include <QTest>
#include <QWidget>

namespace ScreenGrab {

bool near(QRgb seen, QRgb expected, int tolerance)
{
    return qAbs(qRed(seen) - qRed(expected)) <= tolerance &&
            qAbs(qGreen(seen) - qGreen(expected)) <= tolerance &&
            qAbs(qBlue(seen) - qBlue(expected)) <= tolerance;
}

bool isTextGreen(QRgb pixel)
{
    return qGreen(pixel) > 150 && qRed(pixel) < 100;
}

QImage client(QWidget *window)
{
    const QPoint origin = window->mapToGlobal(QPoint(0, 0));
    return window->screen()
            ->grabWindow(0, origin.x(), origin.y(), window->width(), window->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
}

QImage showAndGrab(QWidget *window, const QImage &picture, QPoint free)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return {};
    const bool painted =
            QTest::qWaitFor([&] { return near(client(window).pixel(free), picture.pixel(free)); });
    return painted ? client(window) : QImage();
}

} // namespace ScreenGrab
