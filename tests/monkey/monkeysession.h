// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey session: random input from a seed, run after run of the program, with the
// invariants checked after every event and every event written to a log before it is applied.
#pragma once

#include "invariants.h"
#include "monkeyevent.h"
#include "programdriver.h"

#include <QMap>
#include <QRandomGenerator>

#include <cstdio>

class QWidget;

class MonkeySession
{
public:
    struct Statistics
    {
        qint64 events = 0;
        int runs = 0;
        int resultsReached = 0;
        int creditsReached = 0;
        int slides = 0;
        int counterLimitReached = 0;
        int timeRanOut = 0;
        qint16 highestC = 0;
        QMap<QString, qint64> mix; // events of each kind: "click", "key Esc", "move far out" ...
    };

    // The log gets one line per event ("start" opens each run) and, on failure, a line
    // "broken KIND: DETAILS".
    MonkeySession(quint64 seed, qint64 events, std::FILE *log);

    // True when every invariant held for every event.
    bool run();
    const Statistics &statistics() const { return m_statistics; }

    // Applies recorded events to a fresh program, checking after each; false on the first break.
    static bool replay(const MonkeyEvents &events, QString *brokenKind, QString *details);

private:
    enum class Mood {
        Hasty,    // closes and presses Esc often: endings from every state
        Steady,   // plays on, mostly to the results and beyond
        Dawdling, // lets minutes go by between answers: the time runs out
        Marathon, // steps until the counter stops, then leaves
    };

    void startRun();
    MonkeyEvent next();
    void planStep(QWidget *quiz);
    MonkeyEvent click(QWidget *window);
    MonkeyEvent key(QWidget *window);
    MonkeyEvent move(QWidget *window);
    QPoint somewhereOn(QWidget *window, QWidget *control);
    QPoint anywhere(QWidget *window);
    int randomKey();
    int randomButton();
    bool chance(double probability);
    void keepSlidesRare(MonkeyEvent &event);
    void record(const MonkeyEvent &event);
    void count(const MonkeyEvent &event);

    QRandomGenerator m_random;
    qint64 m_budget;
    std::FILE *m_log;
    ProgramDriver m_driver;
    Invariants m_invariants;
    Statistics m_statistics;
    Mood m_mood = Mood::Steady;
    MonkeyEvents m_planned;
    int m_marathonRun;
    qint64 m_lastSlide = -1'000'000;
    bool m_resultsThisRun = false;
    bool m_timeUpThisRun = false;
};
