// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A fair bank: every answer is told in the player's chronicle of Dustmoor, in the chronicle's own
// words, and none can be picked out of the quiz itself: not from another question, not by the form
// of the options, not by an echo of the question it answers.
#include "questionbank.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <vector>

namespace {

// Words that say nothing about an answer: prepositions, conjunctions, pronouns.
const QSet<QString> &stopWords()
{
    static const QSet<QString> words = [] {
        const QString list = QStringLiteral(
                "и в во на с со у по из к ко от до за не ни его ее их он она оно они то тот та те "
                "ему ей им ним ней него нее нему нем ними "
                "что чтобы как кто где когда чем ли же а но или для при над под без это этот эта "
                "эти мне меня свой свое своя свои сам сама все весь вся был была было были уже "
                "еще");
        const QStringList split = list.split(u' ');
        return QSet<QString>(split.begin(), split.end());
    }();
    return words;
}

QString normalized(const QString &text)
{
    QString lower = text.toLower();
    lower.replace(u'ё', u'е');
    return lower.simplified();
}

// The words of a text that carry meaning, in lower case.
QStringList contentWords(const QString &text)
{
    QStringList words;
    QString word;
    const QString lower = normalized(text) + u' ';
    for (QChar ch : lower) {
        if (ch.isLetterOrNumber()) {
            word += ch;
            continue;
        }
        if (word.size() >= 3 && !stopWords().contains(word))
            words.append(word);
        word.clear();
    }
    return words;
}

// Whether `word` is a form of the answer's word `stem`: Russian inflects by its endings, so the
// two share all of the stem but its last two letters (three in long words); a stem of four
// letters or fewer is shared whole ("горн" is not "город").
bool isFormOf(const QString &stem, const QString &word)
{
    const qsizetype ending = stem.size() >= 8 ? 3 : 2;
    const qsizetype needed =
            stem.size() <= 4 ? stem.size() : qMax<qsizetype>(3, stem.size() - ending);
    qsizetype shared = 0;
    while (shared < stem.size() && shared < word.size() && stem.at(shared) == word.at(shared))
        ++shared;
    return shared >= needed || stem == word;
}

bool mentions(const QStringList &words, const QString &stem)
{
    return std::any_of(words.begin(), words.end(),
                       [&](const QString &word) { return isFormOf(stem, word); });
}

bool mentionsAll(const QStringList &words, const QStringList &stems)
{
    return !stems.isEmpty() && std::all_of(stems.begin(), stems.end(), [&](const QString &stem) {
        return mentions(words, stem);
    });
}

// What a question and its options say, as content words; asked tens of thousands of times by the
// strangers who go by what the rest of the quiz names, so worked out once.
const QStringList &everythingSaidIn(int number)
{
    static const std::vector<QStringList> said = [] {
        std::vector<QStringList> all(QuestionBank::QuestionCount + 1);
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n)
            all[n] = contentWords(QuestionBank::questionText(n) + u' ' +
                                  QuestionBank::options(n).join(u' '));
        return all;
    }();
    return said.at(number);
}

QStringList distractors(int number)
{
    QStringList options = QuestionBank::options(number);
    options.removeAt(QuestionBank::question(number).right - 1);
    return options;
}

QString readChronicle()
{
    QFile file(QStringLiteral(CHRONICLE_FILE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// What a reader of a piece of the chronicle sees: its text without markup, in lower case.
QString readableText(QString html)
{
    html.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    html.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return normalized(html);
}

// The text of one section of the chronicle; empty if there is none.
QString chronicleSection(const QString &html, QStringView id)
{
    const QString opening = QStringLiteral("<section id=\"%1\">").arg(id);
    const qsizetype start = html.indexOf(opening);
    if (start < 0)
        return {};
    const qsizetype end = html.indexOf(QStringLiteral("</section>"), start);
    return readableText(html.mid(start + opening.size(), end - start - opening.size()));
}

// An option as a reader would meet it in running text: without its quotation marks and its
// closing punctuation.
QString bare(const QString &option)
{
    QString text = normalized(option);
    text.remove(QRegularExpression(QStringLiteral("^[«\"]+|[»\".!?]+$")));
    return text;
}

// A test-wise stranger who cannot know the answer ranks the five options of a question by some
// preference, and takes the best (a coin decides between equals).
using Preference = double (*)(int number, const QString &option);

double length(int, const QString &option)
{
    return double(option.size());
}

double shortness(int, const QString &option)
{
    return -double(option.size());
}

// Distractors are often made by changing the answer a little: the option that shares the most
// words with the other four.
double likenessToTheOthers(int number, const QString &option)
{
    const QStringList words = contentWords(option);
    double shared = 0;
    for (const QString &other : QuestionBank::options(number)) {
        if (other == option)
            continue;
        const QStringList otherWords = contentWords(other);
        shared += double(std::count_if(words.begin(), words.end(), [&](const QString &stem) {
            return mentions(otherWords, stem);
        }));
    }
    return shared;
}

// A proper name looks like a real thing of the world among made-up fillers: the option with the
// most capitalised words, not counting its first.
double properNames(int, const QString &option)
{
    static const QRegularExpression word(QStringLiteral("\\b\\p{Lu}\\p{Ll}+"));
    double names = 0;
    for (const QRegularExpressionMatch &match : word.globalMatch(option))
        names += match.capturedStart() > 1 ? 1 : 0;
    return names;
}

// A thing the rest of the quiz keeps naming looks important: in how many other questions the
// option's words stand, on average over its words.
double mentionsElsewhere(int number, const QString &option)
{
    const QStringList words = contentWords(option);
    if (words.isEmpty())
        return 0;
    double mentioned = 0;
    for (int other = 1; other <= QuestionBank::QuestionCount; ++other) {
        if (other == number)
            continue;
        const QStringList &said = everythingSaidIn(other);
        mentioned += double(std::count_if(words.begin(), words.end(), [&](const QString &stem) {
            return mentions(said, stem);
        }));
    }
    return mentioned / double(words.size());
}

// Or the other way round: among fillers reused from other questions, the one thing nothing else
// in the quiz names looks like the real one.
double mentionsElsewhereFewest(int number, const QString &option)
{
    return -mentionsElsewhere(number, option);
}

} // namespace

Q_DECLARE_METATYPE(Preference)

class FairnessTest : public QObject
{
    Q_OBJECT

private slots:
    // No question gives another away, in either direction: a question's answer must not stand in
    // the text of any other question, nor in another's option beside what the question asks
    // about ("the runaway cat Ash" gives away the cat's name).
    void noQuestionGivesAnotherAway()
    {
        QStringList leaks;
        for (int answered = 1; answered <= QuestionBank::QuestionCount; ++answered) {
            const QStringList answer = contentWords(QuestionBank::rightOption(answered));
            QStringList subject;
            for (const QString &word : contentWords(QuestionBank::questionText(answered))) {
                if (!mentions(answer, word))
                    subject.append(word);
            }
            for (int other = 1; other <= QuestionBank::QuestionCount; ++other) {
                if (other == answered)
                    continue;
                if (mentionsAll(contentWords(QuestionBank::questionText(other)), answer))
                    leaks.append(QStringLiteral("question %1 tells the answer of %2")
                                         .arg(other)
                                         .arg(answered));
                for (const QString &option : QuestionBank::options(other)) {
                    const QStringList words = contentWords(option);
                    const bool aboutTheSubject =
                            std::any_of(subject.begin(), subject.end(),
                                        [&](const QString &stem) { return mentions(words, stem); });
                    if (mentionsAll(words, answer) && aboutTheSubject)
                        leaks.append(QStringLiteral("«%1» of question %2 tells the answer of %3")
                                             .arg(option)
                                             .arg(other)
                                             .arg(answered));
                }
            }
        }
        QVERIFY2(leaks.isEmpty(), qPrintable(leaks.join(u'\n')));
    }

    // Whatever a stranger goes by, it must do no better than picking at random: a fifth of 121,9,
    // give or take its spread of about 6 points. Nor may it single out the right option more
    // often than chance does, in one question of five.
    void aTestWiseStrangerScoresNearChance_data()
    {
        QTest::addColumn<Preference>("preference");
        QTest::addRow("always the longest option") << &length;
        QTest::addRow("always the shortest option") << &shortness;
        QTest::addRow("the option most like the other four") << &likenessToTheOthers;
        QTest::addRow("the option the rest of the quiz names most") << &mentionsElsewhere;
        QTest::addRow("the option the rest of the quiz names least") << &mentionsElsewhereFewest;
        QTest::addRow("the option with the most proper names") << &properNames;
    }
    void aTestWiseStrangerScoresNearChance()
    {
        QFETCH(Preference, preference);
        double chance = 0;
        double score = 0;
        QList<int> singledOut;
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            const QStringList options = QuestionBank::options(n);
            const double points = QuestionBank::question(n).points.value();
            QList<double> ranks;
            for (const QString &option : options)
                ranks.append(preference(n, option));
            const double best = *std::max_element(ranks.begin(), ranks.end());
            const double right = ranks.at(QuestionBank::question(n).right - 1);
            chance += points / double(options.size());
            if (right == best)
                score += points / double(ranks.count(best));
            if (right == best && ranks.count(best) == 1)
                singledOut.append(n);
        }
        QVERIFY2(score <= chance + 6, qPrintable(QStringLiteral("scores %1").arg(score)));
        QVERIFY2(singledOut.size() <= QuestionBank::QuestionCount / 5,
                 qPrintable(QStringLiteral("singles out the answer of %1 questions: %2")
                                    .arg(singledOut.size())
                                    .arg(QDebug::toString(singledOut))));
    }

    // "The Ash Throne" must not point at "the Ash Crown": a word of the question that only the
    // right option repeats gives it away.
    void rightOptionDoesNotEchoTheQuestion()
    {
        QStringList echoes;
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            const QStringList question = contentWords(QuestionBank::questionText(n));
            const QStringList others = distractors(n);
            for (const QString &stem : contentWords(QuestionBank::rightOption(n))) {
                const bool sharedByADistractor =
                        std::any_of(others.begin(), others.end(), [&](const QString &option) {
                            return mentions(contentWords(option), stem);
                        });
                if (mentions(question, stem) && !sharedByADistractor)
                    echoes.append(QStringLiteral("question %1 echoes «%2»").arg(n).arg(stem));
            }
        }
        QVERIFY2(echoes.isEmpty(), qPrintable(echoes.join(u'\n')));
    }

    // The passage exists where the question says, and it tells the answer: every word of a short
    // one, most words of a phrase, which the chronicle puts in its own words.
    void chronicleTellsEveryAnswer_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n)
            QTest::addRow("question %d", n) << n;
    }
    void chronicleTellsEveryAnswer()
    {
        QFETCH(int, number);
        static const QString html = readChronicle();
        QVERIFY2(!html.isEmpty(), CHRONICLE_FILE);

        const ChroniclePassage &told = QuestionBank::question(number).told;
        const QString section =
                QString::fromLatin1(told.section.data(), qsizetype(told.section.size()));
        const QString passage = QString::fromUtf16(told.quote.data(), qsizetype(told.quote.size()));
        const QString text = chronicleSection(html, section);
        QVERIFY2(!text.isEmpty(), qPrintable(QStringLiteral("no section «%1»").arg(section)));
        QVERIFY2(text.contains(normalized(passage)),
                 qPrintable(QStringLiteral("section «%1» does not say: %2").arg(section, passage)));

        const QString answer = QuestionBank::rightOption(number);
        const QStringList stems = contentWords(answer);
        const QStringList words = contentWords(passage);
        const auto named = std::count_if(stems.begin(), stems.end(), [&](const QString &stem) {
            return mentions(words, stem);
        });
        // An answer of digits alone ("3–1–4–2") must stand in the passage as it is.
        const bool tells = stems.isEmpty() ? normalized(passage).contains(normalized(answer))
                : stems.size() <= 2        ? named == stems.size()
                                           : named * 5 >= stems.size() * 3;
        QVERIFY2(tells, qPrintable(QStringLiteral("the passage does not tell «%1»").arg(answer)));
    }

    // A reader should know the world, not match a phrase: few right options may stand in the
    // chronicle word for word where none of their distractors does.
    void fewAnswersStandInTheChronicleWordForWord()
    {
        const QString html = readChronicle();
        const QString text = readableText(html.mid(html.indexOf(QStringLiteral("<body"))));
        QList<int> matchable;
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            const QStringList others = distractors(n);
            const bool distractorStands =
                    std::any_of(others.begin(), others.end(),
                                [&](const QString &option) { return text.contains(bare(option)); });
            if (text.contains(bare(QuestionBank::rightOption(n))) && !distractorStands)
                matchable.append(n);
        }
        QVERIFY2(matchable.size() <= 10, qPrintable(QDebug::toString(matchable)));
    }

    // The chronicle opens in any browser, offline: no scripts, nothing fetched, links that land.
    void chronicleIsSelfContained()
    {
        const QString html = readChronicle();
        QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(html.contains(QStringLiteral("<html lang=\"ru\">")));
        QVERIFY(html.contains(QStringLiteral("name=\"viewport\"")));
        QVERIFY(!html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        QVERIFY(!html.contains(QStringLiteral("url("), Qt::CaseInsensitive));
        QVERIFY(!html.contains(QStringLiteral("@import"), Qt::CaseInsensitive));
        QVERIFY(!html.contains(QStringLiteral(" src="), Qt::CaseInsensitive));

        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        for (const QRegularExpressionMatch &match : link.globalMatch(html)) {
            const QString target = match.captured(1);
            QVERIFY2(target.startsWith(u'#'), qPrintable(target));
            QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(target.mid(1))),
                     qPrintable(target));
        }
    }
};

QTEST_GUILESS_MAIN(FairnessTest)
#include "fairness_test.moc"
