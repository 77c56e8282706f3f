// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The control classes behave as the windows' handlers rely on.
#include "captionlabel.h"
#include "commandbutton.h"
#include "formfont.h"
#include "formtimer.h"
#include "frmfindesign.h"
#include "listbox.h"
#include "picturebox.h"
#include "textbox.h"

#include <QSignalSpy>
#include <QTest>

class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }

    // The minutes' change handler runs inside the write, and only when the caption changes.
    void captionChangeIsRaisedInsideTheWrite()
    {
        QWidget form;
        CaptionLabel label(QStringLiteral("00"), QRect(0, 0, 12, 13), CaptionLabel::Sizing::Fixed,
                           &form);
        QString seenInside;
        connect(&label, &CaptionLabel::captionChanged, &form,
                [&] { seenInside = label.caption(); });
        QSignalSpy changes(&label, &CaptionLabel::captionChanged);

        label.setCaption(QStringLiteral("01"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(seenInside, QStringLiteral("01"));
        label.setCaption(QStringLiteral("01"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(label.size(), QSize(12, 13));
    }

    void textReadsBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("CR LF line breaks") << "first\r\nsecond\r\n";
        QTest::addRow("leading spaces") << "       indented question";
        QTest::addRow("empty") << "";
    }
    void textReadsBackExactly()
    {
        QFETCH(QString, text);
        QWidget form;
        TextBox box(QRect(0, 0, 100, 50), TextBox::ScrollBar::None, Qt::green, &form);
        box.setText(text);
        QCOMPARE(box.text(), text);
        // The screen shows the lines, one break per CR LF.
        QCOMPARE(box.toPlainText(),
                 QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    void characterKeysAreReported_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::addRow("Esc") << int(Qt::Key_Escape) << "\x1b" << 27;
        QTest::addRow("Enter") << int(Qt::Key_Return) << "\r" << 13;
        QTest::addRow("Space") << int(Qt::Key_Space) << " " << 32;
        QTest::addRow("letter") << int(Qt::Key_A) << "a" << int('a');
        QTest::addRow("Cyrillic letter") << int(Qt::Key_unknown) << "ж" << int(u'ж');
        QTest::addRow("digit") << int(Qt::Key_5) << "5" << int('5');
        QTest::addRow("arrow types nothing") << int(Qt::Key_Down) << "" << 0;
        QTest::addRow("function key types nothing") << int(Qt::Key_F5) << "" << 0;
        QTest::addRow("Tab moves the focus instead") << int(Qt::Key_Tab) << "\t" << 0;
    }
    void characterKeysAreReported()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, code);
        QWidget form;
        TextBox box(QRect(0, 0, 100, 50), TextBox::ScrollBar::None, Qt::green, &form);
        ListBox list(QRect(0, 60, 100, 50), &form);
        QSignalSpy boxKeys(&box, &TextBox::keyPressed);
        QSignalSpy listKeys(&list, &ListBox::keyPressed);
        for (QWidget *target : {static_cast<QWidget *>(&box), static_cast<QWidget *>(&list)}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(target, &press);
        }
        QCOMPARE(boxKeys.count(), code ? 1 : 0);
        QCOMPARE(listKeys.count(), code ? 1 : 0);
        if (code) {
            QCOMPARE(boxKeys.first().first().toInt(), code);
            QCOMPARE(listKeys.first().first().toInt(), code);
        }
    }

    // Emptying the list is no choice of the player's; clicks and arrows are.
    void listReportsOnlyMovesToAnItem()
    {
        QWidget form;
        ListBox list(QRect(0, 0, 200, 100), &form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy moves(&list, &ListBox::selectionMoved);
        list.addItems({QStringLiteral("один"), QStringLiteral("два"), QStringLiteral("три")});
        QCOMPARE(moves.count(), 0);

        const QRect second = list.visualItemRect(list.item(1));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(moves.count(), 1);
        QCOMPARE(list.selectedText(), QStringLiteral("два"));

        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(moves.count(), 2);
        QCOMPARE(list.selectedText(), QStringLiteral("три"));

        list.clear();
        QCOMPARE(moves.count(), 2);
        QCOMPARE(list.selectedText(), QString());
    }

    // Enter clicks a button only while it has the focus; Esc never does.
    void buttonsClickOnEnterAndSpaceOnly()
    {
        QWidget form;
        CommandButton button(QStringLiteral("HELP!"), QRect(0, 0, 49, 17), &form);
        QSignalSpy clicks(&button, &QPushButton::clicked);
        QTest::keyClick(&button, Qt::Key_Return);
        QCOMPARE(clicks.count(), 1);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 2);
        QTest::keyClick(&button, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!button.autoDefault());
    }

    void pictureClicksNeedPressAndReleaseOnIt()
    {
        QWidget form;
        PictureBox picture(QRect(10, 10, 20, 20), &form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy clicks(&picture, &PictureBox::clicked);
        QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
        QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(40, 40));
        QCOMPARE(clicks.count(), 1);
    }

    // An interval of 0 means no ticks at all, not ticks as fast as possible.
    void timerOfIntervalZeroDoesNotTick()
    {
        FormTimer timer(0, nullptr);
        QVERIFY(!timer.isActive());
        timer.setIntervalMs(1000);
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 1000);
        QCOMPARE(timer.timerType(), Qt::PreciseTimer);
        timer.setIntervalMs(0);
        QVERIFY(!timer.isActive());
    }

    // The slide's width test compares with 6255 exactly: every one-twip step reads back as written.
    void geometryInTwipsReadsBackExactly()
    {
        FrmFinDesign results;
        float width = results.widthTwips();
        QCOMPARE(width, 6255.0f);
        int lastPixels = results.width();
        int distinctWidths = 1;
        for (int step = 0; step < FrmFinDesign::PanelWidthTwips; ++step) {
            results.setWidthTwips(results.widthTwips() + 1);
            QCOMPARE(results.widthTwips(), width + 1);
            width = results.widthTwips();
            distinctWidths += results.width() != lastPixels;
            lastPixels = results.width();
        }
        QCOMPARE(results.widthTwips(), 9646.0f);
        QCOMPARE(results.width(), 643);
        QCOMPARE(distinctWidths, 643 - 417 + 1);

        results.setLeftTwips(1234.5f);
        results.setTopTwips(-20.25f);
        QCOMPARE(results.leftTwips(), 1234.5f);
        QCOMPARE(results.topTwips(), -20.25f);
        QCOMPARE(results.pos(), QPoint(82, -1));
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
