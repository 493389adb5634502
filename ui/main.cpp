#include "settings/settings_file.h"
#include "settings/temporary_files.h"
#include "ui/guarded_call.h"
#include "ui/main_window.h"
#include "ui/translations.h"

#include <chrono>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <QApplication>
#include <string_view>

namespace {

std::uint32_t secondsSinceEpoch() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that it needs no display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "omaha " OMAHA_VERSION "\n" << std::flush;
        return std::cout ? 0 : 1;
    }
    QApplication app(argc, argv);
    omaha::installTranslations(app);
    try {
        const std::filesystem::path settings = omaha::defaultSettingsPath();
        // Writes that a kill or a power cut stopped half-way leave their temporary files behind.
        omaha::removeStaleTemporaryFiles(settings);
        omaha::MainWindow window(omaha::SettingsFile(settings), secondsSinceEpoch);
        window.show();
        return app.exec();
    } catch (const std::exception& error) {
        // Start-up failed, typically because the settings file cannot be written.
        omaha::showError(nullptr, error);
        return 1;
    }
}
