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
}
