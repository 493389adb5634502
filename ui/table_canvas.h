#pragma once

#include "ui/card_artwork.h"
#include "ui/table_layout.h"
#include "ui/table_picture.h"

#include <memory>
#include <QImage>
#include <QRegion>

class QPainter;

namespace omaha {

// The picture of the table, kept between repaints: 800 x 520 table pixels at `ratio` pixels of
// the picture per table pixel, the screen's device pixel ratio times the table's scale.
// Everything drawn here stays until something is drawn over it; the window shows it.
class TableCanvas {
public:
    explicit TableCanvas(qreal ratio, TablePicture picture = TablePicture::standard());
    TableCanvas(const TableCanvas&) = delete;
    TableCanvas& operator=(const TableCanvas&) = delete;

    // Loads the table picture, anew at every call so that a replaced file shows at once, makes
    // it the fill pattern and tiles it from the table's origin over the
    // part of the table inside `clip`. When the file cannot be loaded that part turns black, the
    // window colour, the pattern of an earlier load stays in use, and the result is false.
    bool paintTable(const QRegion& clip);

    // Draws each card in the list's order at its place, trimming its corners, inside `clip`.
    // Returns the area drawn.
    QRegion paintCards(const PaintList& cards, const QRegion& clip);

    // Fills `area` with the fill pattern, wiping any cards in it, and returns the area filled. A
    // wipe before the table was first painted, as start-up makes for a seat without cash, loads
    // the pattern first, so that the window shows the table there from its first frame; without
    // the bitmap the area turns black.
    QRect eraseArea(Rect area);

    const QImage& image() const { return surface_; }
    qreal ratio() const { return surface_.devicePixelRatio(); }

private:
    bool hasPattern() const { return !pattern_.isNull(); }
    // Makes the table picture the fill pattern; false, and the pattern as it was, when it cannot be
    // read.
    bool loadPattern();
    // Blackens the four corner pixels of the card drawn at (x, y) and the two pixels beside each.
    void trimCorners(QPainter& painter, int x, int y);
    void fillWithPattern(QPainter& painter, const QRegion& area);

    QImage surface_;
    TablePicture picture_;
    QImage pattern_;
    std::shared_ptr<const CardArtwork> artwork_;
};

// The table's area in table pixels.
QRect tableRect();
QRect toQRect(Rect area);

} // namespace omaha
