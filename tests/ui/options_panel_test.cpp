#include "ui_test_support.h"

namespace omaha::test {
namespace {

QRadioButton* radio(MainWindow& form, const char* group, int item) {
    return find<OptionsRadioGroup>(form.options(), group)->item(item);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A window with the options panel shown, as the Options command shows it.
struct Options : Window {
    explicit Options(std::string_view saved = {}) : Window(saved) {
        form.optionsCommand()->trigger();
    }

    std::int32_t stored(const char* section, const char* key) {
        return form.settings().readInt(section, key, -1);
    }
    void arrow(bool up) {
        OptionsUpDown* upDown = find<OptionsUpDown>(form.options(), "UpDown1");
        click(up ? upDown->upArrow() : upDown->downArrow());
    }
    // Whether the game, the panel's labels and the settings file all hold these bet sizes.
    bool showsSizes(std::int32_t small, std::int32_t big) {
        return form.game().table().smallBet == small && form.game().table().bigBet == big &&
               find(form.options(), "Label3")->text() == QString::number(small) &&
               find(form.options(), "Label4")->text() == QString::number(big) &&
               stored("Bet", "small") == small && stored("Bet", "big") == big;
    }
    QLineEdit* edit(const QString& field) {
        return find<QLineEdit>(form.options(), qPrintable(field));
    }
    // Puts `text` into a field, presses the "Enter" beside it or Return in the field and returns
    // the message shown.
    QString enter(const QString& field, const QString& text, bool byReturn = false) {
        edit(field)->setText(text);
        QString message;
        answerNextBox(message);
        if (byReturn)
            QTest::keyClick(edit(field), Qt::Key_Return);
        else
            click(find<QAbstractButton>(form.options(),
                                        field == "money" ? "dxButton1" : "dxButton2"));
        return message;
    }
};

class OptionsPanelTest : public QObject {
    Q_OBJECT

private slots:
    // Each "Enter", or Return in its field, takes the amount beside it, and only that one,
    // within 100 to 1,000,000; a refused amount keeps the last accepted one, in the game and in
    // the file. A field holds nine characters at most, so a huge paste comes as nine digits.
    void enteringAnAmount() {
        const QString confirmed = QStringLiteral("New initial cash value confirmation");
        const QString refused = QStringLiteral("the value is off limits");
        const QString paste(1 << 20, QLatin1Char('7'));
        const std::tuple<QString, QString, QString, bool, bool> cases[] = {
            {"money", "100", confirmed, true, false},
            {"money", "1000000", confirmed, true, true},
            {"money", "99", refused, false, false},
            {"money", "1000001", refused, false, true},
            {"until", "12.5", "Invalid value", false, true},
            {"until", "700", "New until value confirmation", true, true},
            {"until", paste, refused, false, false}};
        for (const auto& [field, typed, message, accepted, byReturn] : cases) {
            Options options;
            options.enter("until", QStringLiteral("800"));
            const TableState before = options.form.game().table();
            const bool cash = field == QLatin1String("money");
            QCOMPARE(options.enter(field, typed, byReturn), message);
            QCOMPARE(options.edit(field)->text(), typed.left(9));

            const TableState& table = options.form.game().table();
            const std::int32_t initial = accepted && cash ? typed.toInt() : before.startingCash;
            const std::int32_t target = accepted && !cash ? typed.toInt() : 800;
            QCOMPARE((QList<int>{table.startingCash, options.stored("Cash", "initial"),
                                 table.targetMargin, options.stored("Cash", "until")}),
                     (QList<int>{initial, initial, target, target}));
            for (const SeatCode seat : kTableOrder)
                QCOMPARE(table.seats[seat].cash,
                         accepted && cash ? initial : before.seats[seat].cash);
        }
    }

    // The panel's raised edge is whole: white along the top and the left, grey along the bottom
    // and the right, to the last pixel of each.
    void raisedEdgeIsWhole() {
        Options options;
        const QImage image = options.form.options().grab().toImage();
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
        MainWindow& form = options.form;
        // Presses up or down, and the sizes after them: a press against the bottom still saves
        // level 1, and the control stays at 5, not beyond.
        for (const auto& [up, presses, small, big] :
             {std::tuple{false, 1, 2, 4}, {true, 1, 4, 8}, {true, 6, 10, 20}, {false, 1, 8, 16}}) {
            for (int press = 0; press < presses; ++press)
                options.arrow(up);
            QVERIFY(options.showsSizes(small, big));
        }

        // Every back, the first one chosen again last, inside the corners of Freak's last card,
        // which lies on top of the fan.
        for (const int item : {1, 2, 3, 0}) {
            click(radio(form, "cardbacks", item));
            QCOMPARE(options.stored("Card", "back"), kFirstCardBack + item);
            QCOMPARE(form.table().canvas().image().copy(104, 93, 67, 92),
                     CardArtwork::shared(1.0)->image(kFirstCardBack + item).copy(2, 2, 67, 92));
        }
        click(radio(form, "Levels", 3));
        QCOMPARE(form.game().table().aiLevel, AiLevel::Genius);
        QCOMPARE(options.stored("Levels", "comp"), levelValue(AiLevel::Genius));

        click(find<QAbstractButton>(form.options(), "dxButton3"));
        QVERIFY(form.options().isHidden());
    }

    // A window started from stored choices shows them, and showing them writes nothing. Sizes
    // of a level start the arrows there; any other sizes start them at level 1.
    void storedChoicesAreShownAndNotWritten() {
        const std::tuple<const char*, std::int32_t, std::int32_t> cases[] = {
            {"[Bet]\nsmall=6\nbig=12\n", 8, 16}, {"[Bet]\nsmall=6\nbig=4\n", 4, 8}};
        for (const auto& [bets, small, big] : cases) {
            Options options(std::string("[Card]\nback=55\n[Levels]\ncomp=25\n") + bets);
            MainWindow& form = options.form;
            const QByteArray before = contents(options.folder.settings());
            form.options().fillFromTable();
            QCOMPARE(contents(options.folder.settings()), before);
            QVERIFY(radio(form, "cardbacks", 3)->isChecked());
            QVERIFY(radio(form, "Levels", 1)->isChecked());
            options.arrow(true);
            QVERIFY2(options.showsSizes(small, big), bets);
        }
    }
};

OMAHA_UI_SUITE(OptionsPanelTest);

} // namespace
} // namespace omaha::test

#include "options_panel_test.moc"
