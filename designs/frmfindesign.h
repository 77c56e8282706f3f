// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the results window: the verdict over a picture, a blinking "статистика" button,
// an exit cross, and the history panel that lies beyond the narrow width.
#pragma once

#include "formwindow.h"
#include "imagelist.h"
#include "layout.h"

class CaptionLabel;
class FormTimer;
class LineControl;
class PictureBox;
class TextBox;

class FrmFinDesign : public FormWindow
{
    Q_OBJECT

public:
    // The window's designed (narrow) width, and how far the history panel widens it.
    static constexpr int NarrowWidthTwips = Layout::Results::client.width;
    static constexpr int PanelWidthTwips = Layout::Results::PanelWidth;

    explicit FrmFinDesign(QWidget *parent = nullptr);

    CaptionLabel *const lblMain; // the verdict
    PictureBox *const Image1;    // slides the history panel out and in
    PictureBox *const imgExit;
    TextBox *const txtDbl; // the history
    LineControl *const L;  // parts the picture from the panel while the window is wide
    FormTimer *const Timer1;
    const ImageList boxSt; // the two looks of Image1
    const ImageList boxS;  // the two looks of imgExit
};
