#pragma once

#include <QProxyStyle>

namespace omaha {

// The desktop's style with the small parts that it draws at a fixed size, the radio buttons'
// circles and the arrows, grown with the table's scale, so that the options panel scales as a
// whole. At scale 1 it draws as the desktop's style does.
class ScaledControlsStyle : public QProxyStyle {
    Q_OBJECT

public:
    ScaledControlsStyle();

    void setScale(qreal scale) { scale_ = scale; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    qreal scale_ = 1;
};

} // namespace omaha
