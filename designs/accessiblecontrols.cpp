// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessiblecontrols.h"

#include "captionlabel.h"
#include "formwindow.h"
#include "picturebox.h"

#include <QAccessibleWidget>

namespace {

// A label read as its spoken text, worked out afresh at every request: the clock's seconds
// change its minutes label's text without an announcement each time.
class CaptionLabelAccessible : public QAccessibleWidget
{
public:
    explicit CaptionLabelAccessible(CaptionLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text which) const override
    {
        const auto *label = static_cast<const CaptionLabel *>(widget());
        switch (which) {
        case QAccessible::Name:
            return label->spokenText();
        case QAccessible::Value:
            return label->caption();
        default:
            return QAccessibleWidget::text(which);
        }
    }
};

// A picture control: a button with a press action when its design makes it one, otherwise a
// graphic, hidden from screen readers while there is no picture to see.
class PictureBoxAccessible : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(PictureBox *box) : QAccessibleWidget(box) { }

    QAccessible::Role role() const override
    {
        return box()->isButton() ? QAccessible::Button : QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!box()->isButton() && box()->picture().isNull())
            state.invisible = true;
        return state;
    }

    QStringList actionNames() const override
    {
        return box()->isButton() ? QStringList{pressAction()} : QStringList();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && box()->isButton())
            box()->click();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    PictureBox *box() const { return static_cast<PictureBox *>(widget()); }
};

QAccessibleInterface *controlInterface(const QString &className, QObject *object)
{
    // Screen readers name a window when it opens only if it is one to them, not a mere pane.
    if (className == QLatin1String("FormWindow"))
        return new QAccessibleWidget(static_cast<FormWindow *>(object), QAccessible::Window);
    if (className == QLatin1String("CaptionLabel"))
        return new CaptionLabelAccessible(static_cast<CaptionLabel *>(object));
    if (className == QLatin1String("PictureBox"))
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    return nullptr;
}

} // namespace

namespace AccessibleControls {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace AccessibleControls
