// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmfindesign.h"

#include "captionlabel.h"
#include "designcolors.h"
#include "formtimer.h"
#include "layout.h"
#include "linecontrol.h"
#include "namedcontrol.h"
#include "picturebox.h"
#include "textbox.h"
#include "twips.h"

namespace {
namespace Designed = Layout::Results;
} // namespace

FrmFinDesign::FrmFinDesign(QWidget *parent)
    : FormWindow(Frame::None, Designed::client.width, Designed::client.height,
                 QStringLiteral("results-background.jpg"), parent),
      lblMain(named("lblMain",
                    new CaptionLabel(QStringLiteral("Label1"), Designed::lblMain.pixels(),
                                     CaptionLabel::Sizing::Fixed, this))),
      Image1(named("Image1", new PictureBox(Designed::Image1.pixels(), this))),
      imgExit(named("imgExit", new PictureBox(Designed::imgExit.pixels(), this))),
      txtDbl(named("txtDbl",
                   new TextBox(Designed::txtDbl.pixels(), TextBox::ScrollBar::Vertical,
                               DesignColors::DimGreen, this))),
      L(named("L",
              new LineControl(Twips::toPixels(Designed::L.x), Twips::toPixels(Designed::L.top),
                              Twips::toPixels(Designed::L.bottom), 3, DesignColors::LineRed,
                              this))),
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
