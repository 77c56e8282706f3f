// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequencer.h"

#include "numbertext.h"
#include "questionbank.h"
#include "quizscreen.h"
#include "quizstate.h"

#include <limits>

namespace {

const QString lineBreak = QStringLiteral("\r\n");

QString timeUpVerdict()
{
    return QStringLiteral(
            "Время отведенное вам на выполнение квеста, вышло!!! Попробуйте еще разок!");
}

QString topVerdict()
{
    return QStringLiteral("О-о-о! Поздравляю, вы отличный знаток Dustmoor! И если вы дошли доселе "
                          "без какой-либо помощи, то вы фанат, батенька! Спасибо за внимание!");
}

QString middleVerdict()
{
    return QStringLiteral("Ух...! Как хорошо иметь дело со знающими людьми! Вы знаете о мире "
                          "Dustmoor не понаслышке! И даже возможно прошли его не раз! Хороший "
                          "результат для обычного геймера, который любит играть в хитовые вещи, но "
                          "к фанатам Dustmoor я бы вас не отнес!");
}

QString lowestVerdict(int unanswered)
{
    return QStringLiteral("Да...! Не думал, что такие люди существуют! Может вы что-то перепутали, "
                          "нету кнопочку нажали, например?...Ну, а если вы читаете это не в "
                          "первые, то позвольте огорчить вас, вы не ответили всего на ") +
            QString::number(unanswered) +
            QStringLiteral(" вопросов из 80. Вы абсолютно не знакомы с миром Dustmoor!");
}

} // namespace

QuestionSequencer::QuestionSequencer(QuizState &quiz, Dt &dt, QuizScreen &screen)
    : m_quiz(quiz), m_dt(dt), m_screen(screen)
{ }

void QuestionSequencer::Advance()
{
    // The step counter stops at its 16-bit limit rather than wrapping round.
    if (m_quiz.C == std::numeric_limits<qint16>::max())
        return;

    if (m_quiz.C == 0) {
        m_screen.setClockInterval(1000);
    } else if (m_quiz.Ans.isEmpty()) {
        // Nothing was ever selected: stepping on would leave this question on screen while the
        // next answer is judged against the following one, so the step does nothing.
        return;
    }

    m_screen.clearAnswers();
    const int step = m_quiz.C;
    if (step == 0) {
        putQuestionOnScreen(1);
    } else if (step < QuestionBank::QuestionCount) {
        evaluateAnswer(step);
        putQuestionOnScreen(step + 1);
    } else if (step == QuestionBank::QuestionCount) {
        finish();
    }
    closingSteps();
}

void QuestionSequencer::putQuestionOnScreen(int number)
{
    m_screen.setCaption(QuizScreen::Label::lblBall, QuestionBank::question(number).points.text());
    // Section 1's text is set when the window loads; the later ones switch here.
    if (const int section = QuestionBank::sectionOpenedBy(number); section > 1)
        m_dt.Section = QuestionBank::sectionText(section);
    m_screen.setQuestionText(QuestionBank::questionText(number));
    for (const QString &option : QuestionBank::options(number))
        m_screen.appendAnswer(option);
}

void QuestionSequencer::evaluateAnswer(int number)
{
    // The answer must match the right option exactly: same case, no trimming.
    if (m_quiz.Ans == QuestionBank::rightOption(number)) {
        const Points points = QuestionBank::question(number).points;
        // Reading the score back from its caption before every addition keeps it exact to
        // one decimal: the double's error never accumulates.
        const double score = NumberText::toNumber(m_screen.caption(QuizScreen::Label::lblNBall)) +
                points.value();
        m_screen.setCaption(QuizScreen::Label::lblNBall, NumberText::score(score));
        m_dt.Verdicts += m_quiz.Ans + lineBreak + QStringLiteral("Правильно(") + points.text() +
                u')' + lineBreak;
        ++m_quiz.Right;
    } else {
        m_dt.Verdicts += m_quiz.Ans + lineBreak + QStringLiteral("Неправильно(0)") + lineBreak;
    }
    const double answered = NumberText::toNumber(m_screen.caption(QuizScreen::Label::lblNAns));
    m_screen.setCaption(QuizScreen::Label::lblNAns, NumberText::counter(qRound64(answered) + 1));
}

void QuestionSequencer::finish()
{
    evaluateAnswer(QuestionBank::QuestionCount);
    m_screen.setQuestionText(QString());
    m_screen.setMainText(QString());
    // The verdict write loads the results window, which takes Hist as it stands then: the
    // summary must be in place before it.
    if (m_quiz.TimeUp) {
        m_screen.setVerdict(timeUpVerdict());
    } else {
        m_quiz.Hist = finalSummary();
        m_screen.setVerdict(verdictForScore());
    }
    m_screen.showResults();
}

QString QuestionSequencer::finalSummary() const
{
    return QStringLiteral("Ваше время:") + m_screen.caption(QuizScreen::Label::lblMin) + u':' +
            m_screen.caption(QuizScreen::Label::lblSec) + lineBreak +
            QStringLiteral("Правильных ответов:") + QString::number(m_quiz.Right) + lineBreak +
            QStringLiteral(" Поздравляю - с окончанием тестирования! И позвольте мне напомнить, "
                           "что вы отвечали на вопрсы, посвященные бессмертному творению, "
                           "Dustmoor! Всего было составлено 80 вопросов 3 уровней сложности:") +
            lineBreak;
}

QString QuestionSequencer::verdictForScore() const
{
    const double score = NumberText::toNumber(m_screen.caption(QuizScreen::Label::lblNBall));
    if (score > 90)
        return topVerdict();
    if (score > 60)
        return middleVerdict();
    return lowestVerdict(QuestionBank::QuestionCount - m_quiz.Right);
}

void QuestionSequencer::closingSteps()
{
    m_dt.AppendHistory(m_quiz, m_screen);
    m_dt.ShowSection(m_screen);
    m_screen.setMainTextColor(QuizColor::Green);
    ++m_quiz.C;
}
