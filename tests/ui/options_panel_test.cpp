#include "ui_test_support.h"

namespace omaha::test {
namespace {

// A window with the options panel shown, as the Options command shows it.
struct Options : Window {
    explicit Options(std::string_view saved = {}) : Window(saved) {
        find<QAction>(form, "optionsCommand")->trigger();
    }

    QRadioButton* radio(const char* group, int item) {
        return find<QWidget>(options(), group)->findChildren<QRadioButton*>().at(item);
    }
    void arrow(bool up) { click(find<QToolButton>(options(), up ? "higherArrow" : "lowerArrow")); }
    // Whether the panel's labels and the settings file both hold these bet sizes.
    bool showsSizes(std::int32_t small, std::int32_t big) {
        return find(options(), "smallBetAmount")->text() == QString::number(small) &&
               find(options(), "bigBetAmount")->text() == QString::number(big) &&
               stored("Bet", "small") == small && stored("Bet", "big") == big;
    }
    QLineEdit* edit(const char* field) { return find<QLineEdit>(options(), field); }
    // Puts `text` into a field, presses the "Enter" beside it or Return in the field and returns
    // the message shown.
    QString enter(const char* field, const QString& text, bool byReturn = false) {
        edit(field)->setText(text);
        QString message;
        answerNextBox(message);
        if (byReturn)
            QTest::keyClick(edit(field), Qt::Key_Return);
        else
            click(find<QPushButton>(options(), field == std::string_view("initialCashField")
                                                   ? "enterInitialCashButton"
                                                   : "enterTargetButton"));
        return message;
    }
};

class OptionsPanelTest : public QObject {
    Q_OBJECT

private slots:
    // Each "Enter", or Return in its field, takes the amount beside it, and only that one,
    // within 100 to 1,000,000 (the limits themselves are the game's, tried in its own tests); a
    // refused amount keeps the last accepted one, in the game and in the file. A field holds nine
    // characters at most, so a huge paste comes as nine digits.
    void enteringAnAmount() {
        const QString confirmed = QStringLiteral("New initial cash value confirmation");
        const QString refused = QStringLiteral("the value is off limits");
        const QString paste(1 << 20, QLatin1Char('7'));
        const char* cashField = "initialCashField";
        const char* targetField = "targetField";
        const std::tuple<const char*, QString, QString, bool, bool> cases[] = {
            {cashField, "100", confirmed, true, false},
            {cashField, "1000001", refused, false, true},
            {targetField, "12.5", "Invalid value", false, true},
            {targetField, "700", "New until value confirmation", true, true},
            {targetField, paste, refused, false, false}};
        for (const auto& [field, typed, message, accepted, byReturn] : cases) {
            Options options;
            options.enter(targetField, QStringLiteral("800"));
            const std::int32_t initialBefore = options.stored("Cash", "initial");
            const QString cashBefore = options.label("playerCash");
            const bool cash = field == cashField;
            QCOMPARE(options.enter(field, typed, byReturn), message);
            QCOMPARE(options.edit(field)->text(), typed.left(9));

            const std::int32_t initial = accepted && cash ? typed.toInt() : initialBefore;
            const std::int32_t target = accepted && !cash ? typed.toInt() : 800;
            QCOMPARE(options.stored("Cash", "initial"), initial);
            QCOMPARE(options.stored("Cash", "until"), target);
            // Every seat's cash follows in the game's own tests.
            QCOMPARE(options.label("playerCash"), accepted && cash ? typed : cashBefore);
        }
    }

    // The panel's raised edge is whole: white along the top and the left, grey along the bottom
    // and the right, to the last pixel of each.
    void raisedEdgeIsWhole() {
        Options options;
        const QImage image = options.options().grab().toImage();
        const QRect edge = image.rect();
        const auto colour = [&image](int x, int y) { return image.pixel(x, y) | 0xff000000U; };
        const QRgb white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128);
        for (int x = edge.left(); x <= edge.right(); ++x) {
            QCOMPARE(colour(x, edge.top()), x < edge.right() ? white : grey);
            QCOMPARE(colour(x, edge.bottom()), grey);
        }
        for (int y = edge.top(); y <= edge.bottom(); ++y) {
            QCOMPARE(colour(edge.left(), y), y < edge.bottom() ? white : grey);
            QCOMPARE(colour(edge.right(), y), grey);
        }
    }

    // The arrows step the sizes level by level, stop at 1 and at 5, and every press saves both.
    // Each card back shows on the table at once when chosen; each choice is saved, and "Ok" only
    // hides.
    void choicesAreTakenAndSaved() {
        Options options;
        // Presses up or down, and the sizes after them: a press against the bottom still saves
        // level 1, and the control stays at 5, not beyond.
        for (const auto& [up, presses, small, big] :
             {std::tuple{false, 1, 2, 4}, {true, 1, 4, 8}, {true, 6, 10, 20}, {false, 1, 8, 16}}) {
            for (int press = 0; press < presses; ++press)
                options.arrow(up);
            QVERIFY(options.showsSizes(small, big));
        }

        // Every back, the first one chosen again last, inside the corners of Freak's last card,
        // which lies on top of the fan; no two alike.
        QList<QImage> looks;
        for (const int item : {1, 2, 3, 0}) {
            click(options.radio("cardBackChoice", item));
            QCOMPARE(options.stored("Card", "back"), kFirstCardBack + item);
            const QImage back = CardArtwork::shared(1.0)
                                    ->image(kFirstCardBack + item)
                                    .copy(2, 2, 67, 92)
                                    .convertToFormat(QImage::Format_RGB888);
            QTRY_COMPARE(shownOnScreen(options.table(), QRect(104, 93, 67, 92))
                             .convertToFormat(QImage::Format_RGB888),
                         back);
            QVERIFY(!looks.contains(back));
            looks << back;
        }
        click(options.radio("aiLevelChoice", 3));
        QCOMPARE(options.stored("Levels", "comp"), levelValue(AiLevel::Genius));

        click(find<QPushButton>(options.options(), "okButton"));
        QVERIFY(options.options().isHidden());
    }

    // A window started from stored choices shows them, and showing them changes none of them.
    // Sizes of a level start the arrows there; any other sizes start them at level 1. An AI
    // level that no item stands for leaves the first item chosen.
    void storedChoicesAreShownAndKept() {
        const std::tuple<std::int32_t, int, std::int32_t, std::int32_t, std::int32_t, std::int32_t>
            cases[] = {{25, 1, 6, 12, 8, 16}, {99, 0, 6, 20, 4, 8}};
        for (const auto& [level, item, savedSmall, savedBig, small, big] : cases) {
            Options options(QStringLiteral("[Card]\nback=55\n[Levels]\ncomp=%1\n[Bet]\nsmall=%2\n"
                                           "big=%3\n")
                                .arg(level)
                                .arg(savedSmall)
                                .arg(savedBig)
                                .toStdString());
            QCOMPARE((QList<int>{options.stored("Card", "back"), options.stored("Levels", "comp"),
                                 options.stored("Bet", "small"), options.stored("Bet", "big")}),
                     (QList<int>{55, level, savedSmall, savedBig}));
            QVERIFY(options.radio("cardBackChoice", 3)->isChecked());
            QVERIFY(options.radio("aiLevelChoice", item)->isChecked());
            options.arrow(true);
            QVERIFY(options.showsSizes(small, big));
        }
    }
};

OMAHA_UI_SUITE(OptionsPanelTest);

} // namespace
} // namespace omaha::test

#include "options_panel_test.moc"
