// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints as JSON what the quiz window is to show, taken from the program's own texts and question
// bank, so that a test reading the running program can tell right from wrong.
#include "frmdtest.h"
#include "frmhelp.h"
#include "questionbank.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main()
{
    QJsonArray questions;
    for (int number : {1, 2}) {
        const Question &question = QuestionBank::question(number);
        questions.append(QJsonObject{
                {QStringLiteral("text"), QuestionBank::questionText(number)},
                {QStringLiteral("points"), question.points.text()},
                {QStringLiteral("options"),
                 QJsonArray::fromStringList(QuestionBank::options(number))},
                {QStringLiteral("right"), question.right},
        });
    }
    const QJsonObject facts{
            {QStringLiteral("introduction"), FrmDTEST::introductionText()},
            {QStringLiteral("firstSection"), QuestionBank::sectionText(1)},
            {QStringLiteral("usageHelp"), FrmHelp::usageHelpText()},
            {QStringLiteral("closingCredits"), FrmHelp::closingCreditsText()},
            {QStringLiteral("questions"), questions},
    };
    const QByteArray json = QJsonDocument(facts).toJson();
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
