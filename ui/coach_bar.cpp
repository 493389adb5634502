#include "ui/coach_bar.h"

#include "engine/coach.h"
#include "settings/settings_store.h"
#include "ui/fonts.h"
#include "ui/guarded_call.h"

#include <algorithm>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

namespace omaha {

namespace {

constexpr std::string_view kSection = "View";
constexpr std::string_view kKey = "coach";

} // namespace

CoachBar::CoachBar(const TableState& table, SettingsStore& settings, std::uint32_t seed,
                   QMainWindow& mainWindow)
    : QStatusBar(&mainWindow), table_(table), settings_(settings), random_(seed),
      line_(new QLabel(this)), update_(*this, [this] { refresh(); }) {
    setObjectName(QStringLiteral("coachBar"));
    // The line reads as part of the table: its black, its font, a light text.
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(230, 230, 200));
    setPalette(colours);
    line_->setObjectName(QStringLiteral("coachLine"));
    line_->setAccessibleName(tr("Coach"));
    line_->setFont(verdanaFont(12, false));
    line_->setContentsMargins(6, 2, 6, 2);
    addWidget(line_, 1);
    mainWindow.setStatusBar(this);
    hide();
    on_ = settings.readInt(kSection, kKey, 0) != 0;
    if (on_)
        showBar(true);
}

void CoachBar::switchOn(bool on) {
    if (on == on_)
        return;
    on_ = on;
    showBar(on);
    runGuarded(window(), [this] { settings_.writeInts({{kSection, kKey, on_ ? 1 : 0}}); });
}

void CoachBar::showBar(bool shown) {
    QWidget& topLevel = *window();
    if (!shown) {
        hide();
        topLevel.resize(topLevel.width(), topLevel.height() - std::exchange(grownBy_, 0));
        return;
    }
    refresh();
    grownBy_ = sizeHint().height();
    show();
    topLevel.resize(topLevel.width(), topLevel.height() + grownBy_);
    // A window that grows below the screen's edge moves up, as far as the screen lets it.
    const QScreen* screen = topLevel.screen();
    if (screen == nullptr || !topLevel.isVisible())
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = topLevel.frameGeometry();
    if (frame.bottom() > area.bottom())
        topLevel.move(frame.left(),
                      std::max(area.top(), frame.top() - (frame.bottom() - area.bottom())));
}

void CoachBar::refresh() {
    if (!on_)
        return;
    const QString text = QString::fromStdString(coachLine(adviceFor(table_, random_)));
    line_->setText(text);
    line_->setAccessibleDescription(text);
}

} // namespace omaha
