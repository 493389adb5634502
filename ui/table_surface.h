#pragma once

#include "core/table_state.h"
#include "ui/table_layout.h"

#include <memory>
#include <QRegion>
#include <QWidget>

namespace omaha {

class TableCanvas;

// The table on the window: a retained picture that the game draws on at once (paintCards,
// eraseArea) and that the window shows. When the window system asks for an area to be painted
// (the window appears, is resized, moves to another screen, or a label over the table changes),
// `redraw` paints that area afresh from the table's state, the table first and the cards over it,
// clipped to the area. So a card that the game drew and that the state no longer shows stays on
// the picture until such a repaint covers it. Anything right of or below the table is black.
class TableSurface : public QWidget {
    Q_OBJECT

public:
    explicit TableSurface(QWidget* parent = nullptr);
    ~TableSurface() override;

    // The state that a repaint draws the cards of; a repaint before this shows the bare table.
    void setTable(const TableState* table) { table_ = table; }

    // The cards the table makes visible, drawn over what is there.
    void paintCards(const TableState& table);
    // Wipes `area` back to the bare table.
    void eraseArea(Rect area);
    // The window system's request to paint `area` again from the state.
    void exposeArea(const QRect& area);
    // Puts what the table shows into words for screen readers, as its accessible description,
    // once the game has finished its present command: the game wipes cards before it marks
    // their seats out, so only the finished state reads true.
    void describeSoon();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The window's paint handler: the table, then the cards of the state, inside `area`.
    void redraw(const QRegion& area);
    // A fresh picture when the window has moved to a screen of another pixel density.
    void matchDevicePixelRatio();

    const TableState* table_ = nullptr;
    std::unique_ptr<TableCanvas> canvas_;
    // What the game has drawn since the last paint: shown as it stands, not redrawn.
    QRegion drawnByGame_;
    bool describePending_ = false;
};

} // namespace omaha
