// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The 80 fixed questions of the quiz and its four sections.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <string_view>

// A question's worth, kept in tenths so that the shown text and the added value agree.
struct Points
{
    int tenths;

    QString text() const; // "0,4", "2,8"; whole numbers without decimals: "1", "3"
    double value() const;
};

// Where the player's chronicle of Dustmoor (chronicle/chronicle.html) tells a question's answer:
// the id of its section and a passage of that section, quoted as written there.
struct ChroniclePassage
{
    std::string_view section;
    std::u16string_view quote;
};

struct Question
{
    int section; // 1 to 4
    Points points;
    std::u16string_view text;                   // one paragraph, indented with spaces
    std::array<std::u16string_view, 5> options; // in the order the list shows them
    int right;                                  // 1-based position of the right option
    ChroniclePassage told;                      // where a reader learns the answer
};

namespace QuestionBank {

constexpr int QuestionCount = 80;
constexpr int SectionCount = 4;
// The first question of each section; the sections follow each other without gaps.
constexpr std::array<int, SectionCount> SectionFirstQuestion = {1, 12, 21, 61};

// Question n, 1 to 80.
const Question &question(int number);

QString questionText(int number);
QStringList options(int number);
QString rightOption(int number);

// Level line, CR LF, topic line of section 1 to 4.
QString sectionText(int section);

// The section that question n opens (1 for question 1, 2 for 12, 3 for 21, 4 for 61), else 0.
int sectionOpenedBy(int number);

} // namespace QuestionBank
