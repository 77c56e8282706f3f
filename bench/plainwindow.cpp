// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The second reference the quiz window is measured against: what any Qt Widgets window with
// the quiz window's kind of content costs, built from stock widgets alone. The same size and
// background picture, a block of text, a five-item list and two buttons, where the quiz window
// has its message box, answer list and Next and Answers buttons; the texts are the first
// question's. Whatever the quiz window costs above this is our own code's doing.
#include "layout.h"
#include "questionbank.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    namespace Designed = Layout::Quiz;
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(Designed::client.pixels());
    window.setWindowTitle(QStringLiteral("Обычное окно"));

    auto *background = new QLabel(&window);
    background->setPixmap(QPixmap(QStringLiteral(":/images/quiz-background.jpg")));
    background->adjustSize();

    auto *text = new QPlainTextEdit(QuestionBank::questionText(1), &window);
    text->setReadOnly(true);
    text->setGeometry(Designed::txtMain.pixels());
    auto *list = new QListWidget(&window);
    list->addItems(QuestionBank::options(1));
    list->setGeometry(Designed::lstAns.pixels());
    auto *next = new QPushButton(QStringLiteral("Дальше"), &window);
    next->setGeometry(Designed::cmdOk.pixels());
    auto *answers = new QPushButton(QStringLiteral("Ответы"), &window);
    answers->setGeometry(Designed::cmdCheck.pixels());

    window.show();
    return app.exec();
}
