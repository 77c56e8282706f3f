// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz state shared by the step, the history and the clock.
#pragma once

#include <QString>
#include <QtGlobal>

class QuizScreen;

// What the quiz window keeps of the quiz besides its controls' texts; the results window reads
// and writes it through the quiz window.
struct QuizState
{
    qint16 C = 0;        // steps taken; while question k is on screen, C == k
    QString Ans;         // text of the answer last selected in the list; nothing clears it
    bool TimeUp = false; // set once the clock reaches 30 minutes
    qint16 Right = 0;    // right answers so far
    QString Hist;        // headings, later the final summary; the results window appends the log
};

// The log of the whole quiz and the current section text, shared by the step and the results
// window, with the two procedures that close every step.
struct Dt
{
    QString Verdicts; // headings, answers and verdicts of the whole quiz
    QString Section;  // level line, CR LF, topic line of the current section

    // Appends the heading of the question now on screen, numbered C + 1, to Verdicts and Hist.
    void AppendHistory(QuizState &quiz, const QuizScreen &screen);
    // Puts the current section text into the message box.
    void ShowSection(QuizScreen &screen) const;
};
