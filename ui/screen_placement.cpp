#include "ui/screen_placement.h"

#include <algorithm>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace omaha {

namespace {

// One direction of placeFrame: the start of a length on a span of the area.
int placeAlong(int length, int areaStart, int areaLength) {
    return areaStart + std::max(0, (areaLength - length) / 2);
}

// In one direction, whether a frame lies as placeFrame wants: wholly on the area where it fits,
// starting on it where it does not.
bool liesAlong(int start, int length, int areaStart, int areaLength) {
    if (length <= areaLength)
        return start >= areaStart && start + length <= areaStart + areaLength;
    return start >= areaStart && start < areaStart + areaLength;
}

bool liesOn(const QRect& frame, const QRect& available) {
    return liesAlong(frame.left(), frame.width(), available.left(), available.width()) &&
           liesAlong(frame.top(), frame.height(), available.top(), available.height());
}

// Places a window again once the window system shows it in its frame, in a direction in which the
// frame reaches off the available area, first shrinking it to fit when asked to; then it goes.
class PlaceWhenFramed : public QObject {
public:
    PlaceWhenFramed(QWidget& window, bool shrink)
        : QObject(&window), window_(window), shrink_(shrink) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The platform window exists once the widget is about to show; it is exposed inside its
        // frame, which the window system makes before it maps the window.
        if (watched == &window_ && event->type() == QEvent::Show && window_.windowHandle())
            window_.windowHandle()->installEventFilter(this);
        else if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
                 window_.windowHandle()->isExposed())
            placeFramed();
        return false;
    }

private:
    void placeFramed() {
        deleteLater();
        const QScreen* screen = window_.screen();
        if (screen == nullptr)
            return;
        const QRect available = screen->availableGeometry();
        QRect frame = window_.frameGeometry();
        if (liesOn(frame, available))
            return;
        if (shrink_) {
            const QSize excess = (frame.size() - available.size()).expandedTo(QSize(0, 0));
            window_.resize(window_.size() - excess);
            frame.setSize(frame.size() - excess);
        }
        // Only in a direction in which it reaches off.
        const QPoint placed = placeFrame(frame.size(), available);
        const bool widthLies =
            liesAlong(frame.left(), frame.width(), available.left(), available.width());
        const bool heightLies =
            liesAlong(frame.top(), frame.height(), available.top(), available.height());
        window_.move(widthLies ? frame.left() : placed.x(), heightLies ? frame.top() : placed.y());
    }

    QWidget& window_;
    bool shrink_;
};

// Room between the window and the table's window.
constexpr int kGap = 8;

// The table's other windows shown beside it in a row, tops level and at most kGap apart, each
// from the table or from one another: they move aside with the table, and a new window goes
// beside the whole row rather than over one of them.
QList<QWidget*> windowsBeside(QWidget& table, const QWidget& placing) {
    QList<QWidget*> row;
    QRect rowFrame = table.frameGeometry();
    bool grew = true;
    while (grew) {
        grew = false;
        for (QWidget* other : table.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect frame = other->frameGeometry();
            const bool near = frame.left() <= rowFrame.right() + 1 + kGap &&
                              frame.right() + 1 + kGap >= rowFrame.left();
            if (other == &placing || !other->isWindow() || !other->isVisible() ||
                row.contains(other) || frame.top() != rowFrame.top() || !near)
                continue;
            row.append(other);
            rowFrame |= frame;
            grew = true;
        }
    }
    return row;
}

} // namespace

QPoint placeFrame(QSize frame, const QRect& available) {
    return {placeAlong(frame.width(), available.left(), available.width()),
            placeAlong(frame.height(), available.top(), available.height())};
}

void placeOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.move(placeFrame(window.size(), screen->availableGeometry()));
    new PlaceWhenFramed(window, false);
}

void fitOnScreen(QWidget& window) {
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    new PlaceWhenFramed(window, true);
}

SideBySide placeSideBySide(const QRect& table, QSize history, const QRect& available, int gap) {
    const int spare = available.width() - table.width() - history.width();
    const int top = table.top();
    if (spare < 0)
        return {{available.left(), top},
                {available.left() + available.width() - history.width(), top}};
    gap = std::min(gap, spare);
    const int areaEnd = available.left() + available.width();
    const int rightOfTable = table.left() + table.width() + gap;
    if (rightOfTable + history.width() <= areaEnd)
        return {table.topLeft(), {rightOfTable, top}};
    const int leftOfTable = table.left() - gap - history.width();
    if (leftOfTable >= available.left())
        return {table.topLeft(), {leftOfTable, top}};
    const int historyLeft = areaEnd - history.width();
    return {{historyLeft - gap - table.width(), top}, {historyLeft, top}};
}

void placeBesideTable(QWidget& window, QWidget* table) {
    const QScreen* screen = table != nullptr ? table->screen() : nullptr;
    if (screen == nullptr)
        return;
    // The window has no frame before it is first shown; the table's frame, from the same window
    // system, stands for it.
    const QRect tableFrame = table->frameGeometry();
    const QRect tableInside = table->geometry();
    const QMargins frameEdges(
        tableInside.left() - tableFrame.left(), tableInside.top() - tableFrame.top(),
        tableFrame.right() - tableInside.right(), tableFrame.bottom() - tableInside.bottom());
    const QRect area = screen->availableGeometry();
    const QList<QWidget*> row = windowsBeside(*table, window);
    QRect rowFrame = tableFrame;
    for (const QWidget* other : row)
        rowFrame |= other->frameGeometry();
    const SideBySide places =
        placeSideBySide(rowFrame, window.size().grownBy(frameEdges), area, kGap);
    if (const QPoint aside = places.table - rowFrame.topLeft(); !aside.isNull()) {
        table->move(tableFrame.topLeft() + aside);
        for (QWidget* other : row)
            other->move(other->frameGeometry().topLeft() + aside);
    }
    window.move(places.history);
    // A window taller than the room below the table's top is cut to it, as far as it may shrink;
    // framed, it is placed again should it still reach off the screen.
    const int room =
        area.bottom() + 1 - places.history.y() - frameEdges.top() - frameEdges.bottom();
    if (window.height() > room)
        window.resize(window.width(), room);
    new PlaceWhenFramed(window, true);
}

} // namespace omaha
