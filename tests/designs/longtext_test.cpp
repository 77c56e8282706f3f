// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A text box holding a huge text, such as the log of every step the counter allows, reads back
// and looks exactly as one holding an ordinary text does.
#include "formfont.h"
#include "textbox.h"

#include <QScrollBar>
#include <QTest>

namespace {

// The log as the quiz writes it once the counter has stopped: a heading for every step.
QString logOfEverySteps()
{
    QString log;
    for (int number = 1; number <= 32767; ++number)
        log += u' ' + QString::number(number) + QStringLiteral(". Вопрос:\r\n\r\nВаш ответ: ");
    return log;
}

// Lines and more lines of ordinary text, with every kind of line break Qt knows.
QString linesBrokenEveryWay(int lines)
{
    const QStringList breaks = {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r"),
                                QString(QChar::ParagraphSeparator)};
    QString text;
    for (int line = 0; line < lines; ++line) {
        text += QStringLiteral("Строка %1: Правильно(0,4)").arg(line);
        // Now and then a line long enough to wrap in the box.
        if (line % 7 == 3)
            text += QStringLiteral(" и ещё много слов, которые не помещаются в одну строку окна");
        text += breaks.at(line % breaks.size());
    }
    return text;
}

// Two boxes alike, one given the text through TextBox, the other line by line as Qt stores it.
struct Pair
{
    Pair()
        : box(QRect(0, 0, 369, 185), TextBox::ScrollBar::Vertical, Qt::green, &form),
          lineByLine(QRect(0, 0, 369, 185), TextBox::ScrollBar::Vertical, Qt::green, &other)
    {
        form.resize(369, 185);
        other.resize(369, 185);
        form.show();
        other.show();
        // The caret blinks in whichever window is active; the text is what is compared.
        box.setCursorWidth(0);
        lineByLine.setCursorWidth(0);
    }
    void show(const QString &text)
    {
        box.setText(text);
        lineByLine.QPlainTextEdit::setPlainText(text);
        QCoreApplication::processEvents();
    }
    // Pixel for pixel the same, as right after the text was written.
    bool looksTheSame()
    {
        QCoreApplication::processEvents();
        return box.viewport()->grab().toImage() == lineByLine.viewport()->grab().toImage();
    }
    // The caret at the same place and the same text at the top, middle and bottom of the view.
    // (After scrolling, the view may stand a few pixels off a line boundary in one of them.)
    bool showsTheSamePart()
    {
        QCoreApplication::processEvents();
        if (box.textCursor().position() != lineByLine.textCursor().position())
            return false;
        const QRect view = box.viewport()->rect();
        for (const QPoint at : {QPoint(4, 8), view.center(), QPoint(4, view.bottom() - 8)}) {
            if (box.cursorForPosition(at).position() != lineByLine.cursorForPosition(at).position())
                return false;
        }
        return true;
    }

    QWidget form;
    QWidget other;
    TextBox box;
    TextBox lineByLine;
};

} // namespace

class LongTextTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FormFont::install(); }

    void hugeTextReadsBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addRow("log of every step") << logOfEverySteps();
        QTest::addRow("every kind of line break") << linesBrokenEveryWay(9000);
        QTest::addRow("ending with a break") << linesBrokenEveryWay(9000) + QStringLiteral("\r\n");
    }
    void hugeTextReadsBackExactly()
    {
        QFETCH(QString, text);
        Pair boxes;
        boxes.show(text);
        QCOMPARE(boxes.box.text(), text);
        // The screen holds the same lines as when Qt is given the text as it is.
        QCOMPARE(boxes.box.toPlainText(), boxes.lineByLine.toPlainText());
    }

    void hugeTextLooksTheSameAsLineByLine_data() { hugeTextReadsBackExactly_data(); }
    void hugeTextLooksTheSameAsLineByLine()
    {
        QFETCH(QString, text);
        Pair boxes;
        boxes.show(text);
        QVERIFY(boxes.looksTheSame());
        for (TextBox *box : {&boxes.box, &boxes.lineByLine}) {
            QTest::keyClick(box, Qt::Key_PageDown);
            QTest::keyClick(box, Qt::Key_Down);
        }
        QVERIFY(boxes.showsTheSamePart());
        for (TextBox *box : {&boxes.box, &boxes.lineByLine})
            QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(boxes.showsTheSamePart());
        for (TextBox *box : {&boxes.box, &boxes.lineByLine}) {
            QTest::keyClick(box, Qt::Key_PageUp);
            QTest::keyClick(box, Qt::Key_Up);
            QTest::keyClick(box, Qt::Key_Home);
        }
        QVERIFY(boxes.showsTheSamePart());
    }

    // Replacing a huge text by a short one, and the other way round, leaves nothing behind.
    void textsFollowEachOther()
    {
        Pair boxes;
        const QString huge = logOfEverySteps();
        for (const QString &text : {huge, QStringLiteral("Уровень 1\r\nТема"), huge, QString()}) {
            boxes.show(text);
            QCOMPARE(boxes.box.text(), text);
            QCOMPARE(boxes.box.toPlainText(), boxes.lineByLine.toPlainText());
            QVERIFY(boxes.looksTheSame());
        }
    }
};

QTEST_MAIN(LongTextTest)
#include "longtext_test.moc"
