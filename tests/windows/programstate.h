// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as the tests, the memcheck run and the widget benchmark see them: what
// is open, a clean slate between runs, and the one way they play the quiz on the real widgets.
#pragma once

#include <QApplication>
#include <QWidget>

namespace ProgramState {

// Lets windows that closed be destroyed and the rest repaint, as the event loop would.
void settle();

// Destroys every window and leaves the three references empty.
void reset();

// How many windows of the kind exist (closed ones are gone after settle()).
template<class Form>
int instances()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<Form *>(widget) != nullptr;
    return count;
}

// Shows a fresh quiz window, as the program starts, and returns once it is on screen.
void start();

// Input through the window system, as a player's: a modal window blocks it. A click lands on
// `at` in the control, by default its middle.
void clickOn(QWidget *control, QPoint at = {});
void pressEscapeIn(QWidget *control);

// One step as a player takes it: a click on the first option, if the list has any, then a
// click on Next.
void step();
// Steps from where the quiz stands until `answered` questions are answered, or a step takes no
// effect. 80 brings up the results window.
void answer(int answered);

} // namespace ProgramState
