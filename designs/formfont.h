// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one font of all three windows: MS Sans Serif 8.25 pt where the system has it, otherwise
// the bundled Liberation Sans, whose digits are 6 px wide like the designed font's.
#pragma once

#include <QFont>

namespace FormFont {

// Makes the font the application's default and registers the bundled faces the system lacks;
// call once after QApplication exists.
void install();

// 11 px (8.25 pt at 96 dpi), set in pixels so the designed boxes fit at any font DPI setting.
QFont regular();
QFont bold();

} // namespace FormFont
