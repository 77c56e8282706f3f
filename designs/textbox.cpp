#include "textbox.h"

#include "characterkey.h"
#include "designcolors.h"

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
    setPlainText(text);
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
