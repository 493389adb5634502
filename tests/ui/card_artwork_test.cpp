#include "engine/card.h"
#include "engine/table_layout.h"
#include "ui/card_artwork.h"
#include "ui_test_support.h"

#include <QObject>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace omaha::test {
namespace {

struct MeanColour {
    double red = 0;
    double green = 0;
    double blue = 0;
};

// The average colour inside a back's border, where its texture is.
MeanColour textureColour(const QImage& back) {
    MeanColour mean;
    int count = 0;
    for (int y = 10; y < kCardHeight - 10; ++y) {
        for (int x = 10; x < kCardWidth - 10; ++x) {
            const QRgb pixel = tablePixel(back, x, y);
            mean.red += qRed(pixel);
            mean.green += qGreen(pixel);
            mean.blue += qBlue(pixel);
            ++count;
        }
    }
    mean.red /= count;
    mean.green /= count;
    mean.blue /= count;
    return mean;
}

bool isYellow(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 170 && qBlue(pixel) < 90;
}

bool hasBlackEdge(const QImage& card) {
    for (int x = 0; x < kCardWidth; ++x)
        if (tablePixel(card, x, 0) != qRgb(0, 0, 0) ||
            tablePixel(card, x, kCardHeight - 1) != qRgb(0, 0, 0))
            return false;
    for (int y = 0; y < kCardHeight; ++y)
        if (tablePixel(card, 0, y) != qRgb(0, 0, 0) ||
            tablePixel(card, kCardWidth - 1, y) != qRgb(0, 0, 0))
            return false;
    return true;
}

int countRedPixels(const QImage& card) {
    int red = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x) {
            const QRgb pixel = card.pixel(x, y);
            red += qRed(pixel) > 150 && qGreen(pixel) < 80 && qBlue(pixel) < 80 ? 1 : 0;
        }
    return red;
}

class CardArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void everyImageIsAnOpaqueCard() {
        const CardArtwork artwork(1.0, CardArtwork::standardDeckPath());
        QVERIFY2(artwork.facesFromDeck(), "the standard deck is installed on the test machine");
        for (int index = 0; index < CardArtwork::kImageCount; ++index) {
            const QImage& image = artwork.image(index);
            QCOMPARE(image.size(), QSize(kCardWidth, kCardHeight));
            QVERIFY(!image.hasAlphaChannel());
        }
        for (int index = 0; index < kDeckSize; ++index) {
            QVERIFY2(hasBlackEdge(artwork.image(index)), qPrintable(QString::number(index)));
            // The card itself is white: the margin beside the left edge halfway down.
            QCOMPARE(tablePixel(artwork.image(index), 3, 48), qRgb(255, 255, 255));
        }
    }

    // Image 13 * suit + rank is that card: the deck numbers its Ace 1 and the game 12.
    void facesFollowTheCardIndex() {
        const CardArtwork artwork(1.0, CardArtwork::standardDeckPath());
        QSvgRenderer deck(CardArtwork::standardDeckPath());
        const struct {
            Card card;
            const char* element;
        } samples[] = {{{0, 0}, "2_club"},       {{0, 12}, "1_club"},    {{1, 8}, "10_diamond"},
                       {{2, 10}, "queen_heart"}, {{3, 9}, "jack_spade"}, {{3, 12}, "1_spade"},
                       {{2, 11}, "king_heart"},  {{1, 0}, "2_diamond"}};
        for (const auto& sample : samples) {
            QImage expected(kCardWidth, kCardHeight, QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::Antialiasing);
            deck.render(&painter, QLatin1String(sample.element),
                        QRectF(0, 0, kCardWidth, kCardHeight));
            painter.end();
            const QImage& face = artwork.image(sample.card.index());
            // Compare inside the edge, which the game draws over the deck's own.
            QCOMPARE(face.copy(2, 2, kCardWidth - 4, kCardHeight - 4),
                     expected.copy(2, 2, kCardWidth - 4, kCardHeight - 4));
        }
    }

    void allFacesAndBacksDiffer() {
        const CardArtwork artwork(1.0, CardArtwork::standardDeckPath());
        for (int a = 0; a < CardArtwork::kImageCount; ++a)
            for (int b = a + 1; b < CardArtwork::kImageCount; ++b)
                QVERIFY2(artwork.image(a) != artwork.image(b),
                         qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
    }

    // Denum, Cloth, Rock and Leather in this order, each framed in yellow.
    void backsAreTheFourMaterialsInYellowFrames() {
        const CardArtwork artwork(1.0, CardArtwork::standardDeckPath());
        for (int back = kFirstCardBack; back <= kLastCardBack; ++back) {
            const QImage& image = artwork.image(back);
            for (const QPoint border : {QPoint(0, 0), QPoint(2, 0), QPoint(0, 50), QPoint(35, 1),
                                        QPoint(70, 95), QPoint(69, 40), QPoint(35, 94)})
                QVERIFY2(isYellow(tablePixel(image, border.x(), border.y())),
                         qPrintable(QStringLiteral("back %1 at %2,%3")
                                        .arg(back)
                                        .arg(border.x())
                                        .arg(border.y())));
            QVERIFY(!isYellow(tablePixel(image, 35, 48)));
        }
        const MeanColour denim = textureColour(artwork.image(52));
        const MeanColour sacking = textureColour(artwork.image(53));
        const MeanColour stone = textureColour(artwork.image(54));
        const MeanColour leather = textureColour(artwork.image(55));
        QVERIFY(denim.blue > denim.red + 40 && denim.blue > denim.green);
        QVERIFY(sacking.red > sacking.green && sacking.green > sacking.blue + 20);
        QVERIFY(std::abs(stone.red - stone.blue) < 15 && std::abs(stone.green - stone.blue) < 15);
        QVERIFY(leather.red > leather.green + 30 && leather.green > leather.blue);
        // Leather is the darker of the two brownish backs.
        QVERIFY(leather.red + leather.green + leather.blue <
                sacking.red + sacking.green + sacking.blue);
    }

    void numbersOutsideTheListGiveTheFirstBack() {
        const CardArtwork artwork(1.0, QString());
        for (const int wrong : {-1, 56, 57, 1000, -52})
            QCOMPARE(&artwork.image(wrong), &artwork.image(kFirstCardBack));
    }

    void withoutTheDeckTheGameDrawsPlainFaces() {
        const CardArtwork artwork(1.0, QStringLiteral("/nonexistent/standard.svgz"));
        QVERIFY(!artwork.facesFromDeck());
        for (int index = 0; index < kDeckSize; ++index) {
            const QImage& face = artwork.image(index);
            QVERIFY(hasBlackEdge(face));
            QCOMPARE(tablePixel(face, 3, 48), qRgb(255, 255, 255));
            const bool redSuit = index / 13 == 1 || index / 13 == 2;
            QCOMPARE(countRedPixels(face) > 50, redSuit);
        }
        for (int a = 0; a < kDeckSize; ++a)
            for (int b = a + 1; b < kDeckSize; ++b)
                QVERIFY(artwork.image(a) != artwork.image(b));
    }

    // On a dense screen the pictures carry detail of their own, not enlarged pixels.
    void denseScreensGetSharpPictures() {
        const CardArtwork artwork(2.0, CardArtwork::standardDeckPath());
        for (const int index : {12, 36, 52, 53, 54, 55}) {
            const QImage& image = artwork.image(index);
            QCOMPARE(image.size(), QSize(2 * kCardWidth, 2 * kCardHeight));
            QCOMPARE(image.devicePixelRatio(), 2.0);
            int detailedBlocks = 0;
            for (int y = 0; y + 1 < image.height(); y += 2)
                for (int x = 0; x + 1 < image.width(); x += 2) {
                    const QRgb first = image.pixel(x, y);
                    detailedBlocks += image.pixel(x + 1, y) != first ||
                                              image.pixel(x, y + 1) != first ||
                                              image.pixel(x + 1, y + 1) != first
                                          ? 1
                                          : 0;
                }
            QVERIFY2(detailedBlocks > 100, qPrintable(QString::number(index)));
        }
    }
};

OMAHA_UI_SUITE(CardArtworkTest);

} // namespace
} // namespace omaha::test

#include "card_artwork_test.moc"
