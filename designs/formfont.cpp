// SPDX-FileCopyrightText: 2026 Ashfever team <ashfever-team@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "formfont.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>

namespace FormFont {

namespace {

constexpr int PixelSize = 11;

const QString BundledFamily = QStringLiteral("Liberation Sans");

QString family()
{
    static const QString chosen = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
            ? QStringLiteral("MS Sans Serif")
            : BundledFamily;
    return chosen;
}

} // namespace

void install()
{
    if (family() == BundledFamily) {
        // A system that has the faces already serves them as well as our copy would; a second
        // copy only costs memory and start-up time.
        const QStringList installed = QFontDatabase::styles(BundledFamily);
        for (const QString &style : {QStringLiteral("Regular"), QStringLiteral("Bold")}) {
            if (!installed.contains(style))
                QFontDatabase::addApplicationFontFromData(
                        QResource(QStringLiteral(":/fonts/LiberationSans-%1.ttf").arg(style))
                                .uncompressedData());
        }
    }
    // Text that Qt lays out before a control has its font (a text box's empty document, for
    // one) would otherwise load the system's default face too, for nothing.
    QGuiApplication::setFont(regular());
}

QFont regular()
{
    QFont font(family());
    font.setPixelSize(PixelSize);
    // Whole-pixel glyph advances keep "00" exactly 12 px wide, as the clock boxes expect.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont bold()
{
    QFont font = regular();
    font.setBold(true);
    return font;
}

} // namespace FormFont
