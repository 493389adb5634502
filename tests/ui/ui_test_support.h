#pragma once

#include "engine/table_layout.h"
#include "engine/table_state.h"
#include "settings/settings_file.h"
#include "ui/main_window.h"

#include <functional>
#include <memory>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <vector>

class QObject;
class QWidget;

namespace omaha::test {

// Each test file registers its test object; the test program runs them all.
using SuiteFactory = std::function<std::unique_ptr<QObject>()>;
bool registerSuite(SuiteFactory factory);
const std::vector<SuiteFactory>& suites();

#define OMAHA_UI_SUITE(Class)                                                                      \
    [[maybe_unused]] static const bool registered##Class =                                         \
        ::omaha::test::registerSuite([] { return std::make_unique<Class>(); })

// A fresh working folder for the game, with or without the table bitmap; the previous working
// folder comes back when it goes.
class WorkingFolder {
public:
    enum class Baize { Present, Missing };
    explicit WorkingFolder(Baize baize);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A main window playing from a settings file of its own, in a working folder with the bitmap,
// its random source seeded from a clock that always reads the same second.
struct Window {
    static std::uint32_t fixedClock() { return 1000000; }

    WorkingFolder folder{WorkingFolder::Baize::Present};
    TForm1 form{SettingsFile(folder.path(QStringLiteral("vellum.ini")).toStdString()), fixedClock};
};

// The table bitmap as the game loads it.
QImage baizeImage();

// A table in the middle of a hand: every seat in with 100 chips and four distinct cards, the
// board dealt, back 52, at `street`.
TableState dealtTable(std::int32_t street);

// The colour of table pixel (x, y) of a picture drawn at any device pixel ratio.
QRgb tablePixel(const QImage& picture, int x, int y);

// Whether every pixel of `area` (table pixels) of `picture` shows `card`, placed with its top-left
// corner at `at`; the card's twelve trimmed corner pixels are left out.
bool showsCard(const QImage& picture, const QImage& card, Point at, const QRect& area);
// Whether every pixel of `area` shows the table bitmap, tiled from the origin.
bool showsBaize(const QImage& picture, const QRect& area);
// Whether every pixel of `area` is black.
bool isBlack(const QImage& picture, const QRect& area);

// Shows a top-level widget on the offscreen screen and waits until it is exposed.
void showAndWait(QWidget& widget);

// Runs `action` once the next modal window is up, for answering message boxes and dialogs.
void whenModalAppears(std::function<void(QWidget*)> action);

} // namespace omaha::test
