// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkeysession.h"

#include "frmdtest.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "listbox.h"
#include "picturebox.h"

#include <QApplication>

#include <limits>

namespace {

using Kind = MonkeyEvent::Kind;

constexpr qint16 CounterLimit = std::numeric_limits<qint16>::max();
// The slide holds the program for 3391 steps; one in this many events is plenty.
constexpr qint64 EventsBetweenSlides = 1500;
// A marathon steps some 33,000 times; it is started only with room for it in the budget.
constexpr qint64 MarathonEvents = 45'000;
// Pointer positions this far out lie beyond what 16 bits of twips can hold.
constexpr int FarOut = 2185;
constexpr int FarthestOut = 100'000;

MonkeyEvent event(Kind kind, const QWidget *window, const QString &control = {}, QPoint at = {},
                  int code = 0)
{
    return MonkeyEvent{kind, window ? window->objectName() : QString(), control, at, code};
}

// The named controls of a window that a player can see.
QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->objectName().isEmpty() && child->isVisible() &&
            !child->objectName().startsWith(QLatin1String("qt_")))
            controls << child;
    }
    return controls;
}

} // namespace

MonkeySession::MonkeySession(quint64 seed, qint64 events, std::FILE *log)
    : m_random(seed), m_budget(events), m_log(log), m_marathonRun(2 + m_random.bounded(8))
{ }

bool MonkeySession::run()
{
    bool starting = true;
    while (m_statistics.events < m_budget) {
        if (starting)
            startRun();
        starting = false;
        const MonkeyEvent event = m_planned.isEmpty() ? next() : m_planned.takeFirst();
        record(event);
        count(event);
        const int widthBefore = frmFin.instance() ? frmFin.instance()->width() : 0;
        m_driver.apply(event);
        ProgramDriver::settle();
        ++m_statistics.events;

        if (FrmDTEST *quiz = frmDTEST.instance(); quiz && quiz->quiz().state.TimeUp) {
            if (!m_timeUpThisRun)
                ++m_statistics.timeRanOut;
            m_timeUpThisRun = true;
        }
        if (FrmFin *results = frmFin.instance()) {
            if (!m_resultsThisRun)
                ++m_statistics.resultsReached;
            m_resultsThisRun = true;
            m_statistics.slides += qAbs(results->width() - widthBefore) > 200 && widthBefore;
        }
        const qint16 before = m_invariants.highestC();
        switch (m_invariants.check()) {
        case Invariants::Verdict::Holds:
            break;
        case Invariants::Verdict::ProgramEnded:
            ++m_statistics.creditsReached;
            starting = true;
            break;
        case Invariants::Verdict::Broken:
            std::fprintf(m_log, "broken %s: %s\n", qPrintable(m_invariants.brokenKind()),
                         qPrintable(m_invariants.brokenDetails()));
            std::fflush(m_log);
            return false;
        }
        if (m_invariants.highestC() == CounterLimit && before != CounterLimit)
            ++m_statistics.counterLimitReached;
        m_statistics.highestC = m_invariants.highestC();
    }
    return true;
}

void MonkeySession::startRun()
{
    ++m_statistics.runs;
    m_invariants.startRun();
    m_planned = {event(Kind::Start, nullptr)};
    m_resultsThisRun = false;
    m_timeUpThisRun = false;
    // One marathon a session, early, when the session is long enough to hold it.
    const qint64 left = m_budget - m_statistics.events;
    if (m_statistics.runs == m_marathonRun && left > MarathonEvents)
        m_mood = Mood::Marathon;
    else if (chance(0.06))
        m_mood = Mood::Dawdling;
    else
        m_mood = chance(0.3) ? Mood::Hasty : Mood::Steady;
}

bool MonkeySession::chance(double probability)
{
    return m_random.generateDouble() < probability;
}

void MonkeySession::count(const MonkeyEvent &event)
{
    const QString kind = event.toLine().section(u' ', 0, 0);
    ++m_statistics.mix[kind];
    if (event.kind == Kind::Key && event.code == Qt::Key_Escape)
        ++m_statistics.mix[QStringLiteral("key Esc")];
    if (event.kind == Kind::Move && (qAbs(event.at.x()) >= FarOut || qAbs(event.at.y()) >= FarOut))
        ++m_statistics.mix[QStringLiteral("move far out")];
    if (event.kind == Kind::Move && event.code != 0)
        ++m_statistics.mix[QStringLiteral("move with buttons")];
}

void MonkeySession::record(const MonkeyEvent &event)
{
    std::fprintf(m_log, "%s\n", qPrintable(event.toLine()));
    std::fflush(m_log);
}

MonkeyEvent MonkeySession::next()
{
    const QList<QWidget *> windows = ProgramDriver::shownWindows();
    if (windows.isEmpty())
        return event(Kind::Start, nullptr);
    QWidget *quiz = ProgramDriver::shownWindow(QStringLiteral("frmDTEST"));
    QWidget *help = ProgramDriver::shownWindow(QStringLiteral("frmHelp"));
    const bool atTheLimit =
            frmDTEST.instance() && frmDTEST.instance()->quiz().state.C == CounterLimit;

    double closing = 0.0015, stepping = 0.35;
    if (m_mood == Mood::Hasty) {
        closing = 0.01;
        stepping = 0.25;
    } else if (m_mood == Mood::Marathon) {
        closing = atTheLimit ? 0.05 : 0;
        stepping = 0.9;
    }
    QWidget *window = windows.at(m_random.bounded(int(windows.size())));
    if (chance(closing))
        return event(Kind::Close, window);
    // A minute goes by: the clock's ticks one after the other, nothing in between.
    if (m_mood == Mood::Dawdling && quiz && chance(0.1)) {
        for (int second = 0; second < 60; ++second)
            m_planned << event(Kind::Tick, quiz, QStringLiteral("tmrMain"));
        return m_planned.takeFirst();
    }

    if (quiz && !ProgramDriver::isBlocked(quiz) && chance(stepping)) {
        // Past the end a marathon only keeps the counter going, the fastest way there is.
        if (m_mood == Mood::Marathon && frmFin.instance() && !atTheLimit)
            return event(Kind::Key, quiz, QStringLiteral("lstAns"), {}, Qt::Key_Return);
        planStep(quiz);
        return m_planned.takeFirst();
    }
    // The usage help is modal: left open, it would take all the input for a long while.
    if (help && help->isModal() && chance(0.05)) {
        return chance(0.5)
                ? event(Kind::Key, help, QStringLiteral("txthelp"), {}, Qt::Key_Escape)
                : event(Kind::Click, help, QStringLiteral("Image1"),
                        somewhereOn(help, help->findChild<QWidget *>(QStringLiteral("Image1"))),
                        Qt::LeftButton);
    }

    int kind = m_random.bounded(100);
    // A marathon must not leave through the results window's exit before the counter stops.
    if (m_mood == Mood::Marathon && !atTheLimit && kind < 29 &&
        window->objectName() == QLatin1String("frmFin"))
        kind = 50;
    MonkeyEvent chosen;
    if (kind < 22) {
        chosen = click(window);
    } else if (kind < 25) {
        chosen = event(Kind::Press, window, {}, anywhere(window), randomButton());
    } else if (kind < 28) {
        chosen = event(Kind::Release, window, {}, anywhere(window), randomButton());
    } else if (kind < 29) {
        chosen = click(window);
        chosen.kind = Kind::DoubleClick;
    } else if (kind < 47) {
        chosen = key(window);
    } else if (kind < 75) {
        chosen = move(window);
    } else if (kind < 85) {
        chosen = event(Kind::Tick, nullptr, QStringLiteral("tmrMain"));
        chosen.window = QStringLiteral("frmDTEST");
    } else if (kind < 93) {
        chosen = event(Kind::Tick, nullptr, QStringLiteral("Timer1"));
        chosen.window = QStringLiteral("frmFin");
    } else if (quiz) {
        QWidget *button = quiz->findChild<QWidget *>(QStringLiteral("cmdHelp"));
        chosen = event(Kind::Click, quiz, button->objectName(), somewhereOn(quiz, button),
                       Qt::LeftButton);
    } else {
        chosen = key(window);
    }
    keepSlidesRare(chosen);
    return chosen;
}

void MonkeySession::planStep(QWidget *quiz)
{
    auto *list = quiz->findChild<ListBox *>(QStringLiteral("lstAns"));
    if (list->count() > 0) {
        if (chance(0.65)) {
            const QRect item = list->visualItemRect(list->item(m_random.bounded(list->count())));
            const QPoint at = list->viewport()->mapTo(quiz, item.center());
            m_planned << event(Kind::Click, quiz, list->objectName(), at, Qt::LeftButton);
        } else {
            m_planned << event(Kind::Key, quiz, list->objectName(), {},
                               chance(0.7) ? Qt::Key_Down : Qt::Key_Up);
        }
    }
    const double way = m_random.generateDouble();
    if (way < 0.45) {
        m_planned << event(Kind::Key, quiz, list->objectName(), {}, Qt::Key_Return);
    } else if (way < 0.55) {
        // Any character key in the list steps on as well.
        const int key = chance(0.5) ? Qt::Key_Space : Qt::Key_A + m_random.bounded(26);
        m_planned << event(Kind::Key, quiz, list->objectName(), {}, key);
    } else {
        QWidget *next = quiz->findChild<QWidget *>(QStringLiteral("cmdOk"));
        m_planned << event(Kind::Click, quiz, next->objectName(), somewhereOn(quiz, next),
                           Qt::LeftButton);
    }
}

MonkeyEvent MonkeySession::click(QWidget *window)
{
    const QList<QWidget *> controls = controlsOf(window);
    QWidget *control = controls.isEmpty() || chance(0.25)
            ? nullptr
            : controls.at(m_random.bounded(int(controls.size())));
    return event(Kind::Click, window, control ? control->objectName() : QString(),
                 somewhereOn(window, control), randomButton());
}

int MonkeySession::randomButton()
{
    const int roll = m_random.bounded(20);
    return roll < 16 ? Qt::LeftButton : (roll < 19 ? Qt::RightButton : Qt::MiddleButton);
}

MonkeyEvent MonkeySession::key(QWidget *window)
{
    QList<QWidget *> focusable;
    for (QWidget *control : controlsOf(window)) {
        if (control->focusPolicy() != Qt::NoFocus)
            focusable << control;
    }
    const QWidget *control = focusable.isEmpty() || chance(0.1)
            ? nullptr
            : focusable.at(m_random.bounded(int(focusable.size())));
    return event(Kind::Key, window, control ? control->objectName() : QString(), {}, randomKey());
}

int MonkeySession::randomKey()
{
    const bool atTheLimit =
            frmDTEST.instance() && frmDTEST.instance()->quiz().state.C == CounterLimit;
    double escape = 0.02;
    if (m_mood == Mood::Hasty)
        escape = 0.2;
    else if (m_mood == Mood::Marathon)
        escape = atTheLimit ? 0.5 : 0;
    if (chance(escape))
        return Qt::Key_Escape;
    const int roll = m_random.bounded(100);
    if (roll < 15)
        return Qt::Key_Return;
    if (roll < 20)
        return Qt::Key_Enter;
    if (roll < 30)
        return Qt::Key_Space;
    if (roll < 55)
        return Qt::Key_A + m_random.bounded(26);
    if (roll < 70)
        return Qt::Key_0 + m_random.bounded(10);
    constexpr int arrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
    return arrows[m_random.bounded(4)];
}

MonkeyEvent MonkeySession::move(QWidget *window)
{
    QPoint at;
    const int where = m_random.bounded(10);
    if (where < 6) {
        at = anywhere(window);
    } else if (where < 8) {
        const QRect near = window->rect().adjusted(-300, -300, 300, 300);
        at = QPoint(near.left() + m_random.bounded(near.width()),
                    near.top() + m_random.bounded(near.height()));
    } else {
        const auto far = [this] {
            const int distance = FarOut + m_random.bounded(FarthestOut - FarOut);
            return chance(0.5) ? distance : -distance;
        };
        at = QPoint(far(), chance(0.5) ? far() : m_random.bounded(window->height()));
        if (chance(0.3))
            at = at.transposed();
    }
    // Every combination of the three buttons, none and the left alone the most often.
    const int roll = m_random.bounded(20);
    const int buttons = roll < 9 ? 0 : (roll < 14 ? int(Qt::LeftButton) : m_random.bounded(8));
    return event(Kind::Move, window, {}, at, buttons);
}

QPoint MonkeySession::anywhere(QWidget *window)
{
    return QPoint(m_random.bounded(window->width()), m_random.bounded(window->height()));
}

QPoint MonkeySession::somewhereOn(QWidget *window, QWidget *control)
{
    if (!control)
        return anywhere(window);
    const QRect box =
            QRect(control->mapTo(window, QPoint()), control->size()).intersected(window->rect());
    if (box.isEmpty())
        return anywhere(window);
    return QPoint(box.left() + m_random.bounded(box.width()),
                  box.top() + m_random.bounded(box.height()));
}

void MonkeySession::keepSlidesRare(MonkeyEvent &event)
{
    FrmFin *results = frmFin.instance();
    const bool endsAClick = event.kind == Kind::Click || event.kind == Kind::DoubleClick ||
            event.kind == Kind::Release;
    if (!results || !endsAClick || event.window != results->objectName() ||
        !results->Image1->geometry().contains(event.at))
        return;
    if (m_statistics.events - m_lastSlide >= EventsBetweenSlides) {
        m_lastSlide = m_statistics.events;
        return;
    }
    // Beside the picture, on the background.
    event.at.rx() = results->Image1->x() - 20;
    event.control.clear();
}

bool MonkeySession::replay(const MonkeyEvents &events, QString *brokenKind, QString *details)
{
    ProgramDriver driver;
    Invariants invariants;
    for (const MonkeyEvent &event : events) {
        if (event.kind == Kind::Start)
            invariants.startRun();
        driver.apply(event);
        ProgramDriver::settle();
        if (invariants.check() == Invariants::Verdict::Broken) {
            *brokenKind = invariants.brokenKind();
            *details = invariants.brokenDetails();
            return false;
        }
    }
    return true;
}
