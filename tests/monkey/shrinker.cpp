// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shrinker.h"

#include "monkeysession.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace {

constexpr int MostReplays = 400;
constexpr qint64 LongestShrinkMs = 180'000;
// A replay that hangs is a break of its own.
constexpr unsigned LongestReplaySeconds = 300;

} // namespace

ReplayOutcome replayInChild(const MonkeyEvents &events, bool quiet)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {true, QStringLiteral("crash"), QStringLiteral("no pipe for the replay")};
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (quiet) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        alarm(LongestReplaySeconds);
        QString kind, details;
        const bool held = MonkeySession::replay(events, &kind, &details);
        const QByteArray report = (kind + u'\n' + details).toUtf8();
        if (!held && write(channel[1], report.constData(), size_t(report.size())) < 0)
            _exit(4);
        _exit(held ? 0 : 3);
    }
    close(channel[1]);
    QByteArray report;
    char buffer[4096];
    ssize_t got;
    while ((got = read(channel[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, got);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);

    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return {};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) {
        const QString text = QString::fromUtf8(report);
        return {true, text.section(u'\n', 0, 0), text.section(u'\n', 1)};
    }
    const QString how = WIFSIGNALED(status)
            ? QStringLiteral("killed by signal %1 (%2)")
                      .arg(WTERMSIG(status))
                      .arg(QString::fromLocal8Bit(strsignal(WTERMSIG(status))))
            : QStringLiteral("ended with status %1").arg(WEXITSTATUS(status));
    return {true, QStringLiteral("crash"), QStringLiteral("the program was %1").arg(how)};
}

MonkeyEvents shrink(const MonkeyEvents &events, const QString &kind, int *replays)
{
    QElapsedTimer clock;
    clock.start();
    *replays = 0;
    const auto breaksTheSameWay = [&](const MonkeyEvents &candidate) {
        ++*replays;
        const ReplayOutcome outcome = replayInChild(candidate, true);
        return outcome.broken && outcome.kind == kind;
    };
    // The start stays first; only what follows it is cut.
    const MonkeyEvent start = events.first();
    MonkeyEvents rest = events.mid(1);
    qsizetype slices = 2;
    while (!rest.isEmpty() && *replays < MostReplays && clock.elapsed() < LongestShrinkMs) {
        const qsizetype size = (rest.size() + slices - 1) / slices;
        bool cut = false;
        for (qsizetype from = 0; from < rest.size(); from += size) {
            MonkeyEvents candidate = rest;
            candidate.remove(from, qMin(size, rest.size() - from));
            if (breaksTheSameWay(MonkeyEvents{start} + candidate)) {
                rest = candidate;
                slices = qMax<qsizetype>(slices - 1, 2);
                cut = true;
                break;
            }
            if (*replays >= MostReplays || clock.elapsed() >= LongestShrinkMs)
                break;
        }
        if (!cut) {
            if (slices >= rest.size())
                break;
            slices = qMin(rest.size(), slices * 2);
        }
    }
    return MonkeyEvents{start} + rest;
}
