#include "ui/scaled_controls_style.h"

#include <cmath>
#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace omaha {

namespace {

bool isArrow(QStyle::PrimitiveElement element) {
    return element == QStyle::PE_IndicatorArrowLeft || element == QStyle::PE_IndicatorArrowRight ||
           element == QStyle::PE_IndicatorArrowUp || element == QStyle::PE_IndicatorArrowDown;
}

} // namespace

// A style of the desktop's own kind underneath, owned by this one.
ScaledControlsStyle::ScaledControlsStyle() : QProxyStyle(QApplication::style()->name()) {}

int ScaledControlsStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
        return static_cast<int>(std::lround(size * scale_));
    default:
        return size;
    }
}

void ScaledControlsStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const {
    if (!isArrow(element) || qFuzzyCompare(scale_, 1)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The style caps an arrow's size; it is drawn in a rectangle shrunk by the scale, around
    // the same centre, and the drawing is grown back.
    const QPointF centre = QRectF(option->rect).center();
    QStyleOption shrunk(*option);
    shrunk.rect =
        QRectF(centre - QPointF(option->rect.width(), option->rect.height()) / (2 * scale_),
               QSizeF(option->rect.size()) / scale_)
            .toRect();
    painter->save();
    painter->translate(centre);
    painter->scale(scale_, scale_);
    painter->translate(-centre);
    QProxyStyle::drawPrimitive(element, &shrunk, painter, widget);
    painter->restore();
}

} // namespace omaha
