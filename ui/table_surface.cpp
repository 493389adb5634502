#include "ui/table_surface.h"

#include "ui/table_canvas.h"
#include "ui/table_description.h"

#include <QApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>

namespace omaha {

namespace {

// Each rectangle of `area` moved by `offset` and then scaled by `scale`, grown to whole pixels.
QRegion mapOutwards(const QRegion& area, QPointF offset, qreal scale) {
    QRegion mapped;
    for (const QRect& part : area)
        mapped +=
            QRectF((part.topLeft() + offset) * scale, QSizeF(part.size()) * scale).toAlignedRect();
    return mapped;
}

} // namespace

TableSurface::TableSurface(QWidget* parent, TablePicture picture)
    : QWidget(parent), picture_(std::move(picture)),
      canvas_(std::make_unique<TableCanvas>(devicePixelRatioF(), picture_)) {
    // Every pixel is painted by paintEvent, from the picture or in the black window colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAccessibleName(tr("Table"));
}

TableSurface::~TableSurface() = default;

QSize TableSurface::sizeHint() const {
    return tableRect().size();
}

void TableSurface::showScaled(qreal scale, QPoint origin) {
    if (qFuzzyCompare(scale, scale_) && origin == origin_)
        return;
    scale_ = scale;
    origin_ = origin;
    update();
}

QRect TableSurface::shownArea() const {
    return toWidget(tableRect()).boundingRect();
}

QRegion TableSurface::toWidget(const QRegion& tableArea) const {
    return mapOutwards(tableArea, QPointF(origin_) / scale_, scale_);
}

QRegion TableSurface::toTable(const QRegion& widgetArea) const {
    return mapOutwards(widgetArea, -QPointF(origin_), 1 / scale_);
}

void TableSurface::paintCards(const TableState& table) {
    const QRegion drawn = canvas_->paintCards(cardsToPaint(table), tableRect());
    drawnByGame_ += drawn;
    update(toWidget(drawn));
}

void TableSurface::eraseArea(Rect area) {
    const QRect wiped = canvas_->eraseArea(area);
    drawnByGame_ += wiped;
    update(toWidget(wiped));
}

void TableSurface::exposeArea(const QRect& area) {
    drawnByGame_ -= toTable(area);
    update(area);
}

void TableSurface::describeSoon() {
    if (describePending_)
        return;
    describePending_ = true;
    QTimer::singleShot(0, this, [this] {
        describePending_ = false;
        if (table_ != nullptr)
            setAccessibleDescription(QString::fromStdString(describeTable(*table_)));
    });
}

void TableSurface::matchPictureRatio() {
    const qreal ratio = devicePixelRatioF() * scale_;
    if (qFuzzyCompare(canvas_->ratio(), ratio))
        return;
    canvas_ = std::make_unique<TableCanvas>(ratio, picture_);
    // The new picture is empty: everything has to be drawn from the state.
    drawnByGame_ = QRegion();
}

void TableSurface::paintEvent(QPaintEvent* event) {
    matchPictureRatio();
    const QRegion onTable = toTable(event->region());
    const QRegion asked = onTable - drawnByGame_;
    drawnByGame_ -= onTable;
    if (!asked.isEmpty())
        redraw(asked);

    QPainter painter(this);
    painter.setClipRegion(event->region());
    // The picture's pixels go one to one onto the device's. Where its edge falls inside a pixel
    // of the widget, the black goes first and the picture over it.
    const QImage& picture = canvas_->image();
    const QSizeF size = QSizeF(picture.size()) / devicePixelRatioF();
    const QRect wholePixels(origin_,
                            QSize(static_cast<int>(size.width()), static_cast<int>(size.height())));
    for (const QRect& part : (QRegion(rect()) - wholePixels) & event->region())
        painter.fillRect(part, Qt::black);
    painter.drawImage(QRectF(origin_, size), picture);
}

void TableSurface::redraw(const QRegion& area) {
    const QRegion onTable = area & tableRect();
    if (onTable.isEmpty())
        return;
    // A table bitmap that cannot be loaded sounds at every repaint.
    if (!canvas_->paintTable(onTable))
        QApplication::beep();
    if (table_ == nullptr)
        return;
    canvas_->paintCards(cardsToPaint(*table_), onTable);
}

} // namespace omaha
