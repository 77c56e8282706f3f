#include "captionlabel.h"

#include "designcolors.h"

CaptionLabel::CaptionLabel(const QString &caption, const QRect &box, Sizing sizing, QWidget *parent)
    : QLabel(parent), m_sizing(sizing)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    // Pointer moves over a label are the label's, not the window background's.
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoFillBackground(true);
    DesignColors::paint(this, DesignColors::Black, DesignColors::Green);
    setGeometry(box);
    showCaption(caption);
}

void CaptionLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    showCaption(caption);
    emit captionChanged();
}

void CaptionLabel::makeTransparent(const QColor &textColor)
{
    setAutoFillBackground(false);
    DesignColors::paint(this, Qt::transparent, textColor);
    setWordWrap(true);
}

void CaptionLabel::showCaption(const QString &caption)
{
    m_caption = caption;
    setText(caption);
    // Self-sizing labels keep their left and top edges and take the caption's size.
    if (m_sizing == Sizing::ToCaption)
        resize(sizeHint());
}
