// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the one table that tools/bench prints: what was measured, the figure, the goal
// where there is one, and whether the figure meets it. Every benchmark prints in this form.
#pragma once

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace BenchTable {

inline std::string format(const char *pattern, ...)
{
    char text[256];
    va_list arguments;
    va_start(arguments, pattern);
    std::vsnprintf(text, sizeof text, pattern, arguments);
    va_end(arguments);
    return text;
}

inline void row(const std::string &what, const std::string &figure, const std::string &goal = {},
                std::optional<bool> met = {})
{
    std::printf("%-54s  %-28s  %-16s  %s\n", what.c_str(), figure.c_str(), goal.c_str(),
                met ? (*met ? "met" : "MISSED") : "");
    std::fflush(stdout);
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace BenchTable
