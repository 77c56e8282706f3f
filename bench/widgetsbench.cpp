// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Times the quiz on its real widgets (offscreen platform): one step, a whole playthrough, and
// the Answers button once the log holds every step the 16-bit counter allows. Each step is a
// click on an option and a click on Next, with the repaint that follows.
#include "benchtable.h"
#include "commandbutton.h"
#include "formfont.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "programstate.h"
#include "textbox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <limits>

using BenchTable::format;
using BenchTable::median;
using BenchTable::row;
using namespace ProgramState;

namespace {

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// A field of /proc/self/status in KiB: "VmRSS" now, "VmHWM" the peak so far.
long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void stepsAndPlaythroughs(int playthroughs)
{
    std::vector<double> steps, wholes;
    long afterFirst = 0;
    // The first playthrough loads what every later one finds loaded; it is timed all the same.
    for (int run = 0; run < playthroughs; ++run) {
        start();
        QElapsedTimer whole;
        whole.start();
        while (frmFin.isEmpty() || !frmFin->isVisible()) {
            QElapsedTimer one;
            one.start();
            step();
            settle(); // the repaint that follows
            // The introduction's step and the 80th, which opens the results, are no typical step.
            if (frmDTEST->quiz().state.C > 1 && frmFin.isEmpty())
                steps.push_back(milliseconds(one));
        }
        wholes.push_back(milliseconds(whole));
        reset();
        if (run == 0)
            afterFirst = statusKiB("VmHWM");
    }
    row(format("one quiz step, offscreen (median of %zu)", steps.size()),
        format("%.3f ms", median(steps)));
    row(format("80-question playthrough, offscreen (median of %d)", playthroughs),
        format("%.1f ms", median(wholes)));
    // Windows closed and destroyed after each run: nothing should pile up from one to the next.
    row(format("peak RSS after 1 / %d playthroughs", playthroughs),
        format("%.1f / %.1f MiB", double(afterFirst) / 1024, double(statusKiB("VmHWM")) / 1024));
}

void answersWithTheLongestLog(int repeats)
{
    start();
    FrmDTEST *quiz = frmDTEST.get();
    QElapsedTimer toTheLimit;
    toTheLimit.start();
    answer(80);
    settle();
    // Past the end the list is empty: Next alone steps, and every step adds a heading.
    while (quiz->quiz().state.C < std::numeric_limits<qint16>::max())
        quiz->cmdOk->click();
    settle();
    row("32,767 steps to the counter limit, offscreen",
        format("%.0f ms", milliseconds(toTheLimit)));
    const QString log = quiz->quiz().dt.Verdicts;
    const QString section = quiz->txtMain->text();

    std::vector<double> times;
    long rssGrowth = 0;
    const long peakBefore = statusKiB("VmHWM");
    for (int i = 0; i < repeats; ++i) {
        const long rssBefore = statusKiB("VmRSS");
        QElapsedTimer shown;
        shown.start();
        QTest::mouseClick(quiz->cmdCheck, Qt::LeftButton);
        settle();
        times.push_back(milliseconds(shown));
        if (quiz->txtMain->text() != log || quiz->txtMain->toPlainText().size() < log.size() / 2)
            qFatal("the Answers button did not show the log");
        if (i == 0)
            rssGrowth = statusKiB("VmRSS") - rssBefore;
        // Back to the section text, so that the next click has the whole log to show again.
        quiz->txtMain->setText(section);
        settle();
    }
    const double time = median(times);
    row(format("Answers button, %lld-char log (median of %d)", qint64(log.size()), repeats),
        format("%.1f ms", time), "<= 100 ms", time <= 100);
    row("Answers button, resident memory it adds", format("%.1f MiB", double(rssGrowth) / 1024));
    row("Answers button, peak RSS growth",
        format("%.1f MiB", double(statusKiB("VmHWM") - peakBefore) / 1024));
    reset();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FormFont::install();
    stepsAndPlaythroughs(11);
    answersWithTheLongestLog(5);
    return 0;
}
