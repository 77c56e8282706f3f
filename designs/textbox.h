// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only multi-line text box whose text reads back exactly as written, CR LF included,
// and which reports every character key typed into it.
#pragma once

#include <QPlainTextEdit>

class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    enum class ScrollBar { None, Vertical };

    TextBox(const QRect &box, ScrollBar scrollBar, const QColor &textColor, QWidget *parent);

    QString text() const { return m_text; }
    void setText(const QString &text);

    QColor foreColor() const;
    void setForeColor(const QColor &color);

signals:
    // A key that produces a character: Enter is 13, Backspace 8, Esc 27. Emitted before the box
    // handles the key itself.
    void keyPressed(int characterCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_text;
};
