#include "ui/suit_symbols.h"

#include <QPolygonF>

namespace omaha {

namespace {

QPainterPath circle(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath stem() {
    return polygon({{0.5, 0.55}, {0.30, 1.0}, {0.70, 1.0}});
}

QPainterPath club() {
    return circle({0.5, 0.25}, 0.23)
        .united(circle({0.25, 0.58}, 0.23))
        .united(circle({0.75, 0.58}, 0.23))
        .united(polygon({{0.5, 0.3}, {0.4, 0.6}, {0.6, 0.6}}))
        .united(stem());
}

QPainterPath diamond() {
    return polygon({{0.5, 0.0}, {0.9, 0.5}, {0.5, 1.0}, {0.1, 0.5}});
}

QPainterPath heart() {
    return circle({0.27, 0.30}, 0.25)
        .united(circle({0.73, 0.30}, 0.25))
        .united(polygon({{0.035, 0.38}, {0.5, 1.0}, {0.965, 0.38}, {0.5, 0.3}}));
}

QPainterPath spade() {
    return circle({0.27, 0.58}, 0.22)
        .united(circle({0.73, 0.58}, 0.22))
        .united(polygon({{0.5, 0.0}, {0.055, 0.52}, {0.5, 0.66}, {0.945, 0.52}}))
        .united(stem());
}

} // namespace

QPainterPath suitSymbol(Suit suit) {
    switch (suit) {
    case Suit::Clubs:
        return club();
    case Suit::Diamonds:
        return diamond();
    case Suit::Hearts:
        return heart();
    case Suit::Spades:
        break;
    }
    return spade();
}

bool isRedSuit(Suit suit) {
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

} // namespace omaha
