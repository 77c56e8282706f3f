// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Times the quiz engine on the headless stand-in: one step, a whole quiz, and every step the
// 16-bit counter allows. Prints medians and the growth of the peak resident set.
#include "benchtable.h"
#include "questionbank.h"
#include "quizharness.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs `prepare` untimed and `measure` timed, `samples` times; returns the median in µs.
double medianMicroseconds(int samples, const std::function<void(QuizHarness &)> &prepare,
                          const std::function<void(QuizHarness &)> &measure)
{
    std::vector<double> times;
    times.reserve(std::size_t(samples));
    for (int i = 0; i < samples; ++i) {
        QuizHarness harness;
        prepare(harness);
        const auto start = Clock::now();
        measure(harness);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[std::size_t(samples / 2)];
}

void report(const char *what, double microseconds, long rssGrowthKiB)
{
    BenchTable::row(BenchTable::format("engine: %s (median)", what),
                    BenchTable::format("%.1f us, RSS +%ld KiB", microseconds, rssGrowthKiB));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    long before = peakRssKiB();
    const double oneStep = medianMicroseconds(
            2001, [](QuizHarness &h) { h.playTo(39, true); },
            [](QuizHarness &h) { h.answerRight(); });
    report("one step (question 40 right)", oneStep, peakRssKiB() - before);

    before = peakRssKiB();
    const double playthrough = medianMicroseconds(
            201, [](QuizHarness &) {}, [](QuizHarness &h) { h.playTo(80, true); });
    report("whole quiz, 80 answers", playthrough, peakRssKiB() - before);

    before = peakRssKiB();
    const double toTheLimit = medianMicroseconds(
            5, [](QuizHarness &) {},
            [](QuizHarness &h) {
                h.playTo(80, true);
                while (h.quiz.state.C < 32767)
                    h.quiz.Advance();
            });
    report("32,767 steps to the counter limit", toTheLimit, peakRssKiB() - before);
    return 0;
}
