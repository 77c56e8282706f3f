// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// How screen readers see what Qt cannot describe by itself: the windows, labels that read as a
// titled value (a counter, the clock) and pictures that act as buttons.
#pragma once

namespace AccessibleControls {

// Teaches Qt's accessibility these controls. Each of them calls it as it is made, so it is in
// place before a screen reader can ask; calls after the first do nothing.
void install();

} // namespace AccessibleControls
