// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Designed positions and sizes are in twips; Qt lays out logical pixels, 15 twips each at the
// designed 96 dpi. Qt scales logical pixels on high-DPI screens itself, so nothing else scales.
#pragma once

#include <QRect>

namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(double twips)
{
    const double pixels = twips / PerPixel;
    return pixels >= 0 ? int(pixels + 0.5) : -int(-pixels + 0.5);
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
