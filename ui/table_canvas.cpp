#include "ui/table_canvas.h"

#include "ui/table_painter.h"

#include <array>
#include <cmath>
#include <QPainter>

namespace omaha {

namespace {

const QColor kWindowColour = Qt::black;

} // namespace

QRect tableRect() {
    return QRect(0, 0, kTableWidth, kTableHeight);
}

QRect toQRect(Rect area) {
    return QRect(QPoint(area.left, area.top), QPoint(area.right - 1, area.bottom - 1));
}

TableCanvas::TableCanvas(qreal ratio, TablePicture picture)
    : surface_(static_cast<int>(std::ceil(kTableWidth * ratio)),
               static_cast<int>(std::ceil(kTableHeight * ratio)), QImage::Format_RGB32),
      picture_(std::move(picture)), artwork_(CardArtwork::shared(ratio)) {
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(kWindowColour);
}

bool TableCanvas::loadPattern() {
    const QImage loaded = picture_.load();
    if (loaded.isNull())
        return false;
    pattern_ = loaded.convertToFormat(QImage::Format_RGB32);
    return true;
}

bool TableCanvas::paintTable(const QRegion& clip) {
    const bool loaded = loadPattern();
    const QRegion area = clip & tableRect();
    if (area.isEmpty())
        return loaded;
    TablePainter painter(&surface_);
    if (!loaded) {
        painter.setClipRegion(area);
        painter.fillRect(tableRect(), kWindowColour);
        return false;
    }
    fillWithPattern(painter, area);
    return true;
}

QRegion TableCanvas::paintCards(const PaintList& cards, const QRegion& clip) {
    TablePainter painter(&surface_);
    painter.setClipRegion(clip);
    QRegion drawn;
    for (const CardPlacement& card : cards) {
        painter.drawImage(QPointF(card.at.x, card.at.y), artwork_->image(card.image));
        trimCorners(painter, card.at.x, card.at.y);
        drawn += QRect(card.at.x, card.at.y, kCardWidth, kCardHeight);
    }
    return drawn & clip;
}

void TableCanvas::trimCorners(QPainter& painter, int x, int y) {
    const int right = x + kCardWidth - 1;
    const int bottom = y + kCardHeight - 1;
    // The corners first, then the pixel on each side of each corner, as a rounded card edge.
    const std::array<QPoint, 12> pixels = {
        QPoint(x, y),          QPoint(right, y),          QPoint(x, bottom),
        QPoint(right, bottom), QPoint(x + 1, y),          QPoint(x, y + 1),
        QPoint(right - 1, y),  QPoint(right, y + 1),      QPoint(x, bottom - 1),
        QPoint(x + 1, bottom), QPoint(right, bottom - 1), QPoint(right - 1, bottom)};
    for (const QPoint& pixel : pixels)
        painter.fillRect(QRect(pixel, QSize(1, 1)), kWindowColour);
}

QRect TableCanvas::eraseArea(Rect area) {
    const QRect rect = toQRect(area);
    if (!hasPattern())
        loadPattern();
    TablePainter painter(&surface_);
    if (hasPattern()) {
        fillWithPattern(painter, rect);
    } else {
        painter.fillRect(rect, kWindowColour);
    }
    return rect;
}

void TableCanvas::fillWithPattern(QPainter& painter, const QRegion& area) {
    painter.save();
    painter.setClipRegion(area);
    // The pattern repeats from the table's origin, so a wiped rectangle matches its surroundings.
    painter.setBrushOrigin(0, 0);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(tableRect(), QBrush(pattern_));
    painter.restore();
}

} // namespace omaha
