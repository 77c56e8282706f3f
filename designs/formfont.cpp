#include "formfont.h"

#include <QFontDatabase>

namespace FormFont {

namespace {

constexpr int PixelSize = 11;

QString family()
{
    static const QString chosen = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
            ? QStringLiteral("MS Sans Serif")
            : QStringLiteral("Liberation Sans");
    return chosen;
}

} // namespace

void install()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
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
