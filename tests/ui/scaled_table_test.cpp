// The table scaled with the window, on a real X server at every screen size and scale of the
// desktop runs: what the player sees where, and where the clicks go.
#include "ui_test_support.h"

#include <map>
#include <QSvgRenderer>

namespace omaha::test {
namespace {

// Where the table goes in a widget of `area` size: as large as fits, its proportions kept,
// centred.
QRectF tableIn(QSize area) {
    const qreal scale = std::min(area.width() / 800.0, area.height() / 520.0);
    const QSizeF size(800 * scale, 520 * scale);
    return QRectF(QPointF(area.width() - size.width(), area.height() - size.height()) / 2, size);
}

// The largest difference of any colour channel of any pixel of two pictures of the same size.
int largestDifference(const QImage& one, const QImage& other) {
    int largest = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y), b = other.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)),
                                std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    return largest;
}

// How closely the screen, within two pixels of `at`, shows `card` inside its edge.
double bestMatch(const QImage& screen, QPoint at, const QImage& card) {
    const int edge = 4;
    const QRect inside = card.rect().adjusted(edge, edge, -edge, -edge);
    const QImage wanted = card.copy(inside).convertToFormat(QImage::Format_RGB32);
    double best = 255;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QImage shown = screen.copy(inside.translated(at + QPoint(dx, dy)))
                                     .convertToFormat(QImage::Format_RGB32);
            best = std::min(best, meanDifference(shown, wanted));
        }
    return best;
}

// The Four of diamonds as the system's deck draws it, `size` pixels on white.
QImage fourOfDiamonds(QSize size) {
    QImage card(size, QImage::Format_RGB32);
    card.fill(Qt::white);
    QSvgRenderer deck(
        QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                               QStringLiteral("carddecks/svg-standard/standard.svgz")));
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    deck.render(&painter, QStringLiteral("4_diamond"), QRectF(card.rect()));
    return card;
}

class ScaledTableTest : public QObject {
    Q_OBJECT

private slots:
    // With scaling on, the table fills the window's inside as far as its proportions allow,
    // centred between black bars, at a large size and a small one. The cards are drawn from the
    // deck at the size they are shown on the screen's pixels, every text and button stays on the
    // table in a font of the scaled size, and a click lands on the button drawn under it.
    void scaledTableFollowsTheWindow() {
        Window play;
        MainWindow& form = play.form;
        TableSurface& table = play.table();
        auto* scaling = find<QAction>(form, "scaleTableCommand");
        // Where everything lies on the table as designed, the options panel laid out too, and how
        // tall each text and control is, but for the labels without text.
        scaling->setChecked(false);
        find<QAction>(form, "optionsCommand")->trigger();
        std::map<QWidget*, QRect> designed;
        std::map<QWidget*, int> heights;
        for (QWidget* widget : table.findChildren<QWidget*>()) {
            designed[widget] = widget->geometry();
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label == nullptr || !label->text().isEmpty())
                heights[widget] = widget->height();
        }
        click(find<QPushButton>(play.options(), "okButton"));
        scaling->setChecked(true);
        QVERIFY(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

        const QSize room = form.screen()->availableGeometry().size();
        const QSize chrome = form.size() - table.size();
        const std::pair<QSize, TableButton> cases[] = {
            {room * 0.9 - chrome, TableButton::Raise},
            {QSize(480, 312), TableButton::Fold},
        };
        for (const auto& [inside, pressed] : cases) {
            form.resize(inside + chrome);
            QTRY_COMPARE(table.size(), inside);
            const QRectF area = tableIn(inside);
            const qreal scale = area.width() / 800;
            const qreal ratio = scale * form.devicePixelRatioF();
            const QByteArray where =
                QByteArray::number(inside.width()) + "x" + QByteArray::number(inside.height());

            // The human's fourth card, the Four of diamonds of the fixed clock's first deal, lies
            // whole at (160, 360) on the table.
            const QImage card = fourOfDiamonds(QSize(qRound(71 * ratio), qRound(96 * ratio)));
            const QPointF cardAt = table.mapTo(&form, area.topLeft() + QPointF(160, 360) * scale);
            const QPoint cardPixel = (cardAt * form.devicePixelRatioF()).toPoint();
            const auto shownMatch = [&](const QImage& wanted) {
                const QImage screen = form.screen()->grabWindow(form.winId()).toImage();
                return bestMatch(screen, cardPixel, wanted);
            };
            QTRY_VERIFY2(shownMatch(card) < 4, where);
            // Not the card of the unscaled table blown up.
            const QImage stretched =
                fourOfDiamonds(QSize(71, 96))
                    .scaled(card.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(ratio < 1.2 || shownMatch(stretched) > 2 * shownMatch(card), where);

            // Black bars beside or above and below the table, the table right to its edges.
            const QImage shown = shownOnScreen(table, table.rect());
            const auto colourAt = [&](QPointF point) {
                return QColor(shown.pixel((point * shown.devicePixelRatio()).toPoint()));
            };
            const QPointF middle = area.center();
            for (const QPointF& outside :
                 {QPointF(area.left() - 2, middle.y()), QPointF(middle.x(), area.top() - 2)})
                if (table.rect().contains(outside.toPoint()))
                    QCOMPARE(colourAt(outside), QColor(Qt::black));
            for (const QPointF& inner :
                 {QPointF(area.left() + 2, middle.y()), QPointF(area.right() - 3, middle.y()),
                  QPointF(middle.x(), area.top() + 2), QPointF(middle.x(), area.bottom() - 3)})
                QVERIFY2(colourAt(inner).green() > 40, where);

            const QRect button = designed[play.button(pressed)];
            const QPointF centre = area.topLeft() + QRectF(button).center() * scale;
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                              table.mapTo(&form, centre.toPoint()));
            if (pressed == TableButton::Raise)
                QCOMPARE(play.label("playerCash"), QStringLiteral("1196"));
            else
                QCOMPARE(play.label("playerStatus"), QStringLiteral("you fold"));
            // What the game drew and wiped for the press shows as a full repaint shows it, but
            // for the table's texture smoothed along other edges.
            QTest::qWait(100);
            const QImage afterPress = shownOnScreen(table, table.rect());
            table.repaint();
            QVERIFY2(largestDifference(shownOnScreen(table, table.rect()), afterPress) < 16, where);

            // With the options panel shown too, which lies over the middle of the table.
            find<QAction>(form, "optionsCommand")->trigger();
            for (const auto& [widget, geometry] : designed) {
                if (!widget->isVisible() || widget->parentWidget() != &table)
                    continue;
                QVERIFY2(area.toAlignedRect().contains(widget->geometry()),
                         qPrintable(widget->objectName()));
                // Placed where the table's scale puts them.
                const QPointF at = area.topLeft() + QPointF(geometry.topLeft()) * scale;
                QVERIFY2((widget->pos() - at).manhattanLength() <= 2,
                         qPrintable(widget->objectName()));
            }
            // Texts in fonts of the scaled size, and the options panel's controls with them, its
            // radio buttons' circles too.
            for (const auto& [widget, designedHeight] : heights) {
                const qreal height = designedHeight * scale;
                QVERIFY2(!widget->isVisible() ||
                             std::abs(widget->height() - height) <= 0.15 * height + 1,
                         qPrintable(where + " " + widget->objectName()));
            }
            click(find<QPushButton>(play.options(), "okButton"));
        }
    }
};

OMAHA_UI_SUITE(ScaledTableTest);

} // namespace
} // namespace omaha::test

#include "scaled_table_test.moc"
