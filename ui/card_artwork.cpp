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

CardArtwork::CardArtwork(qreal ratio, const QString& deckPath)
    : ratio_(ratio), images_(kImageCount) {
    auto deck = std::make_unique<QSvgRenderer>();
    if (!deckPath.isEmpty() && deck->load(deckPath) && deck->isValid())
        deck_ = std::move(deck);
}

CardArtwork::~CardArtwork() = default;

const QImage& CardArtwork::image(int index) const {
    if (index < 0 || index >= kImageCount)
        index = kFirstCardBack;
    QImage& made = images_[static_cast<std::size_t>(index)];
    if (!made.isNull())
        return made;
    if (index >= kDeckSize) {
        made = cardBack(static_cast<BackDesign>(index - kDeckSize), ratio_);
    } else {
        const Card card = Card::fromIndex(index);
        made = deck_ ? deckFace(*deck_, card, ratio_) : plainFace(card, ratio_);
    }
    return made;
}

std::shared_ptr<const CardArtwork> CardArtwork::shared(qreal ratio) {
    // Weak references: the artwork goes when the last window using it goes, and so does its
    // entry the next time one is asked for, as a table scaled with the window asks for many.
    static std::map<qreal, std::weak_ptr<const CardArtwork>> made;
    std::erase_if(made, [](const auto& entry) { return entry.second.expired(); });
    std::weak_ptr<const CardArtwork>& slot = made[ratio];
    std::shared_ptr<const CardArtwork> artwork = slot.lock();
    if (!artwork) {
        artwork = std::make_shared<const CardArtwork>(ratio, standardDeckPath());
        slot = artwork;
    }
    return artwork;
}

} // namespace omaha
