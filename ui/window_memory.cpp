#include "ui/window_memory.h"

#include "settings/settings_store.h"
#include "ui/guarded_call.h"
#include "ui/screen_placement.h"
#include "ui/table_layout.h"
#include "ui/table_scaling.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace omaha {

namespace {

constexpr std::string_view kSection = "Window";
// A coordinate farther out than this, as a hand-edited file might hold, is no place on any
// screen; a missing or unreadable value reads as one.
constexpr std::int32_t kFarthest = 1 << 20;
constexpr std::int32_t kNoValue = std::numeric_limits<std::int32_t>::min();

// Whether a window with this inside fits where it was.
bool fitsOnScreens(const QRect& inside) {
    if (inside.width() < kTableWidth / 2 || inside.height() < kTableHeight / 2)
        return false;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(inside))
            return true;
    return false;
}

} // namespace

WindowMemory::WindowMemory(QWidget& window, TableScaling& scaling, SettingsStore& settings)
    : QObject(&window), window_(window), scaling_(scaling), settings_(settings) {
    window.installEventFilter(this);
}

void WindowMemory::restore() {
    const auto read = [this](std::string_view key) {
        return settings_.readInt(kSection, key, kNoValue);
    };
    // Anything but 0 or 1 is a first start.
    const std::int32_t scaled = read("scaled");
    const bool firstStart = scaled != 0 && scaled != 1;
    scaling_.setOn(scaled == 1);
    const std::array<std::int32_t, 4> place = {read("x"), read("y"), read("width"), read("height")};
    const bool readable = std::ranges::all_of(
        place, [](std::int32_t value) { return value >= -kFarthest && value <= kFarthest; });
    const QRect inside = readable ? QRect(place[0], place[1], place[2], place[3]) : QRect();
    if (!firstStart && readable && fitsOnScreens(inside)) {
        window_.setGeometry(inside);
        return;
    }
    const QScreen* screen = window_.screen();
    const QSize room = screen != nullptr ? screen->availableGeometry().size() : window_.size();
    const bool tableFits = window_.width() <= room.width() && window_.height() <= room.height();
    if (!tableFits && scaled != 0) {
        scaling_.setOn(true);
        fitOnScreen(window_);
        return;
    }
    placeOnScreen(window_);
}

bool WindowMemory::scaled() const {
    return scaling_.isOn();
}

void WindowMemory::setScaled(bool on) {
    scaling_.setOn(on);
    remember();
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close)
        remember();
    return false;
}

void WindowMemory::remember() {
    const QRect inside = window_.geometry();
    runGuarded(&window_, [this, &inside] {
        settings_.writeInts({{kSection, "scaled", scaling_.isOn() ? 1 : 0},
                             {kSection, "x", inside.x()},
                             {kSection, "y", inside.y()},
                             {kSection, "width", inside.width()},
                             {kSection, "height", inside.height()}});
    });
}

} // namespace omaha
