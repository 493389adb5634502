#include "ui/card_artwork.h"

#include "core/card.h"
#include "core/card_backs.h"
#include "ui/card_backs.h"
#include "ui/card_faces.h"

#include <map>
#include <QStandardPaths>
#include <QSvgRenderer>

namespace omaha {

namespace {

// The standard deck of the system's card-game data, or an empty path when it is missing.
QString standardDeckPath() {
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("carddecks/svg-standard/standard.svgz"));
}

} // namespace

CardArtwork::CardArtwork(qreal ratio, const QString& deckPath) {
    images_.reserve(kImageCount);
    QSvgRenderer deck;
    const bool facesFromDeck = !deckPath.isEmpty() && deck.load(deckPath) && deck.isValid();
    for (int index = 0; index < kDeckSize; ++index) {
        const Card card = Card::fromIndex(index);
        images_.push_back(facesFromDeck ? deckFace(deck, card, ratio) : plainFace(card, ratio));
    }
    for (int design = 0; design < kCardBackCount; ++design)
        images_.push_back(cardBack(static_cast<BackDesign>(design), ratio));
}

const QImage& CardArtwork::image(int index) const {
    if (index < 0 || index >= kImageCount)
        index = kFirstCardBack;
    return images_[static_cast<std::size_t>(index)];
}

std::shared_ptr<const CardArtwork> CardArtwork::shared(qreal ratio) {
    // Weak references: the artwork goes when the last window using it goes.
    static std::map<qreal, std::weak_ptr<const CardArtwork>> made;
    std::weak_ptr<const CardArtwork>& slot = made[ratio];
    std::shared_ptr<const CardArtwork> artwork = slot.lock();
    if (!artwork) {
        artwork = std::make_shared<const CardArtwork>(ratio, standardDeckPath());
        slot = artwork;
    }
    return artwork;
}

} // namespace omaha
