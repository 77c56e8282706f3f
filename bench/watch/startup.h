// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a player sees it: from starting the program to its window's first whole frame.
#pragma once

#include "xserver.h"

#include <string>

struct StartUp
{
    bool shown = false;
    double milliseconds = 0;  // process start to the first whole frame
    long peakResidentKiB = 0; // VmHWM once start-up has settled
};

StartUp measureStartUp(XServer &server, const std::string &program, const std::string &title);
