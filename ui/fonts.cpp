#include "ui/fonts.h"

#include <QStringList>

namespace omaha {

namespace {

// `family` where the machine has it, else the free face closest to it in width, so that texts
// measured for the one fit with the other.
QFont sansFamily(const QString& family, const QString& standIn, int pixelHeight, bool bold) {
    QFont font;
    font.setFamilies({family, standIn});
    // The hint sends the font matcher to some sans face when neither is installed.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace

QFont verdanaFont(int pixelHeight, bool bold) {
    return sansFamily(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), pixelHeight, bold);
}

QFont tahomaFont(int pixelHeight, bool bold) {
    // Tahoma is a narrower Verdana, as the condensed DejaVu face is a narrower DejaVu Sans.
    return sansFamily(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                      pixelHeight, bold);
}

} // namespace omaha
