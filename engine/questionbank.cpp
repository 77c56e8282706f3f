// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "questionbank.h"

#include <algorithm>

namespace {

struct SectionLines
{
    const char16_t *level; // its leading spaces are part of the line
    const char16_t *topic;
};

constexpr std::array<SectionLines, QuestionBank::SectionCount> sections = {{
        {u"         Вопросы уровня 'Как говориться, пивка для рывка'(Самые легкие).",
         u"Вопросы непосредственно о первом Dustmoor' e"},
        {u"       Вопросы уровня 'Как говориться, пивка для рывка'(Самые легкие).",
         u"Вопросы непосредственно о втором Dustmoor' e"},
        {u"        Вопросы уровня 'А теперь водочки, для легкой походочки'(Умереная сложность).",
         u"Вопросы вразброс по порвому и второму Dustmoor'у. В основном по прохождению!"},
        {u"        Вопросы уровня 'Тяжелое похмелье'(Сложнейшие).",
         u"Вопросы вразброс по порвому и второму Dustmoor'у. Только для фанатов!"},
}};

QString fromView(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

QString Points::text() const
{
    if (tenths % 10 == 0)
        return QString::number(tenths / 10);
    return QStringLiteral("%1,%2").arg(tenths / 10).arg(tenths % 10);
}

double Points::value() const
{
    return tenths / 10.0;
}

namespace QuestionBank {

QString questionText(int number)
{
    return fromView(question(number).text);
}

QStringList options(int number)
{
    QStringList list;
    for (std::u16string_view option : question(number).options)
        list.append(fromView(option));
    return list;
}

QString rightOption(int number)
{
    const Question &q = question(number);
    return fromView(q.options.at(q.right - 1));
}

QString sectionText(int section)
{
    const SectionLines &lines = sections.at(section - 1);
    return QString::fromUtf16(lines.level) + QStringLiteral("\r\n") +
            QString::fromUtf16(lines.topic);
}

int sectionOpenedBy(int number)
{
    const auto *first = std::find(SectionFirstQuestion.begin(), SectionFirstQuestion.end(), number);
    return first == SectionFirstQuestion.end() ? 0 : int(first - SectionFirstQuestion.begin()) + 1;
}

} // namespace QuestionBank
