#include "ui/guarded_call.h"

#include <exception>
#include <QMessageBox>

namespace omaha {

void runGuarded(QWidget* parent, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        QMessageBox::critical(parent, QStringLiteral("Error"), QString::fromUtf8(error.what()));
    }
}

} // namespace omaha
