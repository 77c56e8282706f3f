// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Finds a short list of events that still breaks the same invariant, replaying candidates in
// child processes, so that a crash or a sanitizer's report counts as a break as well.
#pragma once

#include "monkeyevent.h"

struct ReplayOutcome
{
    bool broken = false;
    QString kind;    // the invariant's kind, or "crash"
    QString details; // what broke, or how the child ended
};

// Replays the events on a fresh program in a child process forked from this one, which must
// not have opened any window. Quiet: the child's own output is discarded.
ReplayOutcome replayInChild(const MonkeyEvents &events, bool quiet);

// Delta debugging: drops ever smaller slices of the events for as long as the rest breaks the
// same way, within a limited number of replays. The first event, the start, is always kept.
MonkeyEvents shrink(const MonkeyEvents &events, const QString &kind, int *replays);
