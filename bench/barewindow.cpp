// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the quiz window is measured against: the least a Qt Widgets program does to open a
// window of the quiz window's size. It paints nothing but the palette's ground.
#include "layout.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(Layout::Quiz::client.pixels());
    window.setWindowTitle(QStringLiteral("Пустое окно"));
    window.show();
    return app.exec();
}
