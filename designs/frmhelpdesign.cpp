// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelpdesign.h"

#include "designcolors.h"
#include "namedcontrol.h"
#include "picturebox.h"
#include "textbox.h"
#include "twips.h"

FrmHelpDesign::FrmHelpDesign(QWidget *parent)
    : FormWindow(Frame::None, 6000, 7035, QStringLiteral("help-background.jpg"), parent),
      txthelp(named("txthelp",
                    new TextBox(Twips::rect(600, 480, 4575, 4095), TextBox::ScrollBar::None,
                                DesignColors::DimGreen, this))),
      Image1(named("Image1", new PictureBox(Twips::rect(3240, 6360, 1935, 495), this))),
      imgDn(named("imgDn", new PictureBox(Twips::rect(5280, 4440, 255, 135), this)))
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Form1"));
    txthelp->setText(QStringLiteral("Text1"));

    // The caption is never shown (the window has no title bar); screen readers get a real name.
    setAccessibleName(QStringLiteral("Справка"));
    txthelp->setAccessibleName(QStringLiteral("Текст справки"));
    Image1->setButton(true);
    Image1->setAccessibleName(QStringLiteral("Закрыть"));
    Image1->setAccessibleDescription(QStringLiteral("Закрыть это окно"));
    imgDn->setAccessibleName(QStringLiteral("Пустая область"));
}
