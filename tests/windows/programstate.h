// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows as the tests see them: what is open, a clean slate between tests, and
// quick ways through the quiz on the real widgets.
#pragma once

#include <QApplication>
#include <QWidget>

namespace ProgramState {

// Lets windows that closed be destroyed, as the event loop would.
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

// Shows a fresh quiz window, as the program starts.
void start();
// From the introduction, steps with the Next button until `answered` questions are answered,
// clicking the first option of each question. 80 brings up the results window.
void answer(int answered);

} // namespace ProgramState
