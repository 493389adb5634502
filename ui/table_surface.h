#pragma once

#include "core/table_state.h"
#include "ui/table_layout.h"
#include "ui/table_picture.h"

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
// the picture until such a repaint covers it. Anything around the table is black.
//
// The table is shown at a scale, 1 unless the player scales it with the window: then the picture
// is made at that many device pixels per table pixel, cards and all, rather than blown up.
class TableSurface : public QWidget {
    Q_OBJECT

public:
    explicit TableSurface(QWidget* parent = nullptr,
                          TablePicture picture = TablePicture::standard());
    ~TableSurface() override;

    // Shows the table `scale` times its size, in the widget's pixels, with its top-left corner at
    // `origin`; 1 and (0, 0) until the player scales the table. The widgets on the table are
    // placed by whoever scales it.
    void showScaled(qreal scale, QPoint origin);
    // Where the table lies on the widget, in the widget's pixels.
    QRect shownArea() const;

    // The state that a repaint draws the cards of; a repaint before this shows the bare table.
    void setTable(const TableState* table) { table_ = table; }

    // The cards the table makes visible, drawn over what is there.
    void paintCards(const TableState& table);
    // Wipes `area`, in table pixels, back to the bare table.
    void eraseArea(Rect area);
    // The window system's request to paint `area`, in the widget's pixels, again from the state.
    void exposeArea(const QRect& area);
    // Puts what the table shows into words for screen readers, as its accessible description,
    // once the game has finished its present command: the game wipes cards before it marks
    // their seats out, so only the finished state reads true.
    void describeSoon();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The window's paint handler: the table, then the cards of the state, inside `area`, in table
    // pixels.
    void redraw(const QRegion& area);
    // A fresh picture when the window has moved to a screen of another pixel density, or the
    // table's scale has changed.
    void matchPictureRatio();
    // An area in table pixels as the widget's pixels that show any of it, and the other way.
    QRegion toWidget(const QRegion& tableArea) const;
    QRegion toTable(const QRegion& widgetArea) const;

    const TableState* table_ = nullptr;
    TablePicture picture_;
    std::unique_ptr<TableCanvas> canvas_;
    qreal scale_ = 1;
    QPoint origin_;
    // What the game has drawn since the last paint, in table pixels: shown as it stands, not
    // redrawn.
    QRegion drawnByGame_;
    bool describePending_ = false;
};

} // namespace omaha
