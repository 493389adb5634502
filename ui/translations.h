#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace omaha {

// Makes the game speak the first of the player's languages (`locale`'s uiLanguages(), from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that it has a translation for, Qt's own dialog buttons
// too where Qt's translations are installed, and routes the lower layers' texts (gameText)
// through it. A language before it that is English, or none found, leaves the game in English.
// Returns the name of the translation loaded ("de"), or "" for English.
QString installTranslations(QCoreApplication& app, const QLocale& locale = QLocale::system());

} // namespace omaha
