#include "ui/about_omaha.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace omaha {

void showAboutOmaha(QWidget* parent) {
    // The version is the project's, set once in CMakeLists.txt.
    QMessageBox box(
        QMessageBox::NoIcon, QCoreApplication::translate("AboutOmaha", "About Omaha"),
        QCoreApplication::translate("AboutOmaha", "Omaha %1").arg(QStringLiteral(OMAHA_VERSION)),
        QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("aboutOmahaBox"));
    box.setInformativeText(QCoreApplication::translate(
        "AboutOmaha", "Fixed-limit Omaha poker, you against seven computer "
                      "players.\n\nThe rules are under Game \u2192 About (F1).\n\n"
                      "Free software under the MIT licence."));
    box.exec();
}

} // namespace omaha
