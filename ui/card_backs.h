#pragma once

#include <QImage>

namespace omaha {

// The card backs, in the order of the card-back choice (core/card_backs.h).
enum class BackDesign { Denum, Cloth, Rock, Leather };

// A back drawn by the game itself: a procedural texture inside a yellow border, card-sized
// (71 x 96 table pixels) at `ratio` device pixels per table pixel. The texture is worked out per
// device pixel, so a back stays sharp on a high-density screen.
QImage cardBack(BackDesign design, qreal ratio);

} // namespace omaha
