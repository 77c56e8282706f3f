// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmfin.h"

#include "backgrounddrag.h"
#include "formtimer.h"
#include "frmdtest.h"
#include "frmhelp.h"
#include "linecontrol.h"
#include "picturebox.h"
#include "textbox.h"

#include <QMouseEvent>

FormRef<FrmFin> frmFin;

FrmFin::FrmFin() : m_drag(new BackgroundDrag(*this))
{
    setMouseTracking(true);
    connect(Image1, &PictureBox::pointerMoved, this, [this] { Hover = 1; });
    connect(imgExit, &PictureBox::pointerMoved, this,
            [this] { imgExit->setPicture(boxS.image(2)); });
    connect(Image1, &PictureBox::clicked, this, &FrmFin::Image1_Click);
    connect(imgExit, &PictureBox::clicked, this, &FrmFin::imgExit_Click);
    connect(Timer1, &FormTimer::ticked, this, &FrmFin::Timer1_Timer);
    Form_Load();
}

void FrmFin::Form_Load()
{
    // The quiz window's own history gains the log, once per results window.
    QuizState &quiz = frmDTEST->quiz().state;
    quiz.Hist += frmDTEST->quiz().dt.Verdicts;
    txtDbl->setText(quiz.Hist);
}

void FrmFin::Form_MouseMove(QMouseEvent *event)
{
    imgExit->setPicture(boxS.image(1));
    m_drag->pointerMoved(*event);
    Hover = 0;
    Image1->setPicture(boxSt.image(1));
}

void FrmFin::Timer1_Timer()
{
    if (Hover != 1)
        return;
    Image1->setPicture(boxSt.image(Phase == 0 ? 2 : 1));
    Phase = Phase == 0 ? 1 : 0;
}

void FrmFin::Image1_Click()
{
    // The panel slides in 3391 one-twip steps, back to back: no event is handled until the
    // last, and the left edge stays put while the right edge moves.
    if (widthTwips() == float(NarrowWidthTwips)) {
        L->show();
        for (qint16 step = 0; step <= PanelWidthTwips - 1; ++step)
            setWidthAndDraw(widthTwips() + 1);
    } else {
        for (qint16 step = 0; step <= PanelWidthTwips - 1; ++step) {
            L->hide();
            setWidthAndDraw(widthTwips() - 1);
        }
    }
}

void FrmFin::setWidthAndDraw(float widthTwips)
{
    const int shownWidth = width();
    setWidthTwips(widthTwips);
    // Each new pixel width is drawn and sent to the screen at once, without handling events,
    // so the player sees the panel slide.
    if (width() != shownWidth && isVisible())
        repaint();
}

void FrmFin::imgExit_Click()
{
    closeForm();
    frmDTEST.close();
    frmFin.release();
    frmDTEST.release();
}

void FrmFin::Form_Unload()
{
    frmDTEST.close();
    frmFin.release();
    frmDTEST.release();
    frmHelp->txthelp->setText(FrmHelp::closingCreditsText());
    frmHelp->showModeless();
}

void FrmFin::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove(event);
}
