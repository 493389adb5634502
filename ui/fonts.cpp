#include "ui/fonts.h"

namespace omaha {

namespace {

QFont sansFamily(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    // The hint sends the font matcher to a sans face when the family is not installed.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace

QFont verdanaFont(int pixelHeight, bool bold) {
    return sansFamily(QStringLiteral("Verdana"), pixelHeight, bold);
}

QFont tahomaFont(int pixelHeight, bool bold) {
    return sansFamily(QStringLiteral("Tahoma"), pixelHeight, bold);
}

} // namespace omaha
