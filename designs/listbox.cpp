// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "listbox.h"

#include "characterkey.h"
#include "designcolors.h"

ListBox::ListBox(const QRect &box, QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAttribute(Qt::WA_NoMousePropagation);
    setSortingEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    // Long options scroll sideways instead of being cut short with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    DesignColors::paint(this, DesignColors::Black, DesignColors::Green);
    setGeometry(box);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        // Emptying the list drops the selection too; that is no choice of the player's.
        if (!selectedItems().isEmpty())
            emit selectionMoved();
    });
}

QString ListBox::selectedText() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // Receivers may close the window; it is deleted only later, so the key is still ours.
    if (const int code = CharacterKey::code(event))
        emit keyPressed(code);
    QListWidget::keyPressEvent(event);
}
