// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A whole quiz played on the real windows inside the program's own event loop, from the start
// to the exit, for valgrind's memcheck: the usage help, 80 answers, the Answers button, the
// clock, the results window's pictures, slide and drag, the exit and the closing credits.
// Exits 0 only if the program got all the way through and ended by itself.
#include "commandbutton.h"
#include "formfont.h"
#include "formtimer.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "picturebox.h"
#include "programstate.h"
#include "textbox.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace ProgramState;

namespace {

bool creditsReached = false;

bool play()
{
    start();
    FrmDTEST *quiz = frmDTEST.get();
    clickOn(quiz->cmdHelp);
    pressEscapeIn(frmHelp->txthelp);
    settle();

    for (int answered = 1; answered <= 80; ++answered) {
        answer(answered);
        settle();
        if (answered % 10 == 0) {
            for (int second = 0; second < 7; ++second)
                emit quiz->tmrMain->ticked();
        }
        if (answered == 40)
            clickOn(quiz->cmdCheck);
    }
    FrmFin *results = frmFin.instance();
    if (!results || !QTest::qWaitForWindowExposed(results))
        return false;
    clickOn(quiz->cmdCheck);

    // The pictures, the slide out and back, and a drag by the background.
    QWindow *window = results->windowHandle();
    QTest::mouseMove(window, results->Image1->geometry().center());
    for (int tick = 0; tick < 3; ++tick)
        emit results->Timer1->ticked();
    clickOn(results->Image1);
    clickOn(results->Image1);
    QTest::mouseMove(window, results->imgExit->geometry().center());
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(20, 360));
    QTest::mouseMove(window, QPoint(60, 300));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(60, 300));
    settle();

    clickOn(results->imgExit);
    settle();
    FrmHelp *credits = frmHelp.instance();
    if (!frmDTEST.isEmpty() || !frmFin.isEmpty() || !credits ||
        credits->txthelp->text() != FrmHelp::closingCreditsText())
        return false;
    creditsReached = true;
    // Closing the credits, the last window, ends the event loop as it ends the program.
    pressEscapeIn(credits->txthelp);
    return true;
}

// The offscreen platform notes every resize of the sliding window it cannot pass on.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtWarningMsg || !message.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietPlatformNotes);
    QApplication app(argc, argv);
    FormFont::install();
    QTimer::singleShot(0, &app, [] {
        if (!play()) {
            std::fprintf(stderr, "playthrough: the quiz did not go as a player expects\n");
            QCoreApplication::exit(1);
        }
    });
    const int status = app.exec();
    return status == 0 && creditsReached ? 0 : 1;
}
