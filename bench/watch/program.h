// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A program the watcher starts and ends: its process, and what the kernel says of its memory.
#pragma once

#include <sys/types.h>

#include <string>

class Program
{
public:
    // Starts `path` with no arguments, its output discarded.
    explicit Program(const std::string &path);
    // Ends the program if it still runs.
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    pid_t pid() const { return m_pid; }
    bool isRunning();
    // Peak resident set so far (VmHWM), in KiB; 0 when unknown.
    long peakResidentKiB() const;
    // Asks the program to end and waits for it.
    void stop();

private:
    pid_t m_pid = -1;
};
