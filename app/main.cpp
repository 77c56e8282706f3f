// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Ashfever: starting the program means creating and showing the quiz window.
#include "formfont.h"
#include "frmdtest.h"

#include <QApplication>

namespace {

// Windows here place themselves (centring, dragging, the sliding panel's fixed left edge),
// which Wayland does not allow a client: where an X server runs beside it, use that.
void preferX11()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

} // namespace

int main(int argc, char *argv[])
{
    // The program takes no arguments. Qt is handed only the program's name, so that its own
    // options (-style, -stylesheet, -platform ...) are ignored as well.
    char programName[] = "ashfever";
    char *qtArgv[] = {argc > 0 && argv[0] ? argv[0] : programName, nullptr};
    int qtArgc = 1;

    preferX11();
    QApplication app(qtArgc, qtArgv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Ashfever"));
    FormFont::install();

    frmDTEST->show();
    return app.exec();
}
