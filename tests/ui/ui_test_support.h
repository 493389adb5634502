#pragma once

// Everything the UI tests use, so that each test file includes only this header.
#include "engine/visible_cards.h"
#include "ui/bevel_panel.h"
#include "ui/card_artwork.h"
#include "ui/gradient_button.h"
#include "ui/guarded_call.h"
#include "ui/history_window.h"
#include "ui/main_window.h"
#include "ui/options_panel.h"
#include "ui/options_radio_group.h"
#include "ui/options_up_down.h"
#include "ui/rules_window.h"
#include "ui/table_canvas.h"
#include "ui/table_surface.h"
#include "ui/window_view.h"

#include <functional>
#include <memory>
#include <QtTest>
#include <QtWidgets>
#include <vector>

namespace omaha::test {

// Each test file registers its test object; the test program runs them all.
inline std::vector<std::function<std::unique_ptr<QObject>()>>& suites() {
    static std::vector<std::function<std::unique_ptr<QObject>()>> all;
    return all;
}

#define OMAHA_UI_SUITE(Class)                                                                      \
    [[maybe_unused]] static const bool registered##Class =                                         \
        (::omaha::test::suites().push_back([] { return std::make_unique<Class>(); }), true)

// Shows a top-level widget, waits until it is exposed and until it is the active window, the one
// that takes the keys. A window manager activates the window; the offscreen screen activates no
// window itself, so there the test does.
inline void showAndWait(QWidget& widget) {
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget))
        qWarning("window not exposed");
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QApplication::setActiveWindow(&widget);
    else if (!QTest::qWaitForWindowActive(&widget))
        qWarning("window not activated");
}

// Runs `action` once the next modal window is up, for answering message boxes and dialogs;
// gives up after `attempts` looks ten milliseconds apart.
inline void whenModalAppears(std::function<void(QWidget*)> action, int attempts = 500) {
    QTimer::singleShot(10, [action = std::move(action), attempts]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget())
            action(modal);
        else if (attempts > 1)
            whenModalAppears(std::move(action), attempts - 1);
    });
}

// Answers the next message box with `button`, keeping its text in `text` and its details in
// `details` when given.
inline void answerNextBox(QString& text, QMessageBox::StandardButton button = QMessageBox::Ok,
                          QString* details = nullptr) {
    whenModalAppears([&text, button, details](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(button)) {
            text = box->text();
            if (details != nullptr)
                *details = box->detailedText();
            box->button(button)->click();
        }
    });
}

inline void click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// The widget named `name` inside `parent`.
template <typename Widget = QLabel>
Widget* find(const QWidget& parent, const char* name) {
    return parent.findChild<Widget*>(QLatin1String(name));
}

// A fresh working folder for the game holding the table bitmap; the previous working folder comes
// back when it goes.
struct WorkingFolder {
    WorkingFolder() {
        QFile::copy(QStringLiteral(OMAHA_BAIZE_FILE), path(QStringLiteral("baize.bmp")));
        QDir::setCurrent(dir.path());
    }
    ~WorkingFolder() { QDir::setCurrent(previous); }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString settings() const { return path(QStringLiteral("vellum.ini")); }

    QString previous = QDir::currentPath();
    QTemporaryDir dir;
};

// A main window on screen, playing from a settings file of its own in a working folder with the
// bitmap, its random source seeded from a clock that always reads the same second unless another
// clock is given. `saved` is what the settings file holds at start, and `opponents` decide for the
// computer players when given.
struct Window {
    static std::uint32_t fixedClock() { return 1000000; }
    explicit Window(std::string_view saved = {}, Opponents* opponents = nullptr,
                    Game::Clock clock = fixedClock)
        : form(SettingsFile(settingsHolding(saved)), std::move(clock), opponents) {
        showAndWait(form);
    }
    QString label(const char* name) { return find(form.table(), name)->text(); }
    void press(TableButton which) { click(form.buttons()[which]); }
    // A key as the player types it, to whatever has the keyboard focus in the active window; the
    // table's window takes it when no window is active, as after a message box has closed.
    void key(QKeyCombination key) {
        if (QApplication::activeWindow() == nullptr)
            showAndWait(form);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key.key(),
                        key.keyboardModifiers());
    }
    bool enabled(TableButton which) const { return form.buttons()[which]->isEnabled(); }

    WorkingFolder folder;
    MainWindow form;

private:
    std::string settingsHolding(std::string_view saved) {
        QFile file(folder.settings());
        if (!saved.empty() && file.open(QIODevice::WriteOnly))
            file.write(saved.data(), static_cast<qint64>(saved.size()));
        return folder.settings().toStdString();
    }
};

} // namespace omaha::test
