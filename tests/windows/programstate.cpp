// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "programstate.h"

#include "commandbutton.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "listbox.h"

#include <QTest>

namespace ProgramState {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void reset()
{
    settle();
    qDeleteAll(QApplication::topLevelWidgets());
    frmDTEST.release();
    frmFin.release();
    frmHelp.release();
}

void start()
{
    frmDTEST->show();
    if (!QTest::qWaitForWindowExposed(frmDTEST.get()))
        qFatal("the quiz window never came on screen");
}

void clickOn(QWidget *control, QPoint at)
{
    QWidget *window = control->window();
    const QPoint inWindow = control->mapTo(window, at.isNull() ? control->rect().center() : at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
}

void pressEscapeIn(QWidget *control)
{
    control->activateWindow();
    control->setFocus();
    QTest::keyClick(control->window()->windowHandle(), Qt::Key_Escape);
}

void step()
{
    FrmDTEST *quiz = frmDTEST.get();
    if (quiz->lstAns->count() > 0) {
        ListBox *list = quiz->lstAns;
        clickOn(list->viewport(), list->visualItemRect(list->item(0)).center());
    }
    clickOn(quiz->cmdOk);
}

void answer(int answered)
{
    for (qint16 taken = frmDTEST->quiz().state.C; taken <= answered;) {
        step();
        if (frmDTEST->quiz().state.C == taken)
            return; // the step went nowhere: a modal window is in the way
        taken = frmDTEST->quiz().state.C;
    }
}

} // namespace ProgramState
