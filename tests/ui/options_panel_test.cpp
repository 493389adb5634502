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
    Options() { form.optionsCommand()->trigger(); }

    std::int32_t stored(const char* section, const char* key) {
        return form.game().settings().readInt(section, key, -1);
    }
    void arrow(bool up) {
        OptionsUpDown* upDown = find<OptionsUpDown>(form.options(), "UpDown1");
        click(up ? upDown->upArrow() : upDown->downArrow());
    }
    QLineEdit* edit(const QString& field) {
        return find<QLineEdit>(form.options(), qPrintable(field));
    }
    // Puts `text` into a field, presses the "Enter" beside it or Return in the field and returns
    // the message shown.
    QString enter(const QString& field, const QString& text, bool byReturn = false) {
        edit(field)->clear();
        edit(field)->insert(text);
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
    // Each "Enter" takes the amount beside it, and only that one, within 100 to 1,000,000; a
    // refused amount keeps the last accepted one, in the game and in the file.
    void enteringAnAmount() {
        const QString confirmed = QStringLiteral("New initial cash value confirmation");
        const QString refused = QStringLiteral("the value is off limits");
        const std::tuple<QString, QString, QString, bool> cases[] = {
            {"money", "100", confirmed, true},    {"money", "1000000", confirmed, true},
            {"money", "99", refused, false},      {"money", "1000001", refused, false},
            {"until", "1000001", refused, false}, {"until", "12.5", "Invalid value", false}};
        for (const auto& [field, typed, message, accepted] : cases) {
            Options options;
            QCOMPARE(options.enter("until", QStringLiteral("800")),
                     QStringLiteral("New until value confirmation"));
            const TableState before = options.form.game().table();
            const bool cash = field == QLatin1String("money");
            QCOMPARE(options.enter(field, typed), message);

            const TableState& table = options.form.game().table();
            const std::int32_t initial = accepted && cash ? typed.toInt() : before.initialcash;
            const std::int32_t target = accepted && !cash ? typed.toInt() : 800;
            QCOMPARE(table.initialcash, initial);
            QCOMPARE(options.stored("Cash", "initial"), initial);
            QCOMPARE(table.untilcash, target);
            QCOMPARE(options.stored("Cash", "until"), target);
            for (const SeatCode seat : kTableOrder)
                QCOMPARE(table.seats[seat].cash,
                         accepted && cash ? initial : before.seats[seat].cash);
        }
    }

    // Return in a field does what the "Enter" beside it does. A field holds nine characters at
    // most, so a huge paste comes to the game as a nine-digit amount, off limits.
    void returnEntersAndFieldsStayShort() {
        Options options;
        const TableState& table = options.form.game().table();
        QCOMPARE(options.enter("money", "500", true),
                 QStringLiteral("New initial cash value confirmation"));
        QCOMPARE(options.enter("until", "700", true),
                 QStringLiteral("New until value confirmation"));
        QCOMPARE(table.initialcash, 500);
        QCOMPARE(table.untilcash, 700);
        for (const QString field : {"money", "until"}) {
            QCOMPARE(options.enter(field, QString(1 << 20, QLatin1Char('7')), true),
                     QStringLiteral("the value is off limits"));
            QCOMPARE(options.edit(field)->text(), QStringLiteral("777777777"));
        }
    }

    // Each side of the panel's raised edge and of the cash panel's two sunken bevels is whole,
    // the two corners where the colours meet in the darker one.
    void edgesAreWhole() {
        Options options;
        const QRgb white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128);
        QWidget* cashPanel = find<BevelPanel>(options.form.options(), "Panel3");
        const std::tuple<QWidget*, int, QRgb, QRgb> cases[] = {
            {&options.form.options(), 0, white, grey},
            {cashPanel, 0, grey, white},
            {cashPanel, 1, grey, white}};
        for (const auto& [panel, inset, topLeft, bottomRight] : cases) {
            const QImage image = panel->grab().toImage();
            const QRect frame = image.rect().adjusted(inset, inset, -inset, -inset);
            // The side of `length` pixels from `from` on, in `colour` up to its last pixel.
            const auto side = [&image](QPoint from, QPoint step, int length, QRgb colour,
                                       QRgb last) {
                for (int i = 0; i < length; ++i)
                    if ((image.pixel(from + i * step) | 0xff000000U) !=
                        (i + 1 < length ? colour : last))
                        return false;
                return true;
            };
            QVERIFY(side(frame.topLeft(), {1, 0}, frame.width(), topLeft, bottomRight));
            QVERIFY(side(frame.topLeft(), {0, 1}, frame.height(), topLeft, bottomRight));
            QVERIFY(side(frame.bottomLeft(), {1, 0}, frame.width(), bottomRight, bottomRight));
            QVERIFY(side(frame.topRight(), {0, 1}, frame.height(), bottomRight, bottomRight));
        }
    }

    // The arrows step the sizes level by level, stop at 1 and at 5, and every press saves both.
    // Another card back shows on the table at once; each choice is saved, and "Ok" only hides.
    void choicesAreTakenAndSaved() {
        Options options;
        MainWindow& form = options.form;
        const auto showsSizes = [&](std::int32_t small, std::int32_t big) {
            return form.game().table().smallbet == small && form.game().table().bigbet == big &&
                   find(form.options(), "Label3")->text() == QString::number(small) &&
                   find(form.options(), "Label4")->text() == QString::number(big) &&
                   options.stored("Bet", "small") == small && options.stored("Bet", "big") == big;
        };
        options.arrow(false);
        QVERIFY(showsSizes(2, 4)); // a press against the bottom still saves level 1
        options.arrow(true);
        QVERIFY(showsSizes(4, 8));
        for (int press = 0; press < 6; ++press)
            options.arrow(true);
        QVERIFY(showsSizes(10, 20));
        options.arrow(false);
        QVERIFY(showsSizes(8, 16)); // the control stayed at 5, not beyond

        click(radio(form, "cardbacks", 2));
        QCOMPARE(options.stored("Card", "back"), 54);
        // Inside the corners of Freak's last card, which lies on top of the fan.
        QCOMPARE(form.table().canvas().image().copy(104, 93, 67, 92),
                 CardArtwork::shared(1.0)->image(54).copy(2, 2, 67, 92));
        click(radio(form, "Levels", 3));
        QCOMPARE(form.game().table().complevel, AiLevel::Genius);
        QCOMPARE(options.stored("Levels", "comp"), levelValue(AiLevel::Genius));

        click(find<QAbstractButton>(form.options(), "dxButton3"));
        QVERIFY(form.options().isHidden());
        QCOMPARE(form.game().table().cardback, 54);
    }

    // A window started from stored choices shows them; showing them writes nothing.
    void fillingShowsTheStoredChoicesAndWritesNothing() {
        Window first;
        first.form.settings().writeInts({{"Card", "back", 55}});
        first.form.settings().writeInts({{"Levels", "comp", 25}});
        MainWindow form(SettingsFile(first.folder.settings().toStdString()), Window::fixedClock);
        const QByteArray before = contents(first.folder.settings());
        form.options().fillFromTable();
        QCOMPARE(contents(first.folder.settings()), before);
        QVERIFY(radio(form, "cardbacks", 3)->isChecked());
        QCOMPARE(radio(form, "Levels", 1)->text(), QStringLiteral("Expert"));
        QVERIFY(radio(form, "Levels", 1)->isChecked());
    }
};

OMAHA_UI_SUITE(OptionsPanelTest);

} // namespace
} // namespace omaha::test

#include "options_panel_test.moc"
