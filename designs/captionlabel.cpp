// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "captionlabel.h"

#include "accessiblecontrols.h"
#include "designcolors.h"

#include <QAccessible>

CaptionLabel::CaptionLabel(const QString &caption, const QRect &box, Sizing sizing, QWidget *parent)
    : QLabel(parent), m_sizing(sizing)
{
    AccessibleControls::install();
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
    // QLabel tells screen readers of a new text itself only while the label has no accessible
    // name; a titled label's spoken text changes with its caption all the same.
    if (m_announcesChanges && !accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    emit captionChanged();
}

QString CaptionLabel::spokenText() const
{
    if (accessibleName().isEmpty())
        return m_caption;
    return accessibleName() + u' ' + (m_spokenValue ? m_spokenValue() : m_caption);
}

void CaptionLabel::setSpokenValue(std::function<QString()> value)
{
    m_spokenValue = std::move(value);
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
