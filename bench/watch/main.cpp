// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// window_watch: measures the quiz from outside, as an X client beside it, with no help from the
// program itself. Needs an X server of its own (tests/support/run-in-xvfb) with no window
// manager, and the DAMAGE and XTEST extensions.
//
//   window_watch startup BARE_WINDOW PLAIN_WINDOW ASHFEVER [RUNS]
//       start-up and memory of the two references and the quiz, side by side
//   window_watch slide ASHFEVER [PAIRS]
//       the history panel's slide
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
const std::string PlainTitle = "Обычное окно";
const std::string QuizTitle = "Тест: \"Ashfever\"";

// Magenta: in neither the bare window's grey nor any of the quiz's artwork.
constexpr std::uint32_t RootColour = 0xFF00FF;

// One program's start-ups: times in milliseconds, peak resident sets in MiB.
struct StartUps
{
    std::vector<double> times, memory;

    void add(const StartUp &one)
    {
        times.push_back(one.milliseconds);
        memory.push_back(double(one.peakResidentKiB) / 1024);
    }
};

// The quiz window beside two references of its size: a bare window, the least any window
// costs, and a window of stock widgets with the same picture, a text, a list and two buttons,
// what any window with such content costs. What the quiz costs above the second is our code's.
int startUp(XServer &server, const std::string &bare, const std::string &plain,
            const std::string &quiz, int runs)
{
    StartUps bareRuns, plainRuns, quizRuns;
    // The first start of each warms the file cache and the font cache; it is not counted. The
    // three take turns, so that a spell of load from elsewhere falls on all of them.
    for (int run = -1; run < runs; ++run) {
        const StartUp floor = measureStartUp(server, bare, BareTitle);
        const StartUp stock = measureStartUp(server, plain, PlainTitle);
        const StartUp ours = measureStartUp(server, quiz, QuizTitle);
        if (!floor.shown || !stock.shown || !ours.shown) {
            std::fprintf(stderr, "window_watch: a window never showed its first frame\n");
            return 1;
        }
        if (run < 0)
            continue;
        bareRuns.add(floor);
        plainRuns.add(stock);
        quizRuns.add(ours);
    }
    const double bareTime = median(bareRuns.times), plainTime = median(plainRuns.times),
                 quizTime = median(quizRuns.times);
    const double bareMiB = median(bareRuns.memory), plainMiB = median(plainRuns.memory),
                 quizMiB = median(quizRuns.memory);
    const std::string runsNote = format(" (median of %d)", runs);
    row("start-up, bare window" + runsNote, format("%.1f ms", bareTime));
    row("start-up, plain-widget window" + runsNote,
        format("%.1f ms = %.2f x bare", plainTime, plainTime / bareTime));
    row("start-up, quiz window" + runsNote,
        format("%.1f ms = %.2f x bare", quizTime, quizTime / bareTime), "<= 1.15 x bare",
        quizTime <= 1.15 * bareTime);
    row("start-up, quiz window above the plain-widget one",
        format("%+.1f ms = %.2f x plain", quizTime - plainTime, quizTime / plainTime));
    row("peak RSS after start-up, bare window", format("%.1f MiB", bareMiB));
    row("peak RSS after start-up, plain-widget window",
        format("%.1f MiB = bare + %.1f MiB", plainMiB, plainMiB - bareMiB));
    row("peak RSS after start-up, quiz window",
        format("%.1f MiB = bare + %.1f MiB", quizMiB, quizMiB - bareMiB), "<= bare + 8 MiB",
        quizMiB <= bareMiB + 8);
    row("peak RSS, quiz window above the plain-widget one",
        format("%+.1f MiB", quizMiB - plainMiB));
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
        std::string way;
        for (const SlidePair &pair : measured) {
            const Slide &one = out ? pair.out : pair.back;
            times.push_back(one.milliseconds > 0 ? one.milliseconds : 1e9);
            fewestDrawn = std::min(fewestDrawn, one.widthsDrawn);
            expected = one.widthsExpected;
            way = format("%s, %d -> %d px", out ? "out" : "back", one.from, one.to);
        }
        const double time = median(times);
        row(format("slide %s (median of %d)", way.c_str(), int(measured.size())),
            format("%.1f ms", time), "<= 500 ms", time <= 500);
        row(format("slide %s, widths drawn (fewest)", way.c_str()),
            format("%d of %d", fewestDrawn, expected), "all", fewestDrawn == expected);
    }
    return 0;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: window_watch startup BARE_WINDOW PLAIN_WINDOW ASHFEVER [RUNS]\n"
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
    if (mode == "startup" && argc >= 5)
        return startUp(server, argv[2], argv[3], argv[4], argc > 5 ? std::atoi(argv[5]) : 15);
    if (mode == "slide")
        return slide(server, argv[2], argc > 3 ? std::atoi(argv[3]) : 5);
    return usage();
}
