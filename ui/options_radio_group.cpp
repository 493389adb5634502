#include "ui/options_radio_group.h"

#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>

namespace omaha {

namespace {

const QColor kEtchShadow(160, 160, 160);
const QColor kEtchHighlight(255, 255, 255);

constexpr int kItemLeft = 8;
// Space kept free inside the frame above the first item and below the last.
constexpr int kItemMargin = 6;

} // namespace

OptionsRadioGroup::OptionsRadioGroup(const QStringList& items, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items.at(index), this);
        group_->addButton(button, index);
        items_.push_back(button);
    }
    // Only the item that becomes checked counts: the one losing its check is no choice.
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            emit chosen(index);
    });
    placeItems();
}

void OptionsRadioGroup::setItemIndex(int item) {
    if (item < 0 || item >= count())
        return;
    const QSignalBlocker quiet(group_);
    items_[static_cast<std::size_t>(item)]->setChecked(true);
}

void OptionsRadioGroup::paintEvent(QPaintEvent*) {
    // An etched frame: a dark line with a light one just inside and below it.
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(kEtchHighlight);
    painter.drawRect(frame.translated(1, 1).adjusted(0, 0, -1, -1));
    painter.setPen(kEtchShadow);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

void OptionsRadioGroup::resizeEvent(QResizeEvent*) {
    placeItems();
}

void OptionsRadioGroup::placeItems() {
    if (items_.empty())
        return;
    const int rowHeight = (height() - 2 * kItemMargin) / count();
    for (int index = 0; index < count(); ++index) {
        QRadioButton* button = items_[static_cast<std::size_t>(index)];
        // As wide as its text, so that the whole button is the part that answers a click.
        button->adjustSize();
        const int rowTop = kItemMargin + index * rowHeight;
        button->move(kItemLeft, rowTop + (rowHeight - button->height()) / 2);
    }
}

} // namespace omaha
