// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formtimer.h"

FormTimer::FormTimer(int intervalMs, QObject *parent) : QTimer(parent)
{
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, &FormTimer::ticked);
    setIntervalMs(intervalMs);
}

void FormTimer::setIntervalMs(int intervalMs)
{
    if (intervalMs <= 0)
        stop();
    else
        start(intervalMs);
}
