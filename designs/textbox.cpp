// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textbox.h"

#include "characterkey.h"
#include "designcolors.h"

#include <algorithm>

namespace {

// Qt keeps each line of a plain text in a block of its own, and a block costs more than a
// microsecond to build: the log of all 32,767 steps (65,000 lines) took a tenth of a second to
// show. Past this many lines, runs of lines share a block, parted by line separators, which Qt
// lays out and draws exactly as it does the breaks between blocks.
constexpr qsizetype LinesInBlocksOfTheirOwn = 2048;
constexpr qsizetype LinesPerBlock = 32;

// The breaks that end a line for Qt: CR LF, a lone CR or LF, and the paragraph separator.
bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

QString forDisplay(const QString &text)
{
    // CR LF counts twice here; it only has to tell a huge text from an ordinary one.
    const auto breaks = std::count_if(text.cbegin(), text.cend(), isLineBreak);
    if (breaks <= 2 * LinesInBlocksOfTheirOwn)
        return text;
    QString display;
    display.reserve(text.size());
    qsizetype lines = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isLineBreak(text.at(i)))
            continue;
        display.append(QStringView(text).sliced(lineStart, i - lineStart));
        if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        lineStart = i + 1;
        display.append(++lines % LinesPerBlock == 0 ? QChar(u'\n') : QChar(QChar::LineSeparator));
    }
    display.append(QStringView(text).sliced(lineStart));
    return display;
}

} // namespace

TextBox::TextBox(const QRect &box, ScrollBar scrollBar, const QColor &textColor, QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Pointer moves over a control are the control's, never the window background's.
    setAttribute(Qt::WA_NoMousePropagation);
    // The caret keys still move through text that does not fit, as in any read-only box.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(scrollBar == ScrollBar::Vertical ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
    DesignColors::paint(this, DesignColors::Black, textColor);
    setGeometry(box);
}

void TextBox::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    setPlainText(forDisplay(text));
}

QColor TextBox::foreColor() const
{
    return palette().color(QPalette::Text);
}

void TextBox::setForeColor(const QColor &color)
{
    QPalette colored = palette();
    colored.setColor(QPalette::Text, color);
    setPalette(colored);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // Receivers may close the window; it is deleted only later, so the key is still ours.
    if (const int code = CharacterKey::code(event))
        emit keyPressed(code);
    QPlainTextEdit::keyPressEvent(event);
}
