// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include "captionlabel.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "programdriver.h"
#include "programstate.h"
#include "textbox.h"

#include <QApplication>
#include <QRegularExpression>

#include <limits>

namespace {

using ProgramState::instances;

// The score caption for a sum of points: "00" before any right answer, then the shortest form
// with a comma: "0,4", "12", "121,9".
QString scoreCaption(qint64 hundredths)
{
    if (hundredths == 0)
        return QStringLiteral("00");
    QString text = QString::number(hundredths / 100);
    if (const qint64 fraction = hundredths % 100) {
        text += u',' + QStringLiteral("%1").arg(fraction, 2, 10, QChar(u'0'));
        while (text.endsWith(u'0'))
            text.chop(1);
    }
    return text;
}

constexpr int TailLength = 32;

} // namespace

void Invariants::startRun()
{
    m_quizSeen = false;
    m_creditsSeen = false;
    m_lastC = 0;
    m_readUpTo = 0;
    m_readTail.clear();
    m_rightHundredths = 0;
}

Invariants::Verdict Invariants::broken(const char *kind, const QString &details)
{
    m_kind = QLatin1String(kind);
    m_details = details;
    return Verdict::Broken;
}

Invariants::Verdict Invariants::check()
{
    const int quizzes = instances<FrmDTEST>();
    const int results = instances<FrmFin>();
    const int helps = instances<FrmHelp>();
    if (quizzes > 1 || results > 1 || helps > 1)
        return broken("instances",
                      QStringLiteral("%1 quiz, %2 results, %3 help windows")
                              .arg(quizzes)
                              .arg(results)
                              .arg(helps));
    if (quizzes == 1)
        return checkQuiz();
    if (!m_quizSeen)
        return broken("start", QStringLiteral("no quiz window after the start"));
    return checkEndState();
}

Invariants::Verdict Invariants::checkQuiz()
{
    m_quizSeen = true;
    FrmDTEST *quiz = frmDTEST.instance();
    if (!quiz)
        return broken("reference", QStringLiteral("a quiz window is open but frmDTEST is empty"));
    if (instances<FrmFin>() == 1 && !frmFin.instance())
        return broken("reference", QStringLiteral("a results window is open but frmFin is empty"));

    const qint16 c = quiz->quiz().state.C;
    if (c < m_lastC || c < 0)
        return broken("counter", QStringLiteral("C went from %1 to %2").arg(m_lastC).arg(c));
    m_lastC = c;
    m_highestC = qMax(m_highestC, c);
    // The results come with the 80th answer, which is step 81.
    if (instances<FrmFin>() == 1 && c < 81)
        return broken("results", QStringLiteral("a results window at C = %1").arg(c));

    const QString expected = scoreCaption(rightPointsInHundredths(quiz->quiz().dt.Verdicts));
    const QString shown = quiz->lblNBall->caption();
    if (shown != expected)
        return broken("score",
                      QStringLiteral("the score shows \"%1\" but the right answers in "
                                     "the log are worth \"%2\"")
                              .arg(shown, expected));
    return Verdict::Holds;
}

Invariants::Verdict Invariants::checkEndState()
{
    if (!frmDTEST.isEmpty() || !frmFin.isEmpty() || instances<FrmFin>() != 0)
        return broken("end state",
                      QStringLiteral("the quiz window is gone, but frmDTEST %1, frmFin %2, %3 "
                                     "results windows")
                              .arg(frmDTEST.isEmpty() ? "empty" : "set")
                              .arg(frmFin.isEmpty() ? "empty" : "set")
                              .arg(instances<FrmFin>()));
    const QList<QWidget *> shown = ProgramDriver::shownWindows();
    if (instances<FrmHelp>() == 0) {
        if (!m_creditsSeen)
            return broken("end state", QStringLiteral("the quiz closed without the credits"));
        if (!shown.isEmpty())
            return broken("end state", QStringLiteral("windows remain after the credits"));
        return Verdict::ProgramEnded;
    }
    FrmHelp *help = frmHelp.instance();
    if (!help || shown.size() != 1 || shown.first() != help)
        return broken("end state", QStringLiteral("the credits are not the only window shown"));
    if (help->windowModality() != Qt::NonModal)
        return broken("end state", QStringLiteral("the credits window is modal"));
    if (help->txthelp->text() != FrmHelp::closingCreditsText())
        return broken("end state",
                      QStringLiteral("the help window shows \"%1\", not the credits")
                              .arg(help->txthelp->text().left(60)));
    m_creditsSeen = true;
    return Verdict::Holds;
}

qint64 Invariants::rightPointsInHundredths(const QString &verdicts)
{
    // Reread from the start if the log is not the one read so far, extended.
    if (verdicts.size() < m_readUpTo ||
        QStringView(verdicts).sliced(m_readUpTo - m_readTail.size(), m_readTail.size()) !=
                m_readTail) {
        m_readUpTo = 0;
        m_readTail.clear();
        m_rightHundredths = 0;
    }
    static const QRegularExpression right(QStringLiteral("^Правильно\\((\\d+)(?:,(\\d\\d?))?\\)$"));
    qsizetype end;
    while ((end = verdicts.indexOf(QStringLiteral("\r\n"), m_readUpTo)) >= 0) {
        const QRegularExpressionMatch match =
                right.match(QStringView(verdicts).sliced(m_readUpTo, end - m_readUpTo));
        if (match.hasMatch()) {
            const QString fraction = match.captured(2).leftJustified(2, u'0');
            m_rightHundredths += match.captured(1).toLongLong() * 100 + fraction.toLongLong();
        }
        m_readUpTo = end + 2;
    }
    m_readTail = verdicts.mid(qMax<qsizetype>(0, m_readUpTo - TailLength),
                              qMin<qsizetype>(m_readUpTo, TailLength));
    return m_rightHundredths;
}
