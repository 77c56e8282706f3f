// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The two procedures that close every step: AppendHistory and ShowSection.
#include "quizscreen.h"
#include "quizstate.h"

namespace {

// " 12. Вопрос:" CR LF, the question as the box holds it, CR LF, "Ваш ответ: ". The number keeps
// one leading space where a sign would stand; the answer of the next step follows on that line.
QString heading(qint16 number, const QString &question)
{
    return u' ' + QString::number(number) + QStringLiteral(". Вопрос:\r\n") + question +
            QStringLiteral("\r\nВаш ответ: ");
}

} // namespace

void Dt::AppendHistory(QuizState &quiz, const QuizScreen &screen)
{
    const auto number = qint16(quiz.C + 1);
    const QString entry = heading(number, screen.questionText());
    Verdicts += entry;
    quiz.Hist += entry;
}

void Dt::ShowSection(QuizScreen &screen) const
{
    screen.setMainText(Section);
}
