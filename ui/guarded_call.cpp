#include "ui/guarded_call.h"

#include "settings/settings_file.h"

#include <QMessageBox>

namespace omaha {

void runGuarded(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showError(parent, error);
    }
}

void showError(QWidget* parent, const std::exception& error) {
    showErrorBox(parent, error.what(), errorDetail(error));
}

void showErrorBox(QWidget* parent, const std::string& text, const std::string& detail) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    if (!detail.empty())
        box.setDetailedText(QString::fromStdString(detail));
    box.exec();
}

std::string errorDetail(const std::exception& error) {
    // A failed write of the settings file says why: a full disk, a read-only file, a folder in
    // the way.
    if (const auto* write = dynamic_cast<const SettingsWriteError*>(&error))
        return write->reason();
    return {};
}

} // namespace omaha
