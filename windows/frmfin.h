// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: the verdict, the sliding history panel, the hover pictures, the exit.
#pragma once

#include "form.h"
#include "formref.h"
#include "frmfindesign.h"

class BackgroundDrag;

class FrmFin : public Form<FrmFinDesign>
{
    Q_OBJECT

public:
    FrmFin();

protected:
    void Form_Unload() override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void Form_Load();
    void Form_MouseMove(QMouseEvent *event);
    void Timer1_Timer();
    void Image1_Click();
    void imgExit_Click();
    void setWidthAndDraw(float widthTwips);

    BackgroundDrag *const m_drag;
    // 1 after a pointer report over Image1, 0 after one over the background.
    qint16 Hover = 0;
    // The animation frame of Image1, 0 or 1; kept for the life of the window.
    qint16 Phase = 0;
};

extern FormRef<FrmFin> frmFin;
