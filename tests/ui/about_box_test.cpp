#include "ui/about_box.h"
#include "ui/bevel_panel.h"
#include "ui/gradient_button.h"
#include "ui_test_support.h"

#include <QFontInfo>
#include <QLabel>
#include <QObject>
#include <QTest>
#include <vector>

namespace omaha::test {
namespace {

struct ExpectedLine {
    const char* name;
    int y;
    const char* text;
};

const ExpectedLine kLines[] = {
    {"Label2", 16, "First, each player is dealt four cards face down,"},
    {"Label3", 32, "followed by the first round of betting."},
    {"Label4", 48, "Three community cards are then dealt face up,"},
    {"Label5", 64, "and the second round of betting occurs."},
    {"Label6", 80, "Then a fourth community card is dealt face up"},
    {"Label7", 96, "followed by another round of betting."},
    {"Label8", 112, "Finally, a fifth community card is dealt face up"},
    {"Label9", 128, "and the final round of betting ensues. "},
    {"Label10", 144, "All players still in the game reveal their cards."},
    {"Label11", 160, "The best hand formed from TWO player's cards"},
    {"Label12", 176, "and THREE community cards wins the pot "},
    {"Label19", 200, "In the first and second rounds all bets are small"},
    {"Label20", 216, "while in rounds three and four, they are big"},
    {"Label13", 248, "Check - a player stays in the game without betting"},
    {"Label14", 264, "Fold - withdraw from the current deal"},
    {"Label15", 280, "Call - match the bet made by another player."},
    {"Label16", 296, "Pot - The money at stake in a deal;"},
};

std::vector<QRect> lineGeometries(const TAboutBox& box) {
    std::vector<QRect> places;
    for (const QLabel* line : box.lines())
        places.push_back(line->geometry());
    return places;
}

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void seventeenWhiteLinesOnTheGreenPanel() {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Omaha rules"));
        QVERIFY(box.windowFlags() & Qt::Tool);
        QVERIFY(!(box.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(box.size(), QSize(321, 514));
        QCOMPARE(box.palette().color(QPalette::Window), QColor(15, 80, 12));
        QCOMPARE(box.panel()->geometry(), QRect(16, 8, 289, 449));
        QCOMPARE(box.panel()->fill(), QColor(30, 67, 27));

        QCOMPARE(static_cast<int>(box.lines().size()), 17);
        for (std::size_t i = 0; i < box.lines().size(); ++i) {
            const QLabel* line = box.lines()[i];
            QCOMPARE(line->objectName(), QLatin1String(kLines[i].name));
            QCOMPARE(line->text(), QLatin1String(kLines[i].text));
            QCOMPARE(line->parentWidget(), box.panel());
            QCOMPARE(line->pos(), QPoint(24, kLines[i].y));
            QCOMPARE(line->font().family(), QStringLiteral("Tahoma"));
            QCOMPARE(line->font().pixelSize(), 11);
            QVERIFY(!line->font().bold());
            QCOMPARE(line->palette().color(QPalette::WindowText), QColor(Qt::white));
            QVERIFY(!line->wordWrap());
            QVERIFY(line->width() >= line->sizeHint().width());
            // Every word shows: the longest line still ends inside the panel's bevel.
            QVERIFY2(line->x() + line->sizeHint().width() <= box.panel()->width() - 2,
                     kLines[i].text);
            // Lines are sixteen pixels apart, so a line must not be taller than that.
            QVERIFY(line->height() <= 16);
        }
        QCOMPARE(box.okButton()->text(), QStringLiteral("Ok"));
        QCOMPARE(box.okButton()->geometry(), QRect(120, 472, 81, 25));
    }

    void showsItsColoursOnScreen() {
        TAboutBox box;
        showAndWait(box);
        const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(QColor(shot.pixel(5, 5)), QColor(15, 80, 12));
        QCOMPARE(QColor(shot.pixel(16 + 150, 8 + 440)), QColor(30, 67, 27));
        // The bevels: shadow on the top-left edges, highlight on the bottom-right.
        QCOMPARE(QColor(shot.pixel(16 + 100, 8)), QColor(128, 128, 128));
        QCOMPARE(QColor(shot.pixel(16 + 100, 8 + 448)), QColor(255, 255, 255));
        box.hide();
    }

    void okClosesTheModalWindowAndItComesBackUnchanged() {
        QWidget owner;
        owner.resize(800, 560);
        showAndWait(owner);
        TAboutBox box(&owner);
        const std::vector<QRect> before = lineGeometries(box);
        for (int shown = 0; shown < 2; ++shown) {
            bool wasModal = false;
            whenModalAppears([&wasModal, &box](QWidget* modal) {
                wasModal = modal == &box;
                QTest::mouseClick(box.okButton(), Qt::LeftButton);
            });
            QCOMPARE(box.exec(), int(QDialog::Accepted));
            QVERIFY(wasModal);
            QVERIFY(!box.isVisible());
            QVERIFY(lineGeometries(box) == before);
            for (std::size_t i = 0; i < box.lines().size(); ++i)
                QCOMPARE(box.lines()[i]->text(), QLatin1String(kLines[i].text));
        }
    }

    void resizingMovesNothing() {
        TAboutBox box;
        showAndWait(box);
        const std::vector<QRect> before = lineGeometries(box);
        const QRect panel = box.panel()->geometry();
        const QRect ok = box.okButton()->geometry();
        for (const QSize size : {QSize(200, 150), QSize(700, 800)}) {
            box.resize(size);
            QCoreApplication::processEvents();
            QVERIFY(lineGeometries(box) == before);
            QCOMPARE(box.panel()->geometry(), panel);
            QCOMPARE(box.okButton()->geometry(), ok);
        }
        box.hide();
    }
};

OMAHA_UI_SUITE(AboutBoxTest);

} // namespace
} // namespace omaha::test

#include "about_box_test.moc"
