#pragma once

#include "settings/settings_file.h"
#include "ui/main_window.h"

#include <functional>
#include <memory>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <vector>

namespace omaha::test {

// Each test file registers its test object; the test program runs them all.
using SuiteFactory = std::function<std::unique_ptr<QObject>()>;
bool registerSuite(SuiteFactory factory);
std::vector<SuiteFactory>& suites();

#define OMAHA_UI_SUITE(Class)                                                                      \
    [[maybe_unused]] static const bool registered##Class =                                         \
        ::omaha::test::registerSuite([] { return std::make_unique<Class>(); })

// Shows a top-level widget on the offscreen screen and waits until it is exposed.
void showAndWait(QWidget& widget);

// Runs `action` once the next modal window is up, for answering message boxes and dialogs.
void whenModalAppears(std::function<void(QWidget*)> action);

// Answers the next message box with `button`, keeping its text in `text`.
void answerNextBox(QString& text, QMessageBox::StandardButton button = QMessageBox::Ok);

// A fresh working folder for the game, with or without the table bitmap; the previous working
// folder comes back when it goes.
class WorkingFolder {
public:
    enum class Baize { Present, Missing };
    explicit WorkingFolder(Baize baize);
    ~WorkingFolder();

    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A main window on screen, playing from a settings file of its own in a working folder with the
// bitmap, its random source seeded from a clock that always reads the same second.
struct Window {
    static std::uint32_t fixedClock() { return 1000000; }
    Window() { showAndWait(form); }

    WorkingFolder folder{WorkingFolder::Baize::Present};
    TForm1 form{SettingsFile(folder.path(QStringLiteral("vellum.ini")).toStdString()), fixedClock};
};

} // namespace omaha::test
