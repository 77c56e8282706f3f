// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the help window: a riveted frame around a dark screen with the text, and a
// painted close button under an invisible click area.
#pragma once

#include "formwindow.h"

class PictureBox;
class TextBox;

class FrmHelpDesign : public FormWindow
{
    Q_OBJECT

public:
    explicit FrmHelpDesign(QWidget *parent = nullptr);

    TextBox *const txthelp;
    PictureBox *const Image1; // lies over the painted close button
    PictureBox *const imgDn;  // inert
};
