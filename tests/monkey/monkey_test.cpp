// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The real windows under random input: clicks on every control, keys in every control, pointer
// reports with any buttons anywhere, clock ticks, help opened and closed and close requests, run
// after run of the program, with the invariants checked after every event.
//
// ASHFEVER_MONKEY_SEED repeats a session; ASHFEVER_MONKEY_EVENTS sets its length (100,000).
// The session runs in a child process, so that even a crash leaves its events behind; a failure
// is replayed and cut down to the shortest list of events that still fails the same way.
#include "formfont.h"
#include "monkeyevent.h"
#include "monkeysession.h"
#include "shrinker.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTest>
#include <QThreadPool>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

// Set where the tests are built with AddressSanitizer: a session must leave no leak behind.
extern "C" int __lsan_do_recoverable_leak_check() __attribute__((weak));

namespace {

quint64 seedToUse()
{
    bool given = false;
    const quint64 seed = qEnvironmentVariable("ASHFEVER_MONKEY_SEED").toULongLong(&given);
    return given ? seed : QRandomGenerator::system()->generate64();
}

qint64 eventsToSend()
{
    bool given = false;
    const qint64 events = qEnvironmentVariable("ASHFEVER_MONKEY_EVENTS").toLongLong(&given);
    return given && events > 0 ? events : 100'000;
}

// What a session left in its log: the events of its last run, its statistics and what broke.
struct SessionLog
{
    MonkeyEvents lastRun;
    QString broken;     // "KIND: DETAILS", empty if nothing broke
    QString statistics; // one line, written when the session completed
    QString mix;        // how many events of each kind it sent
};

SessionLog readLog(const QString &path)
{
    SessionLog log;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return log;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.startsWith(QLatin1String("broken "))) {
            log.broken = line.mid(7);
        } else if (line.startsWith(QLatin1String("statistics "))) {
            log.statistics = line.mid(11);
        } else if (line.startsWith(QLatin1String("mix "))) {
            log.mix = line.mid(4);
        } else if (const std::optional<MonkeyEvent> event = MonkeyEvent::fromLine(line)) {
            if (event->kind == MonkeyEvent::Kind::Start)
                log.lastRun.clear();
            log.lastRun << *event;
        }
    }
    return log;
}

QtMessageHandler testMessages = nullptr;

// Popup menus on a platform without a window system say so every time they open.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    testMessages(type, context, message);
}

// The session itself, in the child process.
[[noreturn]] void runSession(quint64 seed, qint64 events, const QString &logPath)
{
    testMessages = qInstallMessageHandler(quietPlatformNotes);
    std::FILE *log = std::fopen(QFile::encodeName(logPath).constData(), "w");
    if (!log)
        _exit(5);
    MonkeySession session(seed, events, log);
    QElapsedTimer clock;
    clock.start();
    const bool held = session.run();
    if (!held)
        _exit(3);
    const MonkeySession::Statistics &seen = session.statistics();
    std::fprintf(log,
                 "statistics %lld events in %.1f s (%.0f a second), %d runs of the program: "
                 "%d reached the results, %d the credits, %d ran out of time, %d slides, %d "
                 "reached the counter's limit; highest C %d\n",
                 seen.events, double(clock.elapsed()) / 1000,
                 double(seen.events) * 1000 / qMax<qint64>(1, clock.elapsed()), seen.runs,
                 seen.resultsReached, seen.creditsReached, seen.timeRanOut, seen.slides,
                 seen.counterLimitReached, int(seen.highestC));
    QStringList mix;
    for (auto kind = seen.mix.cbegin(); kind != seen.mix.cend(); ++kind)
        mix << QStringLiteral("%1 %2").arg(kind.key()).arg(kind.value());
    std::fprintf(log, "mix %s\n", qPrintable(mix.join(QStringLiteral(", "))));
    std::fclose(log);
    // Every window is gone by now; whatever the runs allocated must have been freed. Qt's
    // painting threads must be gone too, or what they hold looks leaked.
    QThreadPool::globalInstance()->waitForDone();
    if (__lsan_do_recoverable_leak_check && __lsan_do_recoverable_leak_check() != 0)
        _exit(6);
    _exit(0);
}

QString describe(const MonkeyEvents &events)
{
    QString text;
    for (const MonkeyEvent &event : events)
        text += QStringLiteral("    ") + event.toLine() + u'\n';
    return text;
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }

    // The recorded lines are what a failure prints and what a replay reads.
    void eventsReadBackFromTheirLines_data()
    {
        using Kind = MonkeyEvent::Kind;
        QTest::addColumn<MonkeyEvent>("event");
        QTest::addRow("start") << MonkeyEvent{Kind::Start, {}, {}, {}, 0};
        QTest::addRow("click") << MonkeyEvent{
                Kind::Click, "frmDTEST", "cmdOk", {600, 336}, Qt::LeftButton};
        QTest::addRow("double click on the background")
                << MonkeyEvent{Kind::DoubleClick, "frmFin", {}, {3, 4}, Qt::RightButton};
        QTest::addRow("press") << MonkeyEvent{Kind::Press, "frmHelp", {}, {0, 0}, Qt::MiddleButton};
        QTest::addRow("release") << MonkeyEvent{
                Kind::Release, "frmFin", "Image1", {330, 360}, Qt::LeftButton};
        QTest::addRow("move far out with all buttons")
                << MonkeyEvent{Kind::Move,
                               "frmFin",
                               {},
                               {-40000, 99999},
                               Qt::LeftButton | Qt::RightButton | Qt::MiddleButton};
        QTest::addRow("move with none") << MonkeyEvent{Kind::Move, "frmHelp", {}, {5, -7}, 0};
        QTest::addRow("escape") << MonkeyEvent{Kind::Key, "frmDTEST", "lstAns", {}, Qt::Key_Escape};
        QTest::addRow("letter on the window")
                << MonkeyEvent{Kind::Key, "frmFin", {}, {}, Qt::Key_Q};
        QTest::addRow("tick") << MonkeyEvent{Kind::Tick, "frmFin", "Timer1", {}, 0};
        QTest::addRow("close") << MonkeyEvent{Kind::Close, "frmHelp", {}, {}, 0};
    }
    void eventsReadBackFromTheirLines()
    {
        QFETCH(MonkeyEvent, event);
        const std::optional<MonkeyEvent> back = MonkeyEvent::fromLine(event.toLine());
        QVERIFY2(back, qPrintable(event.toLine()));
        QCOMPARE(back->toLine(), event.toLine());
        QCOMPARE(int(back->kind), int(event.kind));
        QCOMPARE(back->window, event.window);
        QCOMPARE(back->control, event.control);
        QCOMPARE(back->code, event.code);
        if (event.kind != MonkeyEvent::Kind::Key && event.kind != MonkeyEvent::Kind::Tick &&
            event.kind != MonkeyEvent::Kind::Close)
            QCOMPARE(back->at, event.at);
    }

    void randomInputKeepsTheInvariants()
    {
        const quint64 seed = seedToUse();
        const qint64 events = eventsToSend();
        std::printf("monkey: seed %llu (ASHFEVER_MONKEY_SEED=%llu repeats it), %lld events\n", seed,
                    seed, events);
        std::fflush(stdout);
        QTemporaryFile logFile(QDir::tempPath() + QStringLiteral("/ashfever-monkey-XXXXXX.log"));
        QVERIFY(logFile.open());
        const QString logPath = logFile.fileName();

        std::fflush(stderr);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0)
            runSession(seed, events, logPath);
        int status = 0;
        waitpid(child, &status, 0);
        const SessionLog log = readLog(logPath);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
            std::printf("monkey: %s\nmonkey: events of each kind: %s\n", qPrintable(log.statistics),
                        qPrintable(log.mix));
            return;
        }
        if (WIFEXITED(status) && WEXITSTATUS(status) == 6)
            QFAIL(qPrintable(QStringLiteral("seed %1: the session leaked memory (see the report "
                                            "above); %2")
                                     .arg(seed)
                                     .arg(log.statistics)));

        // Something broke: find the shortest list of events that still breaks it.
        QString failure = log.broken;
        if (failure.isEmpty())
            failure = WIFSIGNALED(status)
                    ? QStringLiteral("crash: killed by signal %1").arg(WTERMSIG(status))
                    : QStringLiteral("crash: ended with status %1").arg(WEXITSTATUS(status));
        const QString kind = failure.section(u':', 0, 0);
        QString report = QStringLiteral("MONKEY FAILURE, seed %1 (ASHFEVER_MONKEY_SEED=%1 "
                                        "repeats it)\nbroken: %2\n")
                                 .arg(seed)
                                 .arg(failure);
        const ReplayOutcome alone = replayInChild(log.lastRun, true);
        if (!alone.broken || alone.kind != kind) {
            report += QStringLiteral("The last run of the program alone does not break the same "
                                     "way; its %1 events were:\n%2")
                              .arg(log.lastRun.size())
                              .arg(describe(log.lastRun));
        } else {
            int replays = 0;
            const MonkeyEvents shortest = shrink(log.lastRun, kind, &replays);
            const ReplayOutcome last = replayInChild(shortest, false);
            report += QStringLiteral("Shortest event list found (%1 of the %2 events of the last "
                                     "run, after %3 replays), which breaks with: %4: %5\n%6")
                              .arg(shortest.size())
                              .arg(log.lastRun.size())
                              .arg(replays)
                              .arg(last.kind, last.details, describe(shortest));
        }
        std::printf("%s", qPrintable(report));
        std::fflush(stdout);
        QFAIL(qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure)));
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
