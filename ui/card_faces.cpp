#include "ui/card_faces.h"

#include "core/card_text.h"
#include "ui/suit_symbols.h"
#include "ui/table_layout.h"
#include "ui/table_painter.h"

#include <array>
#include <cmath>
#include <QPainter>
#include <QSvgRenderer>

namespace omaha {

namespace {

const QColor kRed(204, 0, 0);

// The deck's element for a card: "1_club" is the Ace, "10_heart" the Ten, "king_spade".
QString deckElement(Card card) {
    static const std::array<const char*, kRankCount> ranks = {
        "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};
    static const std::array<const char*, kSuitCount> suits = {"club", "diamond", "heart", "spade"};
    return QStringLiteral("%1_%2").arg(
        QLatin1String(ranks[static_cast<std::size_t>(number(card.rank))]),
        QLatin1String(suits[static_cast<std::size_t>(number(card.suit))]));
}

// The one-pixel black edge, drawn last so that nothing the face holds can cover it.
void drawEdge(QPainter& painter) {
    painter.fillRect(QRectF(0, 0, kCardWidth, 1), Qt::black);
    painter.fillRect(QRectF(0, kCardHeight - 1, kCardWidth, 1), Qt::black);
    painter.fillRect(QRectF(0, 0, 1, kCardHeight), Qt::black);
    painter.fillRect(QRectF(kCardWidth - 1, 0, 1, kCardHeight), Qt::black);
}

void drawSuit(QPainter& painter, Suit suit, const QRectF& box) {
    QTransform place;
    place.translate(box.left(), box.top());
    place.scale(box.width(), box.height());
    painter.fillPath(place.map(suitSymbol(suit)), isRedSuit(suit) ? kRed : Qt::black);
}

// Rank above a small suit, in the corner that starts at the card's top left.
void drawCornerIndex(QPainter& painter, Card card) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(isRedSuit(card.suit) ? kRed : Qt::black);
    const std::string_view rank = rankText(card.rank);
    painter.drawText(QRectF(2, 3, 18, 15), Qt::AlignHCenter | Qt::AlignTop,
                     QLatin1String(rank.data(), static_cast<qsizetype>(rank.size())));
    drawSuit(painter, card.suit, QRectF(6, 19, 10, 10));
}

} // namespace

QImage blankCardImage(qreal ratio) {
    const QSize pixels(static_cast<int>(std::lround(kCardWidth * ratio)),
                       static_cast<int>(std::lround(kCardHeight * ratio)));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QImage deckFace(QSvgRenderer& deck, Card card, qreal ratio) {
    const QString element = deckElement(card);
    if (!deck.elementExists(element))
        return plainFace(card, ratio);
    QImage image = blankCardImage(ratio);
    TablePainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    deck.render(&painter, element, QRectF(0, 0, kCardWidth, kCardHeight));
    drawEdge(painter);
    return image;
}

QImage plainFace(Card card, qreal ratio) {
    QImage image = blankCardImage(ratio);
    TablePainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawCornerIndex(painter, card);
    painter.save();
    // The opposite corner is the same index turned half round.
    painter.translate(kCardWidth, kCardHeight);
    painter.rotate(180);
    drawCornerIndex(painter, card);
    painter.restore();
    drawSuit(painter, card.suit, QRectF(20.5, 33, 30, 30));
    drawEdge(painter);
    return image;
}

} // namespace omaha
