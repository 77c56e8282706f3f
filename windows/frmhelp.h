// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: shows the usage help during the quiz (modal) or the closing credits at the
// end (modeless); closing it after the credits ends the program.
#pragma once

#include "form.h"
#include "formref.h"
#include "frmhelpdesign.h"

class BackgroundDrag;

class FrmHelp : public Form<FrmHelpDesign>
{
    Q_OBJECT

public:
    FrmHelp();

    // The two texts the callers write into txthelp.
    static QString usageHelpText();
    static QString closingCreditsText();

    // Shown modal, no other window of the program takes input until this one closes.
    void showModal();
    // Shown modeless, without owner; a window shown modal becomes modeless.
    void showModeless();

protected:
    void Form_Unload() override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void txthelp_KeyPress(int characterCode);

    BackgroundDrag *const m_drag;
};

extern FormRef<FrmHelp> frmHelp;
