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
    QVERIFY(QTest::qWaitForWindowExposed(frmDTEST.get()));
}

void answer(int answered)
{
    FrmDTEST *quiz = frmDTEST.get();
    if (quiz->quiz().state.C == 0)
        quiz->cmdOk->click();
    while (quiz->quiz().state.C <= answered) {
        quiz->lstAns->setCurrentRow(0);
        quiz->cmdOk->click();
    }
}

} // namespace ProgramState
