// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the question bank as JSON, one object a question, for playing it outside the program:
// {"n": 1, "points": 0.4, "question": "...", "options": [five texts], "right": 1}.
#include "questionbank.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main()
{
    QJsonArray bank;
    for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
        const Question &question = QuestionBank::question(n);
        bank.append(QJsonObject{
                {QStringLiteral("n"), n},
                {QStringLiteral("points"), question.points.value()},
                {QStringLiteral("question"), QuestionBank::questionText(n)},
                {QStringLiteral("options"), QJsonArray::fromStringList(QuestionBank::options(n))},
                {QStringLiteral("right"), question.right},
        });
    }
    const QByteArray json = QJsonDocument(bank).toJson();
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
