// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold after every event, whatever the player did: the step counter only goes up and
// stops at its limit, the score is the sum of the right answers' points in the log, no window
// exists twice, and every way of closing ends in the closing credits alone.
#pragma once

#include <QString>
#include <QtGlobal>

class Invariants
{
public:
    enum class Verdict {
        Holds,
        ProgramEnded, // the credits were shown and have been closed: nothing is left
        Broken,
    };

    // A fresh program run starts: its counter may start again from 0.
    void startRun();
    // Checks the program as the last event left it (after ProgramDriver::settle()).
    Verdict check();

    // What broke: a short kind for matching replays ("score", "end state" ...) and the details.
    QString brokenKind() const { return m_kind; }
    QString brokenDetails() const { return m_details; }

    // The highest counter value seen, and whether results and credits were ever reached.
    qint16 highestC() const { return m_highestC; }

private:
    Verdict broken(const char *kind, const QString &details);
    Verdict checkQuiz();
    Verdict checkEndState();
    qint64 rightPointsInHundredths(const QString &verdicts);

    bool m_quizSeen = false;
    bool m_creditsSeen = false;
    qint16 m_lastC = 0;
    qint16 m_highestC = 0;
    // The log only grows while a run lasts, so it is read once: up to here, with this ending.
    qsizetype m_readUpTo = 0;
    QString m_readTail;
    qint64 m_rightHundredths = 0;
    QString m_kind;
    QString m_details;
};
