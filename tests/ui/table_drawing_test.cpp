#include "ui/card_artwork.h"
#include "ui/table_canvas.h"
#include "ui/table_surface.h"
#include "ui_test_support.h"

#include <array>
#include <QCoreApplication>
#include <QObject>
#include <QTest>

namespace omaha::test {
namespace {

// Where the cards lie, as the table's layout gives them.
struct Fan {
    SeatCode seat;
    Point origin;
    Point step;
};

constexpr std::array<Fan, kSeatCount> kFans = {{
    {kHuman, {55, 351}, {35, 3}},
    {kFreak, {57, 85}, {15, 2}},
    {kGeek, {202, 85}, {15, 2}},
    {kMaster, {347, 85}, {15, 2}},
    {kChamp, {492, 85}, {15, 2}},
    {kPinhead, {637, 85}, {15, 2}},
    {kExpert, {612, 335}, {15, 2}},
    {kRobot, {445, 405}, {15, 2}},
}};

constexpr std::array<Point, kBoardCards> kBoard = {
    {{242, 223}, {302, 233}, {362, 243}, {422, 233}, {482, 223}}};

const Fan& fanOfSeat(SeatCode seat) {
    for (const Fan& fan : kFans)
        if (fan.seat == seat)
            return fan;
    return kFans[0];
}

Point fanCard(SeatCode seat, int i) {
    const Fan& fan = fanOfSeat(seat);
    return {fan.origin.x + i * fan.step.x, fan.origin.y + i * fan.step.y};
}

QRect cardRect(Point at) {
    return QRect(at.x, at.y, kCardWidth, kCardHeight);
}

const QImage& picture(int index) {
    return CardArtwork::shared(1.0)->image(index);
}

// Every visible part of each card of a row drawn left to right, each covering the one before.
bool rowShows(const QImage& table, const std::vector<std::pair<int, Point>>& cards) {
    for (std::size_t i = 0; i < cards.size(); ++i) {
        QRegion visible = cardRect(cards[i].second);
        for (std::size_t later = i + 1; later < cards.size(); ++later)
            visible -= cardRect(cards[later].second);
        for (const QRect& part : visible)
            if (!showsCard(table, picture(cards[i].first), cards[i].second, part))
                return false;
    }
    return true;
}

// The seat's four cards as faces, or all as the back `back`.
bool fanShows(const QImage& table, const TableState& state, SeatCode seat, bool faces,
              int back = kFirstCardBack) {
    std::vector<std::pair<int, Point>> cards;
    for (int i = 0; i < kHoleCards; ++i)
        cards.emplace_back(faces ? state.seats[seat].hole[static_cast<std::size_t>(i)].index()
                                 : back,
                           fanCard(seat, i));
    return rowShows(table, cards);
}

bool boardShows(const QImage& table, const TableState& state, int count) {
    std::vector<std::pair<int, Point>> cards;
    for (int k = 0; k < count; ++k)
        cards.emplace_back(state.board[static_cast<std::size_t>(k)].index(),
                           kBoard[static_cast<std::size_t>(k)]);
    if (!rowShows(table, cards))
        return false;
    // The places of the cards not shown are bare table.
    QRegion bare;
    for (int k = count; k < kBoardCards; ++k)
        bare += cardRect(kBoard[static_cast<std::size_t>(k)]);
    for (int k = 0; k < count; ++k)
        bare -= cardRect(kBoard[static_cast<std::size_t>(k)]);
    for (const QRect& part : bare)
        if (!showsBaize(table, part))
            return false;
    return true;
}

// The whole extent of a seat's fan.
QRect fanArea(SeatCode seat) {
    return cardRect(fanCard(seat, 0)).united(cardRect(fanCard(seat, 3)));
}

// A table surface on screen with a table state of its own, in a working folder of its own.
struct Scene {
    WorkingFolder folder;
    TableState table;
    TableSurface surface;
    int beeps = 0;

    Scene(WorkingFolder::Baize baize, std::int32_t street)
        : folder(baize), table(dealtTable(street)) {
        surface.setTable(&table);
        surface.setBeep([this] { ++beeps; });
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
        table.hidecards = computeHidecards(table);
        surface.paintcards(table);
        QCoreApplication::processEvents();
    }

    // The human folds with only Robot left in the hand, wiping the fans as the game does.
    void foldToRobotAlone() {
        for (const SeatCode seat : {kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert}) {
            surface.erasearea(fanOf(seat).erase);
            table.seats[seat].folded = true;
        }
        surface.erasearea(fanOf(kHuman).erase);
        table.seats[kHuman].folded = true;
        table.outcount = 6;
        table.street = kShowdown;
    }

    const QImage& shown() const { return surface.canvas().image(); }
};

class TableDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void trimcornersBlackensTwelvePixels() {
        WorkingFolder folder(WorkingFolder::Baize::Present);
        TableCanvas canvas(1.0);
        QVERIFY(canvas.painttable(tableRect()));
        canvas.trimcorners(300, 300);
        int black = 0;
        for (int y = 290; y < 410; ++y)
            for (int x = 290; x < 380; ++x)
                black += tablePixel(canvas.image(), x, y) == qRgb(0, 0, 0) ? 1 : 0;
        QCOMPARE(black, 12);
        for (const QPoint pixel :
             {QPoint(300, 300), QPoint(370, 300), QPoint(300, 395), QPoint(370, 395),
              QPoint(301, 300), QPoint(300, 301), QPoint(369, 300), QPoint(370, 301),
              QPoint(300, 394), QPoint(301, 395), QPoint(370, 394), QPoint(369, 395)})
            QCOMPARE(tablePixel(canvas.image(), pixel.x(), pixel.y()), qRgb(0, 0, 0));
    }

    // A back has a yellow edge, so the trimmed corners show against it.
    void drawnCardsHaveTrimmedCorners() {
        WorkingFolder folder(WorkingFolder::Baize::Present);
        for (const qreal ratio : {1.0, 2.0}) {
            TableCanvas canvas(ratio);
            canvas.painttable(tableRect());
            PaintList one;
            one.add({kFirstCardBack, {100, 100}});
            canvas.paintcards(one, tableRect());
            const QImage& image = canvas.image();
            const int r = static_cast<int>(ratio);
            int black = 0;
            for (int y = 99 * r; y < 197 * r; ++y)
                for (int x = 99 * r; x < 172 * r; ++x)
                    black += (image.pixel(x, y) | 0xff000000U) == qRgb(0, 0, 0) ? 1 : 0;
            QCOMPARE(black, 12 * r * r);
            const QRgb inner = tablePixel(image, 101, 101);
            QVERIFY(qRed(inner) > 200 && qBlue(inner) < 90);
            QVERIFY(tablePixel(image, 102, 100) != qRgb(0, 0, 0));
            QVERIFY(tablePixel(image, 169, 194) != qRgb(0, 0, 0));
        }
    }

    void fansAndBoardStandAtTheirPlaces() {
        Scene scene(WorkingFolder::Baize::Present, kRiver);
        scene.windowRepaints();
        QVERIFY(fanShows(scene.shown(), scene.table, kHuman, true));
        for (const SeatCode seat : {kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot})
            QVERIFY2(fanShows(scene.shown(), scene.table, seat, false),
                     qPrintable(QString::number(seat)));
        QVERIFY(boardShows(scene.shown(), scene.table, 5));
        // Neighbouring community cards overlap by 11 pixels, the right one on top.
        const QImage& first = picture(scene.table.board[0].index());
        const QImage& second = picture(scene.table.board[1].index());
        QVERIFY(showsCard(scene.shown(), second, kBoard[1], QRect(302, 233, 11, 86)));
        QVERIFY(showsCard(scene.shown(), first, kBoard[0], QRect(242, 223, 60, 96)));
        QVERIFY(!showsCard(scene.shown(), first, kBoard[0], QRect(302, 233, 11, 86)));
    }

    void streetsTurnTheCards_data() {
        QTest::addColumn<int>("street");
        QTest::addColumn<int>("boardCards");
        QTest::addColumn<bool>("opponentFaces");
        QTest::newRow("pre-flop") << 1 << 0 << false;
        QTest::newRow("flop") << 2 << 3 << false;
        QTest::newRow("turn") << 3 << 4 << false;
        QTest::newRow("river") << 4 << 5 << false;
        QTest::newRow("showdown") << 5 << 5 << true;
    }

    void streetsTurnTheCards() {
        QFETCH(int, street);
        QFETCH(int, boardCards);
        QFETCH(bool, opponentFaces);
        Scene scene(WorkingFolder::Baize::Present, street);
        scene.windowRepaints();
        QVERIFY(fanShows(scene.shown(), scene.table, kHuman, true));
        for (const SeatCode seat : {kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot})
            QVERIFY(fanShows(scene.shown(), scene.table, seat, opponentFaces));
        QVERIFY(boardShows(scene.shown(), scene.table, boardCards));
    }

    // The human folded and one opponent is left: its cards stay down and from the river on no
    // community card is drawn.
    void lastOpponentAfterHumanFoldStaysHidden_data() {
        QTest::addColumn<int>("street");
        QTest::addColumn<int>("boardCards");
        QTest::newRow("turn") << 3 << 4;
        QTest::newRow("river") << 4 << 0;
        QTest::newRow("showdown") << 5 << 0;
    }

    void lastOpponentAfterHumanFoldStaysHidden() {
        QFETCH(int, street);
        QFETCH(int, boardCards);
        Scene scene(WorkingFolder::Baize::Present, kPreflop);
        scene.foldToRobotAlone();
        scene.table.street = street;
        scene.windowRepaints();
        QVERIFY(scene.table.hidecards);
        QVERIFY(fanShows(scene.shown(), scene.table, kRobot, false));
        QVERIFY(showsBaize(scene.shown(), toQRect(fanOf(kHuman).erase)));
        QVERIFY(showsBaize(scene.shown(), fanArea(kFreak)));
        QVERIFY(boardShows(scene.shown(), scene.table, boardCards));
    }

    // Two opponents left: both hands and the whole board are shown.
    void twoOpponentsAfterHumanFoldAreShown() {
        Scene scene(WorkingFolder::Baize::Present, kShowdown);
        for (const SeatCode seat : {kHuman, kFreak, kGeek, kMaster, kChamp, kPinhead})
            scene.table.seats[seat].folded = true;
        // The human's fold is not counted among the seats out; five opponents are.
        scene.table.outcount = 5;
        scene.windowRepaints();
        QVERIFY(!scene.table.hidecards);
        QVERIFY(fanShows(scene.shown(), scene.table, kExpert, true));
        QVERIFY(fanShows(scene.shown(), scene.table, kRobot, true));
        QVERIFY(boardShows(scene.shown(), scene.table, 5));
    }

    // The game draws over what is on the table; only a repaint from the window system clears
    // what the state no longer shows, and only inside the area it asks for.
    void cardsDrawnByTheGameStayUntilTheWindowRepaints() {
        Scene scene(WorkingFolder::Baize::Present, kPreflop);
        scene.table.street = kFlop;
        scene.gamePaints();
        QVERIFY(boardShows(scene.shown(), scene.table, 3));

        scene.foldToRobotAlone();
        scene.gamePaints();
        QVERIFY(fanShows(scene.shown(), scene.table, kRobot, false));
        QVERIFY(boardShows(scene.shown(), scene.table, 3));

        const QRect labelArea(250, 230, 40, 14);
        scene.surface.exposeArea(labelArea);
        scene.surface.repaint(labelArea);
        QVERIFY(showsBaize(scene.shown(), labelArea));
        QVERIFY(showsCard(scene.shown(), picture(scene.table.board[2].index()), kBoard[2],
                          QRect(372, 250, 50, 80)));

        scene.windowRepaints();
        QVERIFY(showsBaize(scene.shown(), toQRect(kBoardArea)));
        QVERIFY(fanShows(scene.shown(), scene.table, kRobot, false));
    }

    void brokeSeatsShowNoCards() {
        Scene scene(WorkingFolder::Baize::Present, kShowdown);
        scene.table.seats[kGeek].cash = 0;
        scene.table.seats[kMaster].cash = -5;
        scene.table.seats[kHuman].cash = 0;
        scene.windowRepaints();
        QVERIFY(showsBaize(scene.shown(), fanArea(kGeek)));
        QVERIFY(showsBaize(scene.shown(), fanArea(kMaster)));
        QVERIFY(showsBaize(scene.shown(), fanArea(kHuman)));
        QVERIFY(fanShows(scene.shown(), scene.table, kFreak, true));
        QVERIFY(fanShows(scene.shown(), scene.table, kChamp, true));
    }

    void anotherBackRedrawsEveryBack() {
        Scene scene(WorkingFolder::Baize::Present, kFlop);
        const auto allBacksAre = [&scene](int back) {
            for (const SeatCode seat : {kFreak, kGeek, kMaster, kChamp, kPinhead, kExpert, kRobot})
                if (!fanShows(scene.shown(), scene.table, seat, false, back))
                    return false;
            return fanShows(scene.shown(), scene.table, kHuman, true);
        };
        QVERIFY(allBacksAre(52));
        for (const int back : {55, 53, 54}) {
            scene.table.cardback = back;
            scene.gamePaints();
            QVERIFY(allBacksAre(back));
        }
        // A number that no back has, as an edited settings file may hold, gives the first back.
        scene.table.cardback = 77;
        scene.gamePaints();
        QVERIFY(allBacksAre(52));
    }

    void eraseareaWipesBackToTheTable() {
        Scene scene(WorkingFolder::Baize::Present, kFlop);
        scene.surface.erasearea(fanOf(kFreak).erase);
        scene.surface.erasearea(kBoardArea);
        QCoreApplication::processEvents();
        QVERIFY(showsBaize(scene.shown(), toQRect(fanOf(kFreak).erase)));
        QVERIFY(showsBaize(scene.shown(), toQRect(kBoardArea)));
        QVERIFY(fanShows(scene.shown(), scene.table, kGeek, false));
    }

    void baizeTilesFromTheOriginAndIsReadAtEveryRepaint() {
        Scene scene(WorkingFolder::Baize::Present, kPreflop);
        QVERIFY(showsBaize(scene.shown(), QRect(0, 0, 50, 80)));
        QVERIFY(showsBaize(scene.shown(), QRect(600, 0, 200, 80)));
        QVERIFY(showsBaize(scene.shown(), toQRect(kBoardArea)));
        QCOMPARE(scene.beeps, 0);

        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(qRgb(200, 0, 0));
        QVERIFY(red.save(scene.folder.path(QStringLiteral("baize.bmp")), "BMP"));
        scene.gamePaints();
        QVERIFY(showsBaize(scene.shown(), toQRect(kBoardArea)));
        scene.windowRepaints();
        QCOMPARE(tablePixel(scene.shown(), 300, 300), qRgb(200, 0, 0));
        QCOMPARE(tablePixel(scene.shown(), 5, 5), qRgb(200, 0, 0));
        QVERIFY(fanShows(scene.shown(), scene.table, kHuman, true));
    }

    void missingBaizeGivesABlackTableWithTheCards() {
        Scene scene(WorkingFolder::Baize::Missing, kFlop);
        QVERIFY(scene.beeps >= 1);
        scene.beeps = 0;
        scene.windowRepaints();
        QCOMPARE(scene.beeps, 1);
        QVERIFY(isBlack(scene.shown(), QRect(0, 0, 50, 80)));
        QVERIFY(isBlack(scene.shown(), QRect(560, 200, 40, 100)));
        QVERIFY(fanShows(scene.shown(), scene.table, kHuman, true));
        QVERIFY(fanShows(scene.shown(), scene.table, kPinhead, false));
        QVERIFY(isBlack(scene.shown(), QRect(422 + 71, 223, 600 - 493, 96)));
        QVERIFY(rowShows(scene.shown(), {{scene.table.board[0].index(), kBoard[0]},
                                         {scene.table.board[1].index(), kBoard[1]},
                                         {scene.table.board[2].index(), kBoard[2]}}));
        scene.windowRepaints();
        QCOMPARE(scene.beeps, 2);
        // Drawing by the game is no repaint: no beep.
        scene.gamePaints();
        QCOMPARE(scene.beeps, 2);
        // With no table pattern ever loaded, a wiped area turns black.
        scene.surface.erasearea(fanOf(kFreak).erase);
        QVERIFY(isBlack(scene.shown(), toQRect(fanOf(kFreak).erase)));
    }

    void windowShowsThePictureAndBlackBeyondTheTable() {
        Scene scene(WorkingFolder::Baize::Present, kTurn);
        scene.surface.resize(900, 600);
        QCoreApplication::processEvents();
        const QImage onScreen =
            scene.surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen.copy(tableRect()), scene.shown().convertToFormat(QImage::Format_RGB32));
        QVERIFY(isBlack(onScreen, QRect(800, 0, 100, 600)));
        QVERIFY(isBlack(onScreen, QRect(0, 520, 900, 80)));
    }

    void denseScreensGetASharpTable() {
        WorkingFolder folder(WorkingFolder::Baize::Present);
        TableCanvas canvas(2.0);
        QCOMPARE(canvas.image().size(), QSize(1600, 1040));
        canvas.painttable(tableRect());
        PaintList one;
        one.add({12, kBoard[0]});
        canvas.paintcards(one, tableRect());
        const QImage& card = CardArtwork::shared(2.0)->image(12);
        QCOMPARE(canvas.image().copy(2 * 242 + 4, 2 * 223 + 4, 142 - 8, 192 - 8),
                 card.copy(4, 4, 142 - 8, 192 - 8));
    }
};

OMAHA_UI_SUITE(TableDrawingTest);

} // namespace
} // namespace omaha::test

#include "table_drawing_test.moc"
