// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "monkeyevent.h"

#include <QKeySequence>
#include <QStringList>

#include <array>
#include <utility>

namespace {

using Kind = MonkeyEvent::Kind;

constexpr std::array<std::pair<Kind, const char *>, 9> KindNames = {{
        {Kind::Start, "start"},
        {Kind::Click, "click"},
        {Kind::DoubleClick, "double-click"},
        {Kind::Press, "press"},
        {Kind::Release, "release"},
        {Kind::Move, "move"},
        {Kind::Key, "key"},
        {Kind::Tick, "tick"},
        {Kind::Close, "close"},
}};

constexpr std::array<std::pair<Qt::MouseButton, const char *>, 3> ButtonNames = {{
        {Qt::LeftButton, "left"},
        {Qt::RightButton, "right"},
        {Qt::MiddleButton, "middle"},
}};

QString buttonsText(int buttons)
{
    QStringList names;
    for (const auto &[button, name] : ButtonNames) {
        if (buttons & button)
            names << QLatin1String(name);
    }
    return names.isEmpty() ? QStringLiteral("none") : names.join(u'+');
}

std::optional<int> buttonsFromText(const QString &text)
{
    if (text == QLatin1String("none"))
        return 0;
    int buttons = 0;
    for (const QString &part : text.split(u'+')) {
        bool known = false;
        for (const auto &[button, name] : ButtonNames) {
            if (part == QLatin1String(name)) {
                buttons |= button;
                known = true;
            }
        }
        if (!known)
            return std::nullopt;
    }
    return buttons;
}

bool usesPoint(Kind kind)
{
    return kind == Kind::Click || kind == Kind::DoubleClick || kind == Kind::Press ||
            kind == Kind::Release || kind == Kind::Move;
}

} // namespace

QString MonkeyEvent::toLine() const
{
    QString line;
    for (const auto &[known, name] : KindNames) {
        if (known == kind)
            line = QLatin1String(name);
    }
    if (kind == Kind::Start)
        return line;
    line += u' ' + window + u' ' + (control.isEmpty() ? QStringLiteral("-") : control);
    if (usesPoint(kind))
        line += QStringLiteral(" %1,%2 %3").arg(at.x()).arg(at.y()).arg(buttonsText(code));
    else if (kind == Kind::Key)
        line += u' ' + QKeySequence(code).toString(QKeySequence::PortableText);
    return line;
}

std::optional<MonkeyEvent> MonkeyEvent::fromLine(const QString &line)
{
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.isEmpty())
        return std::nullopt;
    MonkeyEvent event;
    bool named = false;
    for (const auto &[kind, name] : KindNames) {
        if (fields.first() == QLatin1String(name)) {
            event.kind = kind;
            named = true;
        }
    }
    if (!named)
        return std::nullopt;
    if (event.kind == Kind::Start)
        return fields.size() == 1 ? std::optional(event) : std::nullopt;
    if (fields.size() < 3)
        return std::nullopt;
    event.window = fields.at(1);
    event.control = fields.at(2) == QLatin1String("-") ? QString() : fields.at(2);
    if (usesPoint(event.kind)) {
        const QStringList point = fields.value(3).split(u',');
        bool xRead = false, yRead = false;
        event.at = QPoint(point.value(0).toInt(&xRead), point.value(1).toInt(&yRead));
        const std::optional<int> buttons = buttonsFromText(fields.value(4));
        if (fields.size() != 5 || point.size() != 2 || !xRead || !yRead || !buttons)
            return std::nullopt;
        event.code = *buttons;
    } else if (event.kind == Kind::Key) {
        const QKeySequence key =
                QKeySequence::fromString(fields.value(3), QKeySequence::PortableText);
        if (fields.size() != 4 || key.count() != 1)
            return std::nullopt;
        event.code = key[0].key();
    } else if (fields.size() != 3) {
        return std::nullopt;
    }
    return event;
}
