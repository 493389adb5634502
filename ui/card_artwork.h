#pragma once

#include "core/card_backs.h"

#include <memory>
#include <QImage>
#include <QString>
#include <vector>

class QSvgRenderer;

namespace omaha {

// The card image list: 56 opaque pictures of 71 x 96 table pixels, drawn without a mask. Image
// 13 * suit + rank is that card's face, images 52 to 55 the backs Denum, Cloth, Rock, Leather.
// The pictures are made for one ratio of device pixels to table pixels, so that they stay sharp on
// dense screens and on a scaled table; each is made when first asked for, so that a table at a new
// scale costs only the cards it shows.
class CardArtwork {
public:
    static constexpr int kImageCount = kDeckSize + kCardBackCount;

    // Faces come from the SVG deck at `deckPath`; where it is missing or unreadable, the game
    // draws plain faces of its own.
    CardArtwork(qreal ratio, const QString& deckPath);
    ~CardArtwork();
    CardArtwork(const CardArtwork&) = delete;
    CardArtwork& operator=(const CardArtwork&) = delete;

    // Any number outside the list, as a hand-edited settings file might hold, gives the first
    // back, so drawing never reads outside the list.
    const QImage& image(int index) const;

    // One artwork per device pixel ratio, made from the standard deck when first asked for and
    // kept while anyone uses it, so that several windows share the rendering work.
    static std::shared_ptr<const CardArtwork> shared(qreal ratio);

private:
    qreal ratio_;
    // The deck, or nullptr where it is missing or unreadable.
    std::unique_ptr<QSvgRenderer> deck_;
    // Null images until made.
    mutable std::vector<QImage> images_;
};

} // namespace omaha
