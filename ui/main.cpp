#include "settings/settings_file.h"
#include "ui/guarded_call.h"
#include "ui/main_window.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <QApplication>

namespace {

std::uint32_t secondsSinceEpoch() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        omaha::TForm1 window(omaha::SettingsFile(omaha::defaultSettingsPath()), secondsSinceEpoch);
        window.show();
        return app.exec();
    } catch (const std::exception& error) {
        // Start-up failed, typically because the settings file cannot be written.
        omaha::showError(nullptr, error);
        return 1;
    }
}
