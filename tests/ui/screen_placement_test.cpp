// Where the windows go, worked out for the edges of each case, which real screen sizes seldom
// meet: the desktop tests see the same rules at work on a real X server.
#include "ui/screen_placement.h"
#include "ui_test_support.h"

namespace omaha::test {
namespace {

class ScreenPlacementTest : public QObject {
    Q_OBJECT

private slots:
    // A frame is centred on the area, a panel above it taken off, in each direction where it
    // fits; where it does not it starts at the area's edge.
    void frameIsCentredWhereItFits() {
        const QRect area(0, 30, 1000, 670);
        const std::pair<QSize, QPoint> cases[] = {
            {{800, 560}, {100, 85}}, {{1200, 560}, {0, 85}}, {{800, 700}, {100, 30}}};
        for (const auto& [frame, place] : cases)
            QCOMPARE(placeFrame(frame, area), place);
    }

    // The history's frame of 380 goes beside the table's of 800, tops level and 8 apart, on an
    // area from x = 100 on: the table's place and the history's, for the table's place and the
    // area's width.
    void historyGoesBesideTheTable() {
        const QSize history(380, 560);
        const std::tuple<int, int, int, int> cases[] = {
            {150, 1400, 150, 958}, // room on the right
            {700, 1400, 700, 312}, // room on the left
            {113, 1200, 112, 920}, // the table moves left, a pixel short of room on the right
            {100, 1184, 100, 904}, // room for both, but not for the whole gap
            {150, 1000, 100, 720}, // no room for both: the table left, the history right
        };
        for (const auto& [tableLeft, width, tableAt, historyAt] : cases) {
            const SideBySide places = placeSideBySide(QRect(tableLeft, 40, 800, 560), history,
                                                      QRect(100, 20, width, 800), 8);
            QCOMPARE(places.table, QPoint(tableAt, 40));
            QCOMPARE(places.history, QPoint(historyAt, 40));
        }
    }
};

OMAHA_UI_SUITE(ScreenPlacementTest);

} // namespace
} // namespace omaha::test

#include "screen_placement_test.moc"
