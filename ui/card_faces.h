#pragma once

#include "core/card.h"

#include <QImage>

class QSvgRenderer;

namespace omaha {

// An opaque card-sized picture (71 x 96 table pixels) at `ratio` device pixels per table pixel.
QImage blankCardImage(qreal ratio);

// The face of `card` taken from a deck of the standard layout (elements such as "1_club",
// "queen_heart"), laid on a white card with a one-pixel black edge. A deck that lacks the
// card's element gets the plain face instead.
QImage deckFace(QSvgRenderer& deck, Card card, qreal ratio);

// A face the game draws by itself: rank and suit in two corners, a large suit in the middle,
// on a white card with a one-pixel black edge.
QImage plainFace(Card card, qreal ratio);

} // namespace omaha
