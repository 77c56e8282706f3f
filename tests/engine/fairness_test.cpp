// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A fair bank: every answer is told in the player's chronicle of Dustmoor, and none can be picked
// out of the quiz's own wording: not from an earlier question, not by its length, not by an echo
// of the question it answers.
#include "questionbank.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Where the chronicle tells each answer: its section and a passage of that section, quoted as
// written there (case, «ё» and line breaks aside).
struct Tie
{
    int question;
    const char *section;
    const char16_t *passage;
};

constexpr Tie ties[] = {
        {1, "g1-geroi", u"Тамир Юный фонарщик, ему семнадцать лет"},
        {2, "mir", u"кожа покрывается серыми пятнами, а больного одолевает долгий сон"},
        {3, "g1-prolog",
         u"Фонарь Зари, старый фонарь, чей свет выжигает пепельную пыль и разит чудовищ"},
        {4, "g1-geroi", u"Фитиль Ворчливый дух, который живёт в Фонаре Зари"},
        {5, "mir", u"Сто лет назад случилось Угасание: Солнечная Наковальня треснула"},
        {6, "g1-geroi", u"Сестра Тамира. Ей семь лет"},
        {7, "g1-prolog",
         u"отдаёт ему медный ключ от подвала Кривой мельницы: там, по семейному преданию, дед "
         u"старосты Ставр спрятал вещь, которую боялся держать в доме. Среди мешков и паутины "
         u"Тамир находит Фонарь Зари"},
        {8, "g1-prolog", u"осколки Наковальни хранят хозяева трёх подземелий"},
        {9, "g1-zemli", u"Родная деревня Тамира, Серый Брод"},
        {10, "g1-prolog",
         u"Ефим долго ворчит, но в конце концов отдаёт ему медный ключ от подвала Кривой мельницы"},
        {11, "g1-geroi",
         u"Смотритель Морвен Последний Смотритель Наковальни и главный злодей первой части"},
        {12, "g2-geroi", u"Мирта Главная героиня второй части"},
        {13, "g2-zemli",
         u"Ржавая Гавань — большой портовый город, где Мирта живёт в начале второй части"},
        {14, "g2-geroi", u"Магистр Кальм Глава Ордена Холодного очага"},
        {15, "g2-geroi", u"Магистр Кальм Глава Ордена Холодного очага"},
        {16, "g2-geroi", u"Между событиями первой и второй частей прошло двенадцать лет"},
        {17, "g2-zemli", u"посреди лета крыши и мостовые покрывает чёрный иней"},
        {18, "g2-prolog", u"Мирта отправляется в путь, чтобы найти пропавшего брата"},
        {19, "g2-prolog",
         u"В посылке лежат Фонарь Зари и записка всего из трёх слов: «Не верь холоду»"},
        {20, "g2-prolog",
         u"Чтобы попасть в Цитадель Инея, Мирте предстоит собрать четыре Угольных сердца"},
        {21, "g1-kopi", u"В штольнях копей Тамир находит крюк-кошку"},
        {22, "g2-prolog",
         u"Таможенник, медный автомат в мундире, пытается его отобрать, и так начинается первый "
         u"бой второй части"},
        {23, "g1-ozero", u"Тамир побеждает в состязании и получает Жабий камень в награду"},
        {24, "g2-sad",
         u"В Ветряном саду Мирта знакомится со Шпинделем. Мальчишка мастерит Мирте воздушного "
         u"змея"},
        {25, "g1-ozero", u"Чтобы дышать под водой, Тамиру нужен Жабий камень"},
        {26, "g1-kopi", u"пока не пройдены копи, лес не пускает, а к часовне не подступиться"},
        {27, "g2-sad", u"Шпиндель просит Мирту раздобыть шёлк ветряных шелкопрядов"},
        {28, "g1-les", u"великан, на теле которого висят шесть колоколов"},
        {29, "g2-mayak", u"В комнате смотрителя маяка Мирта находит гарпун"},
        {30, "g1-fonar", u"за каждую закалку он берёт с Тамира кусок звёздного железа"},
        {31, "g2-prolog", u"Окунь подсказывает Мирте, что следы брата ведут к Безглазому маяку"},
        {32, "g2-mayak", u"Мирта срывает гарпуном лампу и бьёт по брюху"},
        {33, "g1-ozero", u"Затопленная часовня покоится на дне Мутного озера"},
        {34, "g1-ozero", u"Под водой Тамира встречает Нела. Она ведёт его по Затопленной часовне"},
        {35, "g2-biblioteka",
         u"пролежали в Затонувшей библиотеке. Из них и открывается главная тайна второй части: "
         u"Магистр Кальм — сын Смотрителя Морвена"},
        {36, "g2-biblioteka",
         u"К Затонувшей библиотеке Мирту везёт капитан Ирга на своём корабле «Кривая чайка»"},
        {37, "g1-ozero", u"мелодия органа заставляет его застыть и открыться для удара"},
        {38, "g2-observatoriya", u"зелёный луч делает Стеклянного Змея уязвимым"},
        {39, "g1-ozero", u"Мелодия изображена на витраже с цаплей"},
        {40, "g2-geroi", u"живёт в Ржавой Гавани и работает курьером"},
        {41, "g1-kopi", u"Тамир слепит её вспышкой фонаря, когда та вылезает наружу"},
        {42, "g2-biblioteka", u"За верную отгадку Мирта получает от Евлампии чернильную лупу"},
        {43, "g1-prolog", u"у порога Тамира поджидает пыльный волк"},
        {44, "g2-tsitadel", u"Мирта прожигает лёд лучом фонаря, пропущенным сквозь призму"},
        {45, "g1-bashnya", u"Последний уголёк Солнечной Наковальни он хранит в Пепельном венце"},
        {46, "g2-biblioteka", u"найти его Мирта может, только если смотрит сквозь чернильную лупу"},
        {47, "g1-les",
         u"в Медвежьем Логе, живёт старый настройщик колоколов Дрозд. Он сразу понимает, куда "
         u"собрался Тамир, и отдаёт ему свой камертон"},
        {48, "g2-geroi", u"она командует стражей Цитадели Инея"},
        {49, "g1-prolog",
         u"Именно Ольха первой рассказывает Тамиру, что Наковальню можно разжечь заново"},
        {50, "g1-geroi", u"Её тележку с товаром тянет упрямая коза"},
        {51, "g2-sad", u"только Барон не качается на ветру"},
        {52, "g1-fonar", u"с Золотым фитилём фонарь горит вдвое дольше"},
        {53, "g2-biblioteka", u"на своём корабле «Кривая чайка»"},
        {54, "g2-tsitadel",
         u"У ворот Цитадели Инея стоят четыре остывшие жаровни. Мирта кладёт в них Угольные "
         u"сердца"},
        {55, "g1-les", u"в Медвежьем Логе, живёт старый настройщик колоколов Дрозд"},
        {56, "g2-tsitadel", u"Во второй фазе Кальм гасит фонарь в руках Мирты"},
        {57, "g1-bashnya", u"Морвен уверен, что новое пламя его убьёт"},
        {58, "svyazi", u"во второй торгует на Плавучем рынке прямо с лодки"},
        {59, "g1-prolog", u"Бабушка Ольха даёт ей отвар полыни, чтобы замедлить болезнь"},
        {60, "g2-prolog", u"старшина Гарь на самом деле осведомитель Ордена"},
        {61, "g1-tainy",
         u"Застать его можно только ночью и только после того, как пройдена Затопленная часовня"},
        {62, "g2-kontsovki", u"его при жизни звали Ярен"},
        {63, "g2-tainy", u"Чтобы её открыть, нужно собрать все девять страниц дневника"},
        {64, "g1-geroi", u"её тряпичная кукла Кнопка"},
        {65, "g2-biblioteka",
         u"На палубе, подставив бока солнцу, дремлет старый кот. Это Дымок, тот самый кот Мирты"},
        {66, "g1-fonar", u"Вторая закалка: вспышка заряжается быстрее"},
        {67, "g2-geroi", u"за кружку морса расскажет половину"},
        {68, "g2-tainy", u"Мирта открывает решётку ключом-шестернёй Таможенника"},
        {69, "g1-tainy", u"Тамир прячет свет фонаря и бьёт, когда тот сядет на балку"},
        {70, "g2-tainy", u"Рукавица пригождается в стекловарне обсерватории"},
        {71, "g1-les", u"Ударить по ним нужно в порядке 3–1–4–2, считая по числу трещин"},
        {72, "g2-prolog",
         u"сюжет ведёт по ним в одном порядке: Безглазый маяк, Ветряной сад, Затонувшая библиотека "
         u"и Стеклянная обсерватория"},
        {73, "g1-prolog",
         u"зажигает фитиль, и первое, что он слышит, — сердитое «Не дуй на меня!»"},
        {74, "g1-bashnya", u"Во второй фазе Морвен призывает Пепельных стражей"},
        {75, "g2-tsitadel",
         u"По пути в большой зал Цитадели Мирта проходит камеру, где сидел Тамир, и находит там "
         u"свою тряпичную куклу"},
        {76, "g1-kontsovki", u"чтобы её открыть, нужно зажечь все Спящие фонари Дастмура"},
        {77, "g1-kontsovki", u"Смотритель выживает и вновь обретает память"},
        {78, "g2-kontsovki", u"Мирта соглашается погасить Наковальню ради жизни брата"},
        {79, "g2-kontsovki", u"Под Цитаделью стоит Холодный Горн"},
        {80, "g2-kontsovki", u"он получает прощение Мирты"},
};

// Words that say nothing about an answer: prepositions, conjunctions, pronouns.
const QSet<QString> &stopWords()
{
    static const QSet<QString> words = [] {
        const QString list = QStringLiteral(
                "и в во на с со у по из к ко от до за не ни его ее их он она оно они то тот та те "
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
// two share all of the stem but its last two letters (three in long words).
bool isFormOf(const QString &stem, const QString &word)
{
    const qsizetype ending = stem.size() >= 8 ? 3 : 2;
    const qsizetype needed = qMax<qsizetype>(3, stem.size() - ending);
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

// The text of one section of the chronicle, without its markup; empty if there is none.
QString chronicleSection(const QString &html, const QString &id)
{
    const QString opening = QStringLiteral("<section id=\"%1\">").arg(id);
    const qsizetype start = html.indexOf(opening);
    if (start < 0)
        return {};
    const qsizetype end = html.indexOf(QStringLiteral("</section>"), start);
    QString text = html.mid(start + opening.size(), end - start - opening.size());
    text.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    return normalized(text);
}

} // namespace

class FairnessTest : public QObject
{
    Q_OBJECT

private slots:
    // A later question's answer must not stand in an earlier question, nor in an earlier option
    // beside what the later question asks about ("the runaway cat Ash" gives away the cat's name).
    void noQuestionGivesAwayALaterAnswer()
    {
        QStringList leaks;
        for (int later = 2; later <= QuestionBank::QuestionCount; ++later) {
            const QStringList answer = contentWords(QuestionBank::rightOption(later));
            QStringList subject;
            for (const QString &word : contentWords(QuestionBank::questionText(later))) {
                if (!std::any_of(answer.begin(), answer.end(),
                                 [&](const QString &stem) { return isFormOf(stem, word); }))
                    subject.append(word);
            }
            for (int earlier = 1; earlier < later; ++earlier) {
                if (mentionsAll(contentWords(QuestionBank::questionText(earlier)), answer))
                    leaks.append(QStringLiteral("question %1 tells the answer of %2")
                                         .arg(earlier)
                                         .arg(later));
                for (const QString &option : QuestionBank::options(earlier)) {
                    const QStringList words = contentWords(option);
                    const bool aboutTheSubject =
                            std::any_of(subject.begin(), subject.end(),
                                        [&](const QString &stem) { return mentions(words, stem); });
                    if (mentionsAll(words, answer) && aboutTheSubject)
                        leaks.append(QStringLiteral("«%1» of question %2 tells the answer of %3")
                                             .arg(option)
                                             .arg(earlier)
                                             .arg(later));
                }
            }
        }
        QVERIFY2(leaks.isEmpty(), qPrintable(leaks.join(u'\n')));
    }

    // A stranger who always picks the longest option, or always the shortest (a coin decides
    // between equals), must score no better than one who picks at random: a fifth of 121,9,
    // give or take its spread of about 6 points. And the right option may be the longest no
    // more often than chance makes it, in one question of five.
    void rightOptionIsNotPickedOutByLength()
    {
        double chance = 0;
        double byLongest = 0;
        double byShortest = 0;
        int longest = 0;
        for (int n = 1; n <= QuestionBank::QuestionCount; ++n) {
            const QStringList options = QuestionBank::options(n);
            const double points = QuestionBank::question(n).points.value();
            QList<qsizetype> lengths;
            for (const QString &option : options)
                lengths.append(option.size());
            const qsizetype right = QuestionBank::rightOption(n).size();
            const qsizetype most = *std::max_element(lengths.begin(), lengths.end());
            const qsizetype least = *std::min_element(lengths.begin(), lengths.end());
            chance += points / options.size();
            if (right == most)
                byLongest += points / lengths.count(most);
            if (right == least)
                byShortest += points / lengths.count(least);
            if (right == most && lengths.count(most) == 1)
                ++longest;
        }
        const double allowed = chance + 6;
        QVERIFY2(byLongest <= allowed,
                 qPrintable(QStringLiteral("picking the longest scores %1").arg(byLongest)));
        QVERIFY2(byShortest <= allowed,
                 qPrintable(QStringLiteral("picking the shortest scores %1").arg(byShortest)));
        QVERIFY2(longest <= QuestionBank::QuestionCount / 5,
                 qPrintable(QStringLiteral("the right option is the longest in %1 questions")
                                    .arg(longest)));
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

    void everyQuestionIsTiedToTheChronicleOnce()
    {
        QList<int> numbers;
        for (const Tie &tie : ties)
            numbers.append(tie.question);
        std::sort(numbers.begin(), numbers.end());
        QList<int> all(QuestionBank::QuestionCount);
        std::iota(all.begin(), all.end(), 1);
        QCOMPARE(numbers, all);
    }

    // The passage exists where the tie says, and it names the right option.
    void chronicleTellsEveryAnswer_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("passage");
        for (const Tie &tie : ties)
            QTest::addRow("question %d", tie.question)
                    << tie.question << QString::fromLatin1(tie.section)
                    << QString::fromUtf16(tie.passage);
    }
    void chronicleTellsEveryAnswer()
    {
        QFETCH(int, number);
        QFETCH(QString, section);
        QFETCH(QString, passage);
        static const QString html = readChronicle();
        QVERIFY2(!html.isEmpty(), CHRONICLE_FILE);

        const QString text = chronicleSection(html, section);
        QVERIFY2(!text.isEmpty(), qPrintable(QStringLiteral("no section «%1»").arg(section)));
        QVERIFY2(text.contains(normalized(passage)),
                 qPrintable(QStringLiteral("section «%1» does not say: %2").arg(section, passage)));

        const QString answer = QuestionBank::rightOption(number);
        const QStringList stems = contentWords(answer);
        // An answer of digits alone ("3–1–4–2") must stand in the passage as it is.
        const bool named = stems.isEmpty() ? normalized(passage).contains(normalized(answer))
                                           : mentionsAll(contentWords(passage), stems);
        QVERIFY2(named, qPrintable(QStringLiteral("the passage does not name «%1»").arg(answer)));
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
