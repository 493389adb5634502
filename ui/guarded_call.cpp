#include "ui/guarded_call.h"

#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace omaha {

namespace {

// What the system said about `error`, as "No space left on device": a failed write of the
// settings file says why (a full disk, a read-only file, a folder in the way). Other errors say
// all there is in their message.
std::string errorDetail(const std::exception& error) {
    if (const auto* write = dynamic_cast<const SettingsWriteError*>(&error))
        return write->reason();
    return {};
}

} // namespace

void runGuarded(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        showError(parent, error);
    }
}

void showError(QWidget* parent, const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("Error", "Error"),
                    QString::fromStdString(error.what()), QMessageBox::Ok, parent);
    const std::string detail = errorDetail(error);
    if (!detail.empty())
        box.setDetailedText(QString::fromStdString(detail));
    box.exec();
}

} // namespace omaha
