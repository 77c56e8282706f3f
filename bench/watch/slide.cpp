// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "slide.h"

#include "firstframe.h"
#include "layout.h"
#include "program.h"

#include <set>
#include <thread>

namespace {

const std::string QuizTitle = "Тест: \"Ashfever\"";
const std::string ResultsTitle = "Результаты тестирования";

namespace Results = Layout::Results;
constexpr int NarrowWidth = Results::client.pixels().width();
constexpr int WideWidth =
        Layout::Client{Results::client.width + Results::PanelWidth, 0}.pixels().width();

// Where the player's pointer and clicks go, in client coordinates: the answer list below its
// options, and the statistics picture.
constexpr QPoint InTheList(Layout::Quiz::lstAns.pixels().center().x(),
                           Layout::Quiz::lstAns.pixels().bottom() - 8);
constexpr QPoint Statistics = Results::Image1.pixels().center();

constexpr std::uint32_t KeyReturn = 0xff0d;
constexpr std::uint32_t KeyDown = 0xff54;

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// Empties the event queue so that a measurement starts with nothing left from before.
void drain(XServer &server, int milliseconds)
{
    WindowEvent event;
    const auto until = WatchClock::now() + std::chrono::milliseconds(milliseconds);
    while (server.nextEvent(until, event)) { }
}

// Plays from the introduction through the 80th answer with the keyboard: Enter in the list
// steps, Down chooses the first option. Without a window manager the keys go to the window
// under the pointer.
void playTheQuiz(XServer &server, xcb_window_t quiz)
{
    int x = 0, y = 0, width = 0, height = 0;
    server.geometry(quiz, x, y, width, height);
    server.movePointer(x + InTheList.x(), y + InTheList.y());
    pause(50);
    server.tapKey(KeyReturn);
    for (int answer = 1; answer <= 80; ++answer) {
        server.tapKey(KeyDown);
        server.tapKey(KeyReturn);
        server.sync();
    }
}

Slide slide(XServer &server, xcb_window_t results, int from, int to)
{
    Slide result{from, to};
    result.widthsExpected = from < to ? to - from : from - to;
    server.pressButton(1);
    drain(server, 50);
    const auto start = WatchClock::now();
    server.releaseButton(1);

    std::set<int> drawn;
    WatchClock::time_point end{};
    WindowEvent event;
    const auto deadline = start + std::chrono::seconds(20);
    while (server.nextEvent(deadline, event)) {
        if (event.window != results || event.kind != WindowEvent::Kind::Drawn)
            continue;
        drawn.insert(event.width);
        if (event.width == to && end == WatchClock::time_point{}) {
            end = event.at;
            break;
        }
    }
    if (end != WatchClock::time_point{})
        result.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    const int low = std::min(from, to), high = std::max(from, to);
    for (const int width : drawn)
        result.widthsDrawn += width != from && width >= low && width <= high;
    // The picture blinks under the resting pointer; let the window settle before the next.
    drain(server, 300);
    return result;
}

} // namespace

std::vector<SlidePair> measureSlides(XServer &server, const std::string &quizProgram, int pairs)
{
    std::vector<SlidePair> measured;
    const auto start = WatchClock::now();
    Program program(quizProgram);
    const xcb_window_t quiz =
            waitForFirstFrame(server, QuizTitle, start + std::chrono::seconds(30));
    if (!quiz)
        return measured;
    playTheQuiz(server, quiz);
    const xcb_window_t results =
            waitForFirstFrame(server, ResultsTitle, WatchClock::now() + std::chrono::seconds(60));
    if (!results)
        return measured;

    int x = 0, y = 0, width = 0, height = 0;
    server.geometry(results, x, y, width, height);
    server.movePointer(x + Statistics.x(), y + Statistics.y());
    drain(server, 200);
    for (int i = 0; i < pairs; ++i) {
        SlidePair pair;
        pair.out = slide(server, results, NarrowWidth, WideWidth);
        pair.back = slide(server, results, WideWidth, NarrowWidth);
        measured.push_back(pair);
    }
    program.stop();
    return measured;
}
