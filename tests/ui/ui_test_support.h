#pragma once

// Everything the UI tests use, so that each test file includes only this header.
#include "engine/visible_cards.h"
#include "records/hand_records.h"
#include "records/sqlite_connection.h"
#include "ui/card_artwork.h"
#include "ui/main_window.h"
#include "ui/table_canvas.h"
#include "ui/table_picture.h"
#include "ui/table_surface.h"

#include <functional>
#include <memory>
#include <QtCharts>
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

// The widget named `name` inside `parent`; the test program stops where there is none.
template <typename Widget = QLabel>
Widget* find(const QObject& parent, const char* name) {
    Widget* found = parent.findChild<Widget*>(QLatin1String(name));
    if (found == nullptr)
        qFatal("no %s named %s", Widget::staticMetaObject.className(), name);
    return found;
}

// What a screen reader hears of `control`: its name, its description.
inline QString heard(QObject* control, QAccessible::Text what) {
    return QAccessible::queryAccessibleInterface(control)->text(what);
}

// The part `area` of the table as the window shows it on the screen, in table pixels.
inline QImage shownOnScreen(const QWidget& table, const QRect& area) {
    const QWidget* window = table.window();
    const QPoint at = table.mapTo(window, area.topLeft());
    return window->screen()
        ->grabWindow(window->winId(), at.x(), at.y(), area.width(), area.height())
        .toImage();
}

// The mean difference per colour channel of two pictures of the same size, from 0 to 255.
inline double meanDifference(const QImage& one, const QImage& other) {
    double sum = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y), b = other.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    return sum / (3.0 * one.width() * one.height());
}

// Computer seats that call every bet and never raise.
struct CallingOpponents : Opponents {
    bool callsBet(TableState&, SeatCode) override { return true; }
    std::int32_t raiseInTurn(TableState&, SeatCode) override { return 0; }
};

// A fresh working folder for the game holding the table bitmap, and the game's data folder
// (XDG_DATA_HOME), where it keeps the player's hands; the previous working and data folders come
// back when it goes.
struct WorkingFolder {
    WorkingFolder() {
        QFile::copy(QStringLiteral(OMAHA_BAIZE_FILE), path(QStringLiteral("baize.bmp")));
        QDir::setCurrent(dir.path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
    }
    ~WorkingFolder() {
        QDir::setCurrent(previous);
        qputenv("XDG_DATA_HOME", previousData);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QString settings() const { return path(QStringLiteral("vellum.ini")); }
    QString records() const { return path(QStringLiteral("data/omaha/hands.sqlite")); }

    QString previous = QDir::currentPath();
    QByteArray previousData = qgetenv("XDG_DATA_HOME");
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
    QString label(const char* name) const { return find(form, name)->text(); }
    QPushButton* button(TableButton which) const {
        static constexpr const char* kNames[] = {"dealButton", "checkCallButton", "raiseButton",
                                                 "foldButton"};
        return find<QPushButton>(form, kNames[static_cast<int>(which)]);
    }
    void press(TableButton which) { click(button(which)); }
    // A key as the player types it, to whatever has the keyboard focus in the active window; the
    // table's window takes it when no window is active, as after a message box has closed.
    void key(QKeyCombination key) {
        if (QApplication::activeWindow() == nullptr)
            showAndWait(form);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : QApplication::activeWindow(), key.key(),
                        key.keyboardModifiers());
    }
    bool enabled(TableButton which) const { return button(which)->isEnabled(); }
    TableSurface& table() const { return *find<TableSurface>(form, "table"); }
    QWidget& options() const { return *find<QWidget>(form, "optionsPanel"); }
    // What the settings file holds, or -1.
    std::int32_t stored(const char* section, const char* key) const {
        return SettingsFile(folder.settings().toStdString()).readInt(section, key, -1);
    }

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
