#include "ui/bevel_panel.h"

#include <QPainter>

namespace omaha {

namespace {

const QColor kShadow(128, 128, 128);
const QColor kHighlight(255, 255, 255);

// One sunken bevel along the inside of `frame`.
void drawSunkenBevel(QPainter& painter, const QRect& frame) {
    painter.setPen(kShadow);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(kHighlight);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
}

} // namespace

BevelPanel::BevelPanel(const QColor& fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    // The panel covers its whole rectangle, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    drawSunkenBevel(painter, rect());
    drawSunkenBevel(painter, rect().adjusted(1, 1, -1, -1));
}

} // namespace omaha
