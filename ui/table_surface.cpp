#include "ui/table_surface.h"

#include "ui/table_canvas.h"
#include "ui/table_description.h"

#include <QApplication>
#include <QPainter>
#include <QPaintEvent>
#include <QTimer>

namespace omaha {

TableSurface::TableSurface(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<TableCanvas>(devicePixelRatioF())) {
    // Every pixel is painted by paintEvent, from the picture or in the black window colour.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAccessibleName(QStringLiteral("Table"));
}

TableSurface::~TableSurface() = default;

QSize TableSurface::sizeHint() const {
    return tableRect().size();
}

void TableSurface::paintCards(const TableState& table) {
    const QRegion drawn = canvas_->paintCards(cardsToPaint(table), tableRect());
    drawnByGame_ += drawn;
    update(drawn);
}

void TableSurface::eraseArea(Rect area) {
    const QRect wiped = canvas_->eraseArea(area);
    drawnByGame_ += wiped;
    update(wiped);
}

void TableSurface::exposeArea(const QRect& area) {
    drawnByGame_ -= area;
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

void TableSurface::matchDevicePixelRatio() {
    if (qFuzzyCompare(canvas_->ratio(), devicePixelRatioF()))
        return;
    canvas_ = std::make_unique<TableCanvas>(devicePixelRatioF());
    // The new picture is empty: everything has to be drawn from the state.
    drawnByGame_ = QRegion();
}

void TableSurface::paintEvent(QPaintEvent* event) {
    matchDevicePixelRatio();
    const QRegion asked = event->region() - drawnByGame_;
    drawnByGame_ -= event->region();
    if (!asked.isEmpty())
        redraw(asked);

    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), canvas_->image());
    const QRegion beyondTable = QRegion(rect()) - tableRect();
    for (const QRect& part : beyondTable & event->region())
        painter.fillRect(part, Qt::black);
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
