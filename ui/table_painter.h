#pragma once

#include <QImage>
#include <QPainter>

namespace omaha {

// A painter on a picture made at some device pixels per table pixel, whose coordinates are table
// pixels at every ratio. QPainter itself scales by a picture's ratio only where it is above 1;
// below, as on a table scaled smaller than designed, the scaling is added here.
class TablePainter : public QPainter {
public:
    explicit TablePainter(QImage* picture) : QPainter(picture) {
        const qreal ratio = picture->devicePixelRatio();
        if (ratio < 1)
            scale(ratio, ratio);
    }
};

} // namespace omaha
