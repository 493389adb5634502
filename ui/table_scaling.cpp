#include "ui/table_scaling.h"

#include "ui/options_radio_group.h"
#include "ui/options_up_down.h"
#include "ui/scaled_controls_style.h"
#include "ui/table_layout.h"
#include "ui/table_surface.h"

#include <algorithm>
#include <cmath>
#include <QEvent>
#include <QLabel>
#include <QWindow>

namespace omaha {

namespace {

// The smallest table the window can shrink to while scaling: half the designed size.
const QSize kSmallestTable(kTableWidth / 2, kTableHeight / 2);

// The radio items and the arrows are placed by their own control whenever it is resized.
bool placedByItsControl(const QWidget& widget) {
    const QWidget* control = widget.parentWidget();
    return qobject_cast<const OptionsRadioGroup*>(control) != nullptr ||
           qobject_cast<const OptionsUpDown*>(control) != nullptr;
}

// A font `scale` times the size of `font`, rounded down to whole pixels so that a text never
// takes more room than its place scaled.
QFont scaledFont(QFont font, qreal scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * scale))));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// `geometry` scaled, each edge rounded on its own so that neighbours stay neighbours.
QRect scaledRect(const QRect& geometry, qreal scale, QPoint origin) {
    const auto at = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    const QPoint topLeft(at(geometry.left()), at(geometry.top()));
    const QPoint bottomRight(at(geometry.left() + geometry.width()),
                             at(geometry.top() + geometry.height()));
    return QRect(topLeft + origin, bottomRight + origin - QPoint(1, 1));
}

// The scale that fits the table into `area`, and where its top-left corner then goes.
qreal fittingScale(QSize area) {
    return std::min(qreal(area.width()) / kTableWidth, qreal(area.height()) / kTableHeight);
}

QPoint centredOrigin(QSize area, qreal scale) {
    return QPoint(static_cast<int>(std::lround((area.width() - kTableWidth * scale) / 2)),
                  static_cast<int>(std::lround((area.height() - kTableHeight * scale) / 2)));
}

// Gives the top-level `window` a maximise box, or takes it away, without hiding it.
void offerMaximise(QWidget& window, bool offer) {
    const Qt::WindowFlags flags = window.windowFlags().setFlag(Qt::WindowMaximizeButtonHint, offer);
    window.overrideWindowFlags(flags);
    if (QWindow* shown = window.windowHandle())
        shown->setFlags(flags);
}

} // namespace

TableScaling::TableScaling(QWidget& window, TableSurface& table)
    : QObject(&table), window_(window), table_(table) {
    table.installEventFilter(this);
}

TableScaling::~TableScaling() {
    // The widgets that outlive this go back to the desktop's style before theirs goes.
    for (const DesignPlace& place : design_)
        if (place.widget)
            place.widget->setStyle(nullptr);
}

void TableScaling::setOn(bool on) {
    if (on == on_)
        return;
    on_ = on;
    if (design_.empty())
        recordDesign();
    offerMaximise(window_, on);
    table_.setMinimumSize(on ? kSmallestTable : QSize(0, 0));
    if (!on && window_.isMaximized())
        window_.showNormal();
    if (!on)
        window_.resize(window_.size() - table_.size() + QSize(kTableWidth, kTableHeight));
    layOut();
}

bool TableScaling::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &table_ && event->type() == QEvent::Resize && on_)
        layOut();
    return false;
}

void TableScaling::recordDesign() {
    style_ = std::make_unique<ScaledControlsStyle>();
    for (QWidget* widget : table_.findChildren<QWidget*>()) {
        if (widget->isWindow())
            continue;
        design_.push_back({widget, widget->geometry(), widget->font()});
        widget->setStyle(style_.get());
    }
}

void TableScaling::layOut() {
    const qreal scale = on_ ? fittingScale(table_.size()) : 1;
    if (scale <= 0)
        return;
    const QPoint origin = on_ ? centredOrigin(table_.size(), scale) : QPoint();
    table_.showScaled(scale, origin);
    placeWidgets(scale, origin);
}

void TableScaling::placeWidgets(qreal scale, QPoint origin) {
    // The fonts and the style first: a control that places its items when resized measures them
    // anew.
    style_->setScale(scale);
    for (const DesignPlace& place : design_)
        if (place.widget)
            place.widget->setFont(scaledFont(place.font, scale));
    for (const DesignPlace& place : design_) {
        QWidget* widget = place.widget;
        if (widget == nullptr || placedByItsControl(*widget))
            continue;
        const QPoint offset = widget->parentWidget() == &table_ ? origin : QPoint();
        const QRect scaled = scaledRect(place.geometry, scale, offset);
        // A label is as large as its text, whatever the text is by now.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->move(scaled.topLeft());
            label->adjustSize();
        } else {
            widget->setGeometry(scaled);
        }
    }
}

} // namespace omaha
