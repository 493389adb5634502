#include "ui/translations.h"

#include "core/game_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace omaha {

namespace {

// The game's translations are built into the program, under the resource prefix the build gives
// them.
const QString kGameTranslations = QStringLiteral(":/i18n");

std::string translateGameText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// Loads the translation of `prefix` for `language` ("omaha_de_DE", then "omaha_de") from
// `folder` into a translator the application owns, and installs it.
bool installTranslator(QCoreApplication& app, const QString& prefix, const QLocale& language,
                       const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(prefix + language.name(), folder)) {
        delete translator;
        return false;
    }
    app.installTranslator(translator);
    return true;
}

} // namespace

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
    installGameTextTranslator(translateGameText);
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        // English is the game's own language; one preferred to any translation wins.
        if (language.language() == QLocale::English)
            return {};
        if (language.language() == QLocale::C ||
            !installTranslator(app, QStringLiteral("omaha_"), language, kGameTranslations))
            continue;
        installTranslator(app, QStringLiteral("qtbase_"), language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return QLocale::languageToCode(language.language());
    }
    return {};
}

} // namespace omaha
