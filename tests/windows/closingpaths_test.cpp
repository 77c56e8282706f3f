// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Every way of ending the quiz, from every state, leaves the same end: the quiz and results
// windows closed, their references empty, and one modeless help window with the credits.
#include "commandbutton.h"
#include "formfont.h"
#include "frmdtest.h"
#include "frmfin.h"
#include "frmhelp.h"
#include "listbox.h"
#include "picturebox.h"
#include "programstate.h"
#include "textbox.h"

#include <QTest>

using namespace ProgramState;

namespace {

enum class State { Introduction, MidQuiz, AfterTheEnd, ResultsWide, UsageHelpOpen, HelpAfterEnd };
enum class Path {
    EscInList,
    EscInMessageBox,
    EscInQuestionBox,
    QuizCloseBox,
    ResultsExit,
    ResultsPlatformClose
};

void enter(State state)
{
    start();
    switch (state) {
    case State::Introduction:
        break;
    case State::MidQuiz:
        answer(30);
        break;
    case State::AfterTheEnd:
    case State::ResultsWide:
    case State::HelpAfterEnd:
        answer(80);
        QVERIFY(QTest::qWaitForWindowExposed(frmFin.get()));
        if (state == State::ResultsWide)
            QTest::mouseClick(frmFin->Image1, Qt::LeftButton);
        if (state == State::HelpAfterEnd)
            frmDTEST->cmdHelp->click();
        break;
    case State::UsageHelpOpen:
        answer(5);
        frmDTEST->cmdHelp->click();
        break;
    }
}

void take(Path path)
{
    switch (path) {
    case Path::EscInList:
        pressEscapeIn(frmDTEST->lstAns);
        break;
    case Path::EscInMessageBox:
        pressEscapeIn(frmDTEST->txtMain);
        break;
    case Path::EscInQuestionBox:
        pressEscapeIn(frmDTEST->txtQuest);
        break;
    case Path::QuizCloseBox:
        frmDTEST->windowHandle()->close();
        break;
    case Path::ResultsExit:
        clickOn(frmFin->imgExit);
        break;
    case Path::ResultsPlatformClose:
        frmFin->windowHandle()->close();
        break;
    }
}

} // namespace

class ClosingPathsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }
    void cleanup() { reset(); }

    void everyPathEndsWithTheCredits_data()
    {
        QTest::addColumn<State>("state");
        QTest::addColumn<Path>("path");
        const QList<std::pair<const char *, State>> states = {
                {"introduction", State::Introduction},
                {"mid-quiz", State::MidQuiz},
                {"after the end", State::AfterTheEnd},
                {"results wide", State::ResultsWide},
                {"usage help open", State::UsageHelpOpen},
                {"usage help over the results", State::HelpAfterEnd}};
        const QList<std::pair<const char *, Path>> paths = {
                {"Esc in the list", Path::EscInList},
                {"Esc in the message box", Path::EscInMessageBox},
                {"Esc in the question box", Path::EscInQuestionBox},
                {"quiz close box", Path::QuizCloseBox},
                {"results exit cross", Path::ResultsExit},
                {"results closed by the platform", Path::ResultsPlatformClose}};
        for (const auto &[stateName, state] : states) {
            for (const auto &[pathName, path] : paths) {
                const bool resultsOpen = state == State::AfterTheEnd ||
                        state == State::ResultsWide || state == State::HelpAfterEnd;
                const bool needsResults =
                        path == Path::ResultsExit || path == Path::ResultsPlatformClose;
                if (needsResults && !resultsOpen)
                    continue;
                QTest::addRow("%s, %s", stateName, pathName) << state << path;
            }
        }
    }
    void everyPathEndsWithTheCredits()
    {
        QFETCH(State, state);
        QFETCH(Path, path);
        enter(state);
        const bool modalHelp = state == State::UsageHelpOpen || state == State::HelpAfterEnd;
        const bool throughInput = path != Path::QuizCloseBox && path != Path::ResultsPlatformClose;

        take(path);
        settle();

        if (modalHelp && throughInput) {
            // The modal usage help keeps the player's keys and clicks from the other windows.
            QVERIFY(!frmDTEST.isEmpty());
            QVERIFY(frmDTEST->isVisible());
            QCOMPARE(frmHelp->txthelp->text(), FrmHelp::usageHelpText());
            return;
        }
        QVERIFY(frmDTEST.isEmpty());
        QVERIFY(frmFin.isEmpty());
        QCOMPARE(instances<FrmDTEST>(), 0);
        QCOMPARE(instances<FrmFin>(), 0);
        QCOMPARE(instances<FrmHelp>(), 1);
        FrmHelp *help = frmHelp.instance();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowModality(), Qt::NonModal);
        QCOMPARE(help->txthelp->text(), FrmHelp::closingCreditsText());
    }

    // With the credits on screen, closing the help window leaves nothing open.
    void closingTheCreditsLeavesNoWindow()
    {
        enter(State::MidQuiz);
        take(Path::QuizCloseBox);
        settle();
        QTest::keyClick(frmHelp->txthelp, Qt::Key_Escape);
        settle();
        QVERIFY(frmHelp.isEmpty());
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
    }

    // Requests to close a window that is gone, or closing, create nothing and do nothing.
    void closingWhatIsNotOpenCreatesNothing()
    {
        frmFin.close();
        frmHelp.close();
        frmDTEST.close();
        settle();
        QVERIFY(frmFin.isEmpty());
        QVERIFY(frmHelp.isEmpty());
        QVERIFY(frmDTEST.isEmpty());
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
};

QTEST_MAIN(ClosingPathsTest)
#include "closingpaths_test.moc"
