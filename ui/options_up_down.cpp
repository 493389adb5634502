#include "ui/options_up_down.h"

#include <algorithm>
#include <QToolButton>

namespace omaha {

namespace {

QToolButton* makeArrow(Qt::ArrowType direction, const QString& name, QWidget* parent) {
    auto* arrow = new QToolButton(parent);
    arrow->setAccessibleName(name);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    // The arrows are clicked, not tabbed to: the table's keyboard focus stays where it was.
    arrow->setFocusPolicy(Qt::NoFocus);
    return arrow;
}

} // namespace

OptionsUpDown::OptionsUpDown(int lowest, int highest, QWidget* parent)
    : QWidget(parent), lowest_(lowest), highest_(std::max(lowest, highest)), level_(lowest),
      down_(makeArrow(Qt::LeftArrow, tr("Lower"), this)),
      up_(makeArrow(Qt::RightArrow, tr("Higher"), this)) {
    down_->setObjectName(QStringLiteral("lowerArrow"));
    up_->setObjectName(QStringLiteral("higherArrow"));
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
}

void OptionsUpDown::setLevel(int level) {
    level_ = std::clamp(level, lowest_, highest_);
}

void OptionsUpDown::step(int by) {
    setLevel(level_ + by);
    emit stepped(level_);
}

void OptionsUpDown::resizeEvent(QResizeEvent*) {
    const int half = width() / 2;
    down_->setGeometry(0, 0, half, height());
    up_->setGeometry(half, 0, width() - half, height());
}

} // namespace omaha
