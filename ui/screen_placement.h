#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace omaha {

// Where the game's windows go on the screen. Every place is that of a window's frame, its title
// bar included, on the screen's available area: the desktop without its panels.

// The place for a frame of `frame` size: centred on `available` where it fits, and against the
// area's left or top edge in a direction where it does not, so that the title bar and the menu
// below it stay on the screen.
QPoint placeFrame(QSize frame, const QRect& available);

// Puts the top-level `window`, not yet shown, on its screen. Until the window system has framed
// the window its inside stands for its frame; once the window is on the screen in its frame, it
// is placed again should the frame reach off the available area.
void placeOnScreen(QWidget& window);

// Makes the top-level `window`, not yet shown, as large as the available area of its screen; once
// the window system has framed it, it shrinks so that the frame fits on the area too.
void fitOnScreen(QWidget& window);

// The places of the table's frame and of the history's beside it.
struct SideBySide {
    QPoint table;
    QPoint history;
};

// Where the history's frame of `history` size goes beside the table's frame, their tops level,
// `gap` apart or closer where the area is tight: right of the table, else left of it, else right
// of the table moved left just far enough. Where `available` is too narrow for both, the table
// goes to the area's left edge and the history to its right edge, so that it covers as little of
// the table as it can.
SideBySide placeSideBySide(const QRect& table, QSize history, const QRect& available, int gap);

// Puts the top-level `window`, not yet shown, beside the `table`'s window as placeSideBySide
// would, the table moving aside where the screen has room for both side by side but not where
// the table stands. Where another of the table's windows already stands beside it, the new one
// goes beside the two, which move aside together; a window taller than the screen's room below the
// table's top is made shorter, and placed again where its frame still reaches off the screen.
// Nothing happens without a table on a screen.
void placeBesideTable(QWidget& window, QWidget* table);

} // namespace omaha
