// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The answer list: single selection, items in the order they were added, each item's text
// read back exactly. Reports selection changes and every character key typed into it.
#pragma once

#include <QListWidget>

class ListBox : public QListWidget
{
    Q_OBJECT

public:
    ListBox(const QRect &box, QWidget *parent);

    // The selected item's text; empty when nothing is selected.
    QString selectedText() const;

signals:
    // The selection moved to an item, by the pointer or the arrow keys.
    void selectionMoved();
    // As TextBox::keyPressed: emitted before the list handles the key itself.
    void keyPressed(int characterCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
