// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the windows: names, roles, actions, and which changes are
// announced. Asked of Qt's accessibility interfaces in process; read_quiz.py reads the same over
// AT-SPI from the running program.
#include "captionlabel.h"
#include "commandbutton.h"
#include "formfont.h"
#include "formtimer.h"
#include "frmdtest.h"
#include "frmdtestdesign.h"
#include "frmfin.h"
#include "frmfindesign.h"
#include "frmhelp.h"
#include "frmhelpdesign.h"
#include "listbox.h"
#include "picturebox.h"
#include "programstate.h"
#include "questionbank.h"
#include "spokentext.h"
#include "textbox.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace ProgramState;

namespace {

// Every change the program announces to screen readers, as the platform bridge would get it.
struct Announcement
{
    QObject *object;
    QAccessible::Event type;
};
QList<Announcement> announcements;

void record(QAccessibleEvent *event)
{
    announcements.append({event->object(), event->type()});
}

// The announcements that tell a reader some text it may be reading has changed.
int textChanges(QObject *from = nullptr)
{
    int count = 0;
    for (const Announcement &seen : std::as_const(announcements)) {
        const bool textual = seen.type == QAccessible::NameChanged ||
                seen.type == QAccessible::ValueChanged ||
                seen.type == QAccessible::DescriptionChanged ||
                seen.type == QAccessible::TextUpdated || seen.type == QAccessible::TextInserted ||
                seen.type == QAccessible::TextRemoved;
        count += textual && (!from || seen.object == from);
    }
    return count;
}

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return interface;
}

QString spoken(QObject *object)
{
    return accessible(object)->text(QAccessible::Name);
}

QString shownText(QObject *box)
{
    QAccessibleTextInterface *text = accessible(box)->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text interface>");
}

// Runs the quiz clock by hand, one tick per call, as its timer would.
void tick(FrmDTEST *quiz, int times)
{
    for (int i = 0; i < times; ++i)
        emit quiz->tmrMain->ticked();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        FormFont::install();
        // Qt announces changes only while a screen reader listens: here, once the bridge has
        // found the session's accessibility bus. The handler then takes every announcement.
        QAccessible::installUpdateHandler(record);
        QTRY_VERIFY(QAccessible::isActive());
    }
    void init() { announcements.clear(); }
    void cleanup() { reset(); }

    // Nothing on screen may be announced as a bare "push button" or "label": each control of
    // the three windows, as the player meets them, has a Russian name; a caption that is only
    // punctuation is said as it stands.
    void everyControlHasARussianName()
    {
        start();
        answer(80);
        frmHelp->txthelp->setText(FrmHelp::usageHelpText());
        static const QRegularExpression russian(QStringLiteral("[А-Яа-яЁё]"));
        static const QRegularExpression word(QStringLiteral("\\w"));
        for (QWidget *window :
             {static_cast<QWidget *>(frmDTEST.get()), static_cast<QWidget *>(frmFin.get()),
              static_cast<QWidget *>(frmHelp.get())}) {
            QVERIFY2(spoken(window).contains(russian), qPrintable(spoken(window)));
            for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                const QString name = spoken(control);
                const auto *label = qobject_cast<CaptionLabel *>(control);
                const bool punctuation = label && !label->caption().contains(word);
                QVERIFY2(name.contains(russian) || (punctuation && name == label->caption()),
                         qPrintable(window->objectName() + u'.' + control->objectName() +
                                    QStringLiteral(": \"") + name + u'"'));
            }
        }
    }

    void windowsAreWindowsToScreenReaders()
    {
        FrmDtestDesign quiz;
        FrmHelpDesign help;
        QCOMPARE(accessible(&quiz)->role(), QAccessible::Window);
        QCOMPARE(spoken(&quiz), quiz.windowTitle());
        // The help window's caption "Form1" is never on screen; its spoken name says what it is.
        QCOMPARE(accessible(&help)->role(), QAccessible::Window);
        QCOMPARE(spoken(&help), QStringLiteral("Справка"));
        QCOMPARE(help.windowTitle(), QStringLiteral("Form1"));
    }

    // The lamps carry no text; a player who cannot see them hears the captions above them.
    void pictureButtonsAreNamedByTheirCaptions()
    {
        FrmDtestDesign quiz;
        QCOMPARE(accessible(quiz.cmdOk)->role(), QAccessible::Button);
        QCOMPARE(spoken(quiz.cmdOk), QStringLiteral("Дальше"));
        QCOMPARE(spoken(quiz.cmdOk), quiz.Label1->caption());
        QCOMPARE(accessible(quiz.cmdCheck)->role(), QAccessible::Button);
        QCOMPARE(spoken(quiz.cmdCheck), QStringLiteral("Ответы"));
        QCOMPARE(spoken(quiz.cmdCheck), quiz.Label2->caption());
        QVERIFY(!accessible(quiz.cmdOk)->text(QAccessible::Description).isEmpty());
        QVERIFY(quiz.cmdOk->text().isEmpty());
    }

    void picturesThatActAreButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("name");
        QTest::addRow("statistics") << "frmFin"
                                    << "Image1"
                                    << "Статистика";
        QTest::addRow("exit cross") << "frmFin"
                                    << "imgExit"
                                    << "Выход";
        QTest::addRow("help's close area") << "frmHelp"
                                           << "Image1"
                                           << "Закрыть";
    }
    void picturesThatActAreButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QFETCH(QString, name);
        std::unique_ptr<FormWindow> form;
        if (window == QLatin1String("frmFin"))
            form = std::make_unique<FrmFinDesign>();
        else
            form = std::make_unique<FrmHelpDesign>();
        form->show();
        auto *box = form->findChild<PictureBox *>(picture);
        QVERIFY(box);
        QAccessibleInterface *interface = accessible(box);
        QCOMPARE(interface->role(), QAccessible::Button);
        QCOMPARE(interface->text(QAccessible::Name), name);
        QVERIFY(!interface->state().invisible);
        QAccessibleActionInterface *actions = interface->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        QSignalSpy clicks(box, &PictureBox::clicked);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
    }

    // The inert area has nothing to show or do: screen readers pass over it.
    void inertAreaIsHidden()
    {
        FrmHelpDesign help;
        QAccessibleInterface *interface = accessible(help.imgDn);
        QCOMPARE(interface->role(), QAccessible::Graphic);
        QVERIFY(interface->state().invisible);
        QVERIFY(interface->actionInterface()->actionNames().isEmpty());
    }

    // Pressing the results window's pictures through a screen reader does what a click does.
    void resultsWindowAnswersToPresses()
    {
        start();
        answer(80);
        FrmFin *results = frmFin.instance();
        QVERIFY(results);
        accessible(results->Image1)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(results->width(), 643);
        accessible(results->imgExit)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        settle();
        QVERIFY(frmFin.isEmpty());
        QVERIFY(frmDTEST.isEmpty());
        QVERIFY(frmHelp.instance() && frmHelp->isVisible());
        QCOMPARE(frmHelp->txthelp->text(), FrmHelp::closingCreditsText());
    }

    // "Баллов: 0,4" as the player sees it, and a screen reader hears of every new value.
    void countersAreReadWithTheirCaptions()
    {
        start();
        FrmDTEST *quiz = frmDTEST.get();
        QCOMPARE(spoken(quiz->lblNAns), QStringLiteral("Отвечено: 00"));
        QCOMPARE(spoken(quiz->lblNBall), QStringLiteral("Баллов: 00"));
        QCOMPARE(spoken(quiz->lblBall), QStringLiteral("Стоимость: 00"));
        announcements.clear();

        quiz->cmdOk->click();
        QCOMPARE(spoken(quiz->lblBall), QStringLiteral("Стоимость: 0,4"));
        QCOMPARE(textChanges(quiz->lblBall), 1);

        const Question &first = QuestionBank::question(1);
        quiz->lstAns->setCurrentRow(first.right - 1);
        quiz->cmdOk->click();
        QCOMPARE(spoken(quiz->lblNAns), QStringLiteral("Отвечено: 01"));
        QCOMPARE(spoken(quiz->lblNBall), QStringLiteral("Баллов: ") + first.points.text());
        QCOMPARE(textChanges(quiz->lblNAns), 1);
        QCOMPARE(textChanges(quiz->lblNBall), 1);
        // The captions themselves stay as designed.
        QCOMPARE(quiz->lblNBall->caption(), first.points.text());
        QCOMPARE(spoken(quiz->Label4), QStringLiteral("Баллов:"));
    }

    // The question, its options and the messages are there to be read, as shown.
    void boxesAndListExposeWhatTheyShow()
    {
        start();
        FrmDTEST *quiz = frmDTEST.get();
        QCOMPARE(
                shownText(quiz->txtMain),
                FrmDTEST::introductionText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        quiz->cmdOk->click();
        QCOMPARE(shownText(quiz->txtQuest), QuestionBank::questionText(1));
        QAccessibleInterface *list = accessible(quiz->lstAns);
        QCOMPARE(list->childCount(), 5);
        for (int row = 0; row < 5; ++row)
            QCOMPARE(list->child(row)->text(QAccessible::Name), QuestionBank::options(1).at(row));
    }

    void clockIsReadInWordsAndAnnouncedOncePerMinute()
    {
        start();
        FrmDTEST *quiz = frmDTEST.get();
        QCOMPARE(spoken(quiz->lblMin), QStringLiteral("Время: 0 минут 0 секунд"));
        quiz->cmdOk->click();
        quiz->tmrMain->stop(); // ticks come from the test alone
        announcements.clear();

        tick(quiz, 59);
        // The reading is exact at every second, though nothing was announced.
        QCOMPARE(spoken(quiz->lblMin), QStringLiteral("Время: 0 минут 59 секунд"));
        QCOMPARE(spoken(quiz->lblSec), QStringLiteral("Секунды: 59"));
        QCOMPARE(textChanges(), 0);

        tick(quiz, 1);
        QCOMPARE(spoken(quiz->lblMin), QStringLiteral("Время: 1 минута 0 секунд"));
        QCOMPARE(textChanges(quiz->lblMin), 1);

        tick(quiz, 2 * 60 + 22);
        QCOMPARE(spoken(quiz->lblMin), QStringLiteral("Время: 3 минуты 22 секунды"));
        // Over three minutes and more: one announcement a minute, from the minutes label alone.
        QCOMPARE(textChanges(), 3);
        QCOMPARE(textChanges(quiz->lblSec), 0);
    }

    void countsTakeTheirRussianForm_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("said");
        QTest::addRow("0") << 0 << "0 минут";
        QTest::addRow("1") << 1 << "1 минута";
        QTest::addRow("2") << 2 << "2 минуты";
        QTest::addRow("4") << 4 << "4 минуты";
        QTest::addRow("5") << 5 << "5 минут";
        QTest::addRow("11, not like 1") << 11 << "11 минут";
        QTest::addRow("12, not like 2") << 12 << "12 минут";
        QTest::addRow("14, not like 4") << 14 << "14 минут";
        QTest::addRow("21, like 1") << 21 << "21 минута";
        QTest::addRow("23, like 3") << 23 << "23 минуты";
        QTest::addRow("30") << 30 << "30 минут";
        QTest::addRow("111, like 11") << 111 << "111 минут";
        QTest::addRow("101, like 1") << 101 << "101 минута";
    }
    void countsTakeTheirRussianForm()
    {
        QFETCH(int, number);
        QFETCH(QString, said);
        QCOMPARE(SpokenText::count(number, QStringLiteral("минута"), QStringLiteral("минуты"),
                                   QStringLiteral("минут")),
                 said);
    }

    void clockCaptionsAreSaidInWords()
    {
        QCOMPARE(SpokenText::clock(QStringLiteral("00"), QStringLiteral("05")),
                 QStringLiteral("0 минут 5 секунд"));
        QCOMPARE(SpokenText::clock(QStringLiteral("31"), QStringLiteral("41")),
                 QStringLiteral("31 минута 41 секунда"));
        QCOMPARE(SpokenText::clock(QStringLiteral("102"), QStringLiteral("03")),
                 QStringLiteral("102 минуты 3 секунды"));
        // Whatever else a caption may hold is said as it stands.
        QCOMPARE(SpokenText::clock(QStringLiteral("--"), QStringLiteral("12")),
                 QStringLiteral("-- 12 секунд"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
