#include "ui_test_support.h"

namespace omaha::test {
namespace {

const QRgb kBlack = qRgb(0, 0, 0);

// The colour of table pixel (x, y) of a picture drawn at any device pixel ratio.
QRgb tablePixel(const QImage& picture, int x, int y) {
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) | 0xff000000U;
}

QRect cardRect(Point at) {
    return QRect(at.x, at.y, kCardWidth, kCardHeight);
}

// The table bitmap, which the table repeats from its top-left corner.
const QImage& baize() {
    static const QImage image =
        QImage(QStringLiteral(OMAHA_BAIZE_FILE)).convertToFormat(QImage::Format_RGB32);
    return image;
}

QRgb baizeAt(int x, int y) {
    return baize().pixel(x % baize().width(), y % baize().height());
}

// Whether every table pixel of `area` on the screen has the colour that `expected(x, y)` gives.
template <typename Expected>
bool everyPixel(const QWidget& table, const QRegion& area, Expected expected) {
    const QImage shown = shownOnScreen(table, tableRect());
    for (const QRect& part : area)
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                if (tablePixel(shown, x, y) != expected(x, y))
                    return false;
    return true;
}

// Whether the screen shows the table bitmap, tiled from the origin, all over `area`.
bool isBare(const QWidget& table, const QRegion& area) {
    return everyPixel(table, area, baizeAt);
}

bool fanIsBare(const QWidget& table, SeatCode seat) {
    return isBare(table, toQRect(fanOf(seat).erase));
}

using Row = std::vector<std::pair<int, Point>>; // pictures and their top-left corners

// A table surface on screen over a hand at `street`: every seat in with 100 chips and four
// distinct cards, the board dealt.
struct Scene {
    WorkingFolder folder;
    TableState table;
    // The working folder's picture alone, which no installed copy of the game stands in for.
    TableSurface surface{nullptr, TablePicture({QString()})};

    explicit Scene(Street street) {
        table.street = street;
        int next = 0;
        for (const SeatCode seat : kTableOrder) {
            table.seats[seat].cash = 100;
            for (Card& card : table.seats[seat].hole)
                card = Card::fromIndex(next++);
        }
        for (Card& card : table.board)
            card = Card::fromIndex(next++);
        table.phase = HandPhase::Betting;
        surface.setTable(&table);
        surface.resize(kTableWidth, kTableHeight);
        showAndWait(surface);
    }

    // The window system asks for the whole table.
    void windowRepaints() {
        surface.exposeArea(surface.rect());
        surface.repaint();
    }

    // The game draws the cards, as it does after every change, and the window shows them.
    void gamePaints() {
        surface.paintCards(table);
        QCoreApplication::processEvents();
    }

    // The human and every opponent but the last `left` in table order fold, their fans wiped as
    // the game does; the human's fold is not counted among the seats out.
    void foldAllBut(int left) {
        for (std::size_t i = 0; i + left < kTableOrder.size(); ++i) {
            surface.eraseArea(fanOf(kTableOrder[i]).erase);
            table.seats[kTableOrder[i]].folded = true;
        }
        table.seatsOut = 7 - left;
    }

    // Every visible part of each card of a row drawn in order, each covering the ones before,
    // with its twelve trimmed corner pixels black: the corner and the two beside it.
    bool shows(const Row& cards) const {
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const Point at = cards[i].second;
            const QImage& card = CardArtwork::shared(1.0)->image(cards[i].first);
            QRegion visible = cardRect(at);
            for (std::size_t later = i + 1; later < cards.size(); ++later)
                visible -= cardRect(cards[later].second);
            if (!everyPixel(surface, visible, [&](int x, int y) {
                    const int dx = x - at.x, dy = y - at.y;
                    const bool trimmed =
                        std::min(dx, kCardWidth - 1 - dx) + std::min(dy, kCardHeight - 1 - dy) <= 1;
                    return trimmed ? kBlack : tablePixel(card, dx, dy);
                }))
                return false;
        }
        return true;
    }

    // The seat's four cards as faces, or all as the back `back`.
    bool fanShows(SeatCode seat, bool faces, int back = kFirstCardBack) const {
        const FanGeometry fan = fanOf(seat);
        Row cards;
        for (int i = 0; i < kHoleCards; ++i)
            cards.push_back({faces ? table.seats[seat].hole[std::size_t(i)].index() : back,
                             {fan.origin.x + i * fan.step.x, fan.origin.y + i * fan.step.y}});
        return shows(cards);
    }

    // The first `count` community cards, and bare table around them.
    bool boardShows(int count) const {
        Row cards;
        QRegion bare = toQRect(kBoardArea);
        for (std::size_t k = 0; k < std::size_t(count); ++k) {
            cards.push_back({table.board[k].index(), kBoardPositions[k]});
            bare -= cardRect(kBoardPositions[k]);
        }
        return isBare(surface, bare) && shows(cards);
    }
};

// How many pixels of a card picture are the red of hearts and diamonds, and how many inside the
// card's edge are dark.
std::pair<int, int> redAndDarkPixels(const QImage& card) {
    int red = 0, dark = 0;
    for (int y = 1; y < card.height() - 1; ++y)
        for (int x = 1; x < card.width() - 1; ++x) {
            const QColor colour = card.pixelColor(x, y);
            red += colour.red() > 150 && colour.green() < 100 && colour.blue() < 100;
            dark += colour.red() < 80 && colour.green() < 80 && colour.blue() < 80;
        }
    return {red, dark};
}

class TableDrawingTest : public QObject {
    Q_OBJECT

private slots:
    // On a screen of twice the density a card is drawn from art made at that density: twice the
    // pixels each way, close to the card at the normal density blown up, yet not merely its
    // pixels doubled. A back has a yellow edge, so its only black pixels are the twelve table
    // pixels trimmed at its corners, each now four.
    void cardsAreDrawnAtTheDevicePixelRatio() {
        const auto drawn = [](int ratio, int image) {
            TableCanvas canvas(ratio);
            PaintList one;
            one.add({image, {300, 300}});
            canvas.paintCards(one, tableRect());
            return canvas.image().copy(
                QRect(300 * ratio, 300 * ratio, kCardWidth * ratio, kCardHeight * ratio));
        };
        for (const int image : {0, 24, 38, 51, kFirstCardBack, kLastCardBack}) {
            const QImage sharp = drawn(2, image);
            const QImage plain = drawn(1, image);
            QCOMPARE(sharp.size(), plain.size() * 2);
            const double change = meanDifference(sharp, plain.scaled(sharp.size()));
            QVERIFY2(change > 1 && change < 25, qPrintable(QString::number(image)));
            const auto* pixels = reinterpret_cast<const QRgb*>(sharp.constBits());
            if (image >= kFirstCardBack)
                QCOMPARE(std::count_if(pixels, pixels + sharp.width() * sharp.height(),
                                       [](QRgb pixel) { return (pixel | 0xff000000U) == kBlack; }),
                         12 * 4);
        }
    }

    // The game draws over what is on the table; only a repaint from the window system clears
    // what the state no longer shows, or draws what it shows again. A fold wipes the seat's cards
    // before the state marks it out.
    void cardsDrawnByTheGameStayUntilTheWindowRepaints() {
        Scene scene(Street::Preflop);
        scene.surface.eraseArea(fanOf(kGeek).erase);
        QCoreApplication::processEvents();
        QVERIFY(fanIsBare(scene.surface, kGeek));
        scene.table.street = Street::Flop;
        scene.gamePaints();
        // Another back redraws every back; a number that no back has, as an edited settings file
        // may hold, gives the first back.
        for (const auto& [chosen, drawn] : {std::pair{55, 55}, {53, 53}, {77, 52}}) {
            scene.table.cardBack = chosen;
            scene.gamePaints();
            for (const SeatCode seat : kTableOrder)
                QVERIFY2(scene.fanShows(seat, seat == kHuman, drawn),
                         qPrintable(QString::number(chosen)));
        }
        // At the showdown the hands still in show their faces, the board all five cards.
        scene.table.street = Street::Showdown;
        scene.gamePaints();
        QVERIFY(scene.fanShows(kRobot, true) && scene.boardShows(5));
        scene.foldAllBut(1);
        scene.gamePaints();
        QVERIFY(fanIsBare(scene.surface, kFreak) && scene.fanShows(kRobot, false) &&
                scene.boardShows(5));
        scene.windowRepaints();
        QVERIFY(scene.boardShows(0) && scene.fanShows(kRobot, false));
        // The window system's repaint wins over the game's drawing that it has not shown yet.
        scene.table.street = Street::Flop;
        scene.surface.paintCards(scene.table);
        scene.table.street = Street::Showdown;
        scene.windowRepaints();
        QVERIFY(scene.boardShows(0));
    }

    // Where the system has no card deck, or its deck lacks a card, the game draws faces of its
    // own that a player can read: every card its own face, the rank in the corners telling the
    // cards of a suit apart, the suit in the middle, hearts and diamonds red, clubs and spades
    // black.
    void facesOfTheGameItselfWhereTheDeckFailsIt() {
        WorkingFolder folder;
        const CardArtwork own(1.0, QString());
        const auto image = [&own](int rank, int suit) {
            return own.image(Card{static_cast<Suit>(suit), static_cast<Rank>(rank)}.index());
        };

        const QRect middle(22, 35, 27, 26), corner(0, 0, 21, 31);
        QList<QImage> suits;
        for (int suit = 0; suit < 4; ++suit) {
            QList<QImage> ranks;
            for (int rank = 0; rank < 13; ++rank) {
                const QImage card = image(rank, suit);
                const auto [red, dark] = redAndDarkPixels(card);
                QVERIFY(suit == 1 || suit == 2 ? red > 200 : red == 0 && dark > 200);
                QCOMPARE(card.copy(middle), image(0, suit).copy(middle));
                QVERIFY(!ranks.contains(card.copy(corner)));
                ranks << card.copy(corner);
            }
            QVERIFY(!suits.contains(image(0, suit).copy(middle)));
            suits << image(0, suit).copy(middle);
        }

        // A deck holding the Ace of spades alone, a blue card.
        const QString deckPath = folder.path(QStringLiteral("deck.svg"));
        QFile deck(deckPath);
        QVERIFY(deck.open(QIODevice::WriteOnly));
        deck.write("<svg xmlns='http://www.w3.org/2000/svg' width='71' height='96'>"
                   "<rect id='1_spade' width='71' height='96' fill='#0000ff'/></svg>");
        deck.close();
        const CardArtwork lacking(1.0, deckPath);
        QCOMPARE(lacking.image(Card{Suit::Spades, Rank::Ace}.index()).pixelColor(35, 48),
                 QColor(Qt::blue));
        QCOMPARE(lacking.image(Card{Suit::Spades, Rank::King}.index()), image(11, 3));
    }

    // A seat without chips shows the bare table where its cards would be, in the window as the
    // player sees it: from the first frame when it starts the game broke, at once when it pays
    // its last chips, after the next deal, and after the window system has repainted half of its
    // fan from the table's state.
    void seatWithoutChipsShowsNoCardsInTheWindow() {
        // Geek starts broke; Pinhead has just the chips to call the big blind.
        CallingOpponents callers;
        Window play("[Cash]\ngeek=0\npinhead=2\n", &callers);
        TableSurface& surface = play.table();
        QVERIFY(fanIsBare(surface, kGeek) && !fanIsBare(surface, kPinhead));
        play.press(TableButton::Stay);
        QTRY_VERIFY(fanIsBare(surface, kPinhead));

        play.press(TableButton::Fold);
        play.press(TableButton::Deal);
        QTRY_VERIFY(fanIsBare(surface, kPinhead));
        const QRect fan = toQRect(fanOf(kPinhead).erase);
        surface.repaint(fan.adjusted(0, 0, -fan.width() / 2, 0));
        QVERIFY(fanIsBare(surface, kPinhead) && fanIsBare(surface, kGeek));
    }
};

OMAHA_UI_SUITE(TableDrawingTest);

} // namespace
} // namespace omaha::test

#include "table_drawing_test.moc"
