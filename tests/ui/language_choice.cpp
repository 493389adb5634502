// Starts as the game does and checks the language it chose from the environment, the first
// argument: "de", "fr", or "" for English. Qt's own dialog buttons follow where Qt's translations
// are installed.
#include "ui/translations.h"

#include <cstdio>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString expected = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString chosen = omaha::installTranslations(app);
    if (chosen != expected) {
        std::fprintf(stderr, "chose '%s' where '%s' was due (system languages: %s)\n",
                     qPrintable(chosen), qPrintable(expected),
                     qPrintable(QLocale::system().uiLanguages().join(u' ')));
        return 1;
    }
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    const bool qtTranslated =
        QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                      QStringLiteral("/qtbase_") + expected + QStringLiteral(".qm"));
    if (!expected.isEmpty() && qtTranslated && yes == QStringLiteral("&Yes")) {
        std::fputs("Qt's own buttons stayed English\n", stderr);
        return 1;
    }
    std::printf("%s\n", qPrintable(chosen.isEmpty() ? QStringLiteral("English") : chosen));
    return 0;
}
