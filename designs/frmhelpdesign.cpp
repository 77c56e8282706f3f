// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmhelpdesign.h"

#include "designcolors.h"
#include "layout.h"
#include "namedcontrol.h"
#include "picturebox.h"
#include "textbox.h"

namespace {
namespace Designed = Layout::Help;
} // namespace

FrmHelpDesign::FrmHelpDesign(QWidget *parent)
    : FormWindow(Frame::None, Designed::client.width, Designed::client.height,
                 QStringLiteral("help-background.jpg"), parent),
      txthelp(named("txthelp",
                    new TextBox(Designed::txthelp.pixels(), TextBox::ScrollBar::None,
                                DesignColors::DimGreen, this))),
      Image1(named("Image1", new PictureBox(Designed::Image1.pixels(), this))),
      imgDn(named("imgDn", new PictureBox(Designed::imgDn.pixels(), this)))
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
