#include "ui/bevel_panel.h"

#include <QPainter>

namespace omaha {

namespace {

const QColor kShadow(128, 128, 128);
const QColor kHighlight(255, 255, 255);

} // namespace

void drawBevel(QPainter& painter, const QRect& frame, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
}

BevelPanel::BevelPanel(const QColor& fill, QWidget* parent) : QWidget(parent), fill_(fill) {
    // The panel covers its whole rectangle, so nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    drawBevel(painter, rect(), kShadow, kHighlight);
    drawBevel(painter, rect().adjusted(1, 1, -1, -1), kShadow, kHighlight);
}

} // namespace omaha
