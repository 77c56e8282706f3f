// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// window_watch: measures the quiz from outside, as an X client beside it, with no help from the
// program itself. Needs an X server of its own (tests/support/run-in-xvfb) with no window
// manager, and the DAMAGE and XTEST extensions.
//
//   window_watch startup BARE_WINDOW ASHFEVER [RUNS]   start-up and memory, side by side
//   window_watch slide ASHFEVER [PAIRS]                the history panel's slide
#include "benchtable.h"
#include "slide.h"
#include "startup.h"
#include "xserver.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using BenchTable::format;
using BenchTable::median;
using BenchTable::row;

namespace {

const std::string BareTitle = "Пустое окно";
const std::string QuizTitle = "Тест: \"Ashfever\"";

// Magenta: in neither the bare window's grey nor any of the quiz's artwork.
constexpr std::uint32_t RootColour = 0xFF00FF;

int startUp(XServer &server, const std::string &bare, const std::string &quiz, int runs)
{
    std::vector<double> bareTimes, quizTimes, bareMemory, quizMemory;
    // The first start of each warms the file cache and the font cache; it is not counted.
    for (int run = -1; run < runs; ++run) {
        const StartUp floor = measureStartUp(server, bare, BareTitle);
        const StartUp ours = measureStartUp(server, quiz, QuizTitle);
        if (!floor.shown || !ours.shown) {
            std::fprintf(stderr, "window_watch: a window never showed its first frame\n");
            return 1;
        }
        if (run < 0)
            continue;
        bareTimes.push_back(floor.milliseconds);
        quizTimes.push_back(ours.milliseconds);
        bareMemory.push_back(double(floor.peakResidentKiB));
        quizMemory.push_back(double(ours.peakResidentKiB));
    }
    const double bareTime = median(bareTimes), quizTime = median(quizTimes);
    const double bareMiB = median(bareMemory) / 1024, quizMiB = median(quizMemory) / 1024;
    const std::string runsNote = format(" (median of %d)", runs);
    row("start-up, bare window" + runsNote, format("%.1f ms", bareTime));
    row("start-up, quiz window" + runsNote,
        format("%.1f ms = %.2f x bare", quizTime, quizTime / bareTime), "<= 1.15 x bare",
        quizTime <= 1.15 * bareTime);
    row("peak RSS after start-up, bare window", format("%.1f MiB", bareMiB));
    row("peak RSS after start-up, quiz window",
        format("%.1f MiB = bare + %.1f MiB", quizMiB, quizMiB - bareMiB), "<= bare + 8 MiB",
        quizMiB <= bareMiB + 8);
    return 0;
}

int slide(XServer &server, const std::string &quiz, int pairs)
{
    const std::vector<SlidePair> measured = measureSlides(server, quiz, pairs);
    if (measured.empty()) {
        std::fprintf(stderr, "window_watch: the results window never came\n");
        return 1;
    }
    for (const bool out : {true, false}) {
        std::vector<double> times;
        int fewestDrawn = 1 << 30, expected = 0;
        for (const SlidePair &pair : measured) {
            const Slide &one = out ? pair.out : pair.back;
            times.push_back(one.milliseconds > 0 ? one.milliseconds : 1e9);
            fewestDrawn = std::min(fewestDrawn, one.widthsDrawn);
            expected = one.widthsExpected;
        }
        const double time = median(times);
        const char *way = out ? "out, 417 -> 643 px" : "back, 643 -> 417 px";
        row(format("slide %s (median of %d)", way, int(measured.size())), format("%.1f ms", time),
            "<= 500 ms", time <= 500);
        row(format("slide %s, widths drawn (fewest)", way),
            format("%d of %d", fewestDrawn, expected), "all", fewestDrawn == expected);
    }
    return 0;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: window_watch startup BARE_WINDOW ASHFEVER [RUNS]\n"
                 "       window_watch slide ASHFEVER [PAIRS]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        return usage();
    const std::string mode = argv[1];
    XServer server;
    server.paintRoot(RootColour);
    if (mode == "startup" && argc >= 4)
        return startUp(server, argv[2], argv[3], argc > 4 ? std::atoi(argv[4]) : 15);
    if (mode == "slide")
        return slide(server, argv[2], argc > 3 ? std::atoi(argv[3]) : 5);
    return usage();
}
