// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots from a real X server, for the tests that compare windows with their pictures.
#pragma once

#include <QImage>

class QWidget;

namespace ScreenGrab {

// A JPEG decodes to the same pixels every time; the 24-bit visual may round a step or two.
constexpr int Tolerance = 2;

bool near(QRgb seen, QRgb expected, int tolerance = Tolerance);

// Antialiased text stems come out bright green; the dark pictures never are.
bool isTextGreen(QRgb pixel);

// The window's client area as the root window shows it, in device pixels.
QImage client(QWidget *window);

// Shows the window and waits until the device pixel `free`, where no control lies, shows the
// picture's own pixel: the window and its controls reach the server in one flush. Returns the
// client area then, or a null image if the picture never showed.
QImage showAndGrab(QWidget *window, const QImage &picture, QPoint free);

} // namespace ScreenGrab
