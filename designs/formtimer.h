// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A window's timer as designed: an interval of 0 means it does not tick; any other interval
// (re)starts it. Precise, so that a second of the quiz clock is a second.
#pragma once

#include <QTimer>

class FormTimer : public QTimer
{
    Q_OBJECT

public:
    FormTimer(int intervalMs, QObject *parent);

    void setIntervalMs(int intervalMs);

signals:
    // The timer event of the window: one per elapsed interval.
    void ticked();
};
