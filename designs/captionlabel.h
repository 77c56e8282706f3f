// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A label: one line of text on an opaque black ground, or wrapped text over a picture. Its
// caption reads back exactly as written, and a change of caption is announced inside the write.
#pragma once

#include <QLabel>

#include <functional>

class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    enum class Sizing { Fixed, ToCaption };

    CaptionLabel(const QString &caption, const QRect &box, Sizing sizing, QWidget *parent);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    // A transparent label in the given text colour, wrapping at spaces within its box.
    void makeTransparent(const QColor &textColor);

    // What a screen reader says for the label. A label without an accessible name is read as
    // its caption. One with a name is a value with a title: "Баллов:" and "0,4" are read as
    // "Баллов: 0,4", the value being the caption unless setSpokenValue() words it otherwise.
    QString spokenText() const;
    void setSpokenValue(std::function<QString()> value);
    // A titled label tells screen readers of each change of its caption, unless it changes too
    // often to be worth hearing each time.
    void setAnnouncesChanges(bool announces) { m_announcesChanges = announces; }

signals:
    // Emitted before setCaption() returns, only when the caption actually changed.
    void captionChanged();

private:
    void showCaption(const QString &caption);

    QString m_caption;
    Sizing m_sizing;
    std::function<QString()> m_spokenValue;
    bool m_announcesChanges = true;
};
