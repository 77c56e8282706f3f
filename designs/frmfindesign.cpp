// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmfindesign.h"

#include "captionlabel.h"
#include "designcolors.h"
#include "formtimer.h"
#include "linecontrol.h"
#include "namedcontrol.h"
#include "picturebox.h"
#include "textbox.h"
#include "twips.h"

FrmFinDesign::FrmFinDesign(QWidget *parent)
    : FormWindow(Frame::None, NarrowWidthTwips, 5655, QStringLiteral("results-background.jpg"),
                 parent),
      lblMain(named("lblMain",
                    new CaptionLabel(QStringLiteral("Label1"), Twips::rect(1440, 360, 3615, 4815),
                                     CaptionLabel::Sizing::Fixed, this))),
      Image1(named("Image1", new PictureBox(Twips::rect(4920, 5280, 1185, 210), this))),
      imgExit(named("imgExit", new PictureBox(Twips::rect(6000, 120, 135, 135), this))),
      txtDbl(named("txtDbl",
                   new TextBox(Twips::rect(6360, 120, 3135, 5415), TextBox::ScrollBar::Vertical,
                               DesignColors::DimGreen, this))),
      L(named("L",
              new LineControl(Twips::toPixels(6240), 0, Twips::toPixels(5640), 3,
                              DesignColors::LineRed, this))),
      Timer1(named("Timer1", new FormTimer(500, this))),
      boxSt({QStringLiteral("statistics-1.png"), QStringLiteral("statistics-2.png")}),
      boxS({QStringLiteral("exit-1.png"), QStringLiteral("exit-2.png")})
{
    setObjectName(QStringLiteral("frmFin"));
    setWindowTitle(QStringLiteral("Результаты тестирования"));
    QPalette ground = palette();
    ground.setColor(QPalette::Window, DesignColors::Black);
    setPalette(ground);

    lblMain->makeTransparent(DesignColors::DimGreen);
    Image1->setPicture(boxSt.image(1));
    imgExit->setPicture(boxS.image(1));
    L->hide();

    lblMain->setAccessibleDescription(QStringLiteral("Итог теста"));
    Image1->setButton(true);
    Image1->setAccessibleName(QStringLiteral("Статистика"));
    Image1->setAccessibleDescription(QStringLiteral("Показать или скрыть историю ответов"));
    imgExit->setButton(true);
    imgExit->setAccessibleName(QStringLiteral("Выход"));
    imgExit->setAccessibleDescription(QStringLiteral("Завершить тест и закрыть окна"));
    txtDbl->setAccessibleName(QStringLiteral("История ответов"));
    L->setAccessibleName(QStringLiteral("Граница панели истории"));
}
