#include "ui/card_artwork.h"
#include "ui/options_panel.h"
#include "ui/options_radio_group.h"
#include "ui/options_up_down.h"
#include "ui/table_canvas.h"
#include "ui/table_surface.h"
#include "ui_test_support.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace omaha::test {
namespace {

// A window with the options panel shown, as the Options command shows it.
struct Options : Window {
    Options() { form.optionsCommand()->trigger(); }

    template <typename Control>
    Control* control(const char* name) {
        return form.options().findChild<Control*>(QLatin1String(name));
    }
    QRadioButton* radio(const char* group, int item) {
        return control<OptionsRadioGroup>(group)->item(item);
    }
    std::int32_t stored(const char* section, const char* key) {
        return form.game().settings().readInt(section, key, -1);
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void arrow(bool up) {
        OptionsUpDown* upDown = control<OptionsUpDown>("UpDown1");
        click(up ? upDown->upArrow() : upDown->downArrow());
    }
    // Types `text` into a field, presses the "Enter" beside it and returns the message shown.
    QString enter(const char* field, const QString& text) {
        control<QLineEdit>(field)->clear();
        QTest::keyClicks(control<QLineEdit>(field), text);
        QString message;
        answerNextBox(message);
        click(control<QAbstractButton>(qstrcmp(field, "money") == 0 ? "dxButton1" : "dxButton2"));
        return message;
    }
};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OptionsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void enteringAnAmount_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char* name, const char* field, const char* typed,
                            const char* message, bool accepted) {
            QTest::newRow(name) << QString(field) << QString(typed) << QString(message) << accepted;
        };
        row("cash 100", "money", "100", "New initial cash value confirmation", true);
        row("cash 1,000,000", "money", "1000000", "New initial cash value confirmation", true);
        row("cash 99", "money", "99", "the value is off limits", false);
        row("cash 1,000,001", "money", "1000001", "the value is off limits", false);
        row("target 1,000,001", "until", "1000001", "the value is off limits", false);
        row("target 12.5", "until", "12.5", "Invalid value", false);
    }

    // Each "Enter" takes the amount beside it, and only that one, within 100 to 1,000,000; a
    // refused amount keeps the last accepted one, in the game and in the file.
    void enteringAnAmount() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, accepted);
        Options options;
        QCOMPARE(options.enter("until", QStringLiteral("800")),
                 QStringLiteral("New until value confirmation"));
        const TableState before = options.form.game().table();
        const bool cash = field == QLatin1String("money");
        QCOMPARE(options.enter(qPrintable(field), typed), message);

        const TableState& table = options.form.game().table();
        const std::int32_t initial = accepted && cash ? typed.toInt() : before.initialcash;
        const std::int32_t target = accepted && !cash ? typed.toInt() : 800;
        QCOMPARE(table.initialcash, initial);
        QCOMPARE(options.stored("Cash", "initial"), initial);
        QCOMPARE(table.untilcash, target);
        QCOMPARE(options.stored("Cash", "until"), target);
        for (const SeatCode seat : kTableOrder)
            QCOMPARE(table.seats[seat].cash, accepted && cash ? initial : before.seats[seat].cash);
    }

    // The arrows step the sizes level by level, stop at 1 and at 5, and every press saves both.
    void arrowsStepTheBetSizesBetweenOneAndFive() {
        Options options;
        const auto showsSizes = [&options](std::int32_t small, std::int32_t big) {
            const TableState& table = options.form.game().table();
            return table.smallbet == small && table.bigbet == big &&
                   options.control<QLabel>("Label3")->text() == QString::number(small) &&
                   options.control<QLabel>("Label4")->text() == QString::number(big) &&
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
    }

    // Another card back shows on the table at once; each choice is saved, and "Ok" only hides.
    void choicesAreTakenAndSaved() {
        Options options;
        options.click(options.radio("cardbacks", 2));
        QCOMPARE(options.stored("Card", "back"), 54);
        // Inside the corners of Freak's last card, which lies on top of the fan.
        QCOMPARE(options.form.table().canvas().image().copy(104, 93, 67, 92),
                 CardArtwork::shared(1.0)->image(54).copy(2, 2, 67, 92));
        options.click(options.radio("Levels", 3));
        QCOMPARE(options.form.game().table().complevel, kGenius);
        QCOMPARE(options.stored("Levels", "comp"), kGenius);

        options.click(options.control<QAbstractButton>("dxButton3"));
        QVERIFY(options.form.options().isHidden());
        QCOMPARE(options.form.game().table().cardback, 54);
    }

    // A window started from stored choices shows them; showing them writes nothing.
    void fillingShowsTheStoredChoicesAndWritesNothing() {
        Window first;
        const QString path = first.folder.path(QStringLiteral("vellum.ini"));
        first.form.game().settings().writeInt("Card", "back", 55);
        first.form.game().settings().writeInt("Levels", "comp", 25);
        TForm1 form(SettingsFile(path.toStdString()), Window::fixedClock);
        const QByteArray before = contents(path);
        form.options().fillFromTable();
        QCOMPARE(contents(path), before);
        const auto radio = [&form](const char* group, int item) {
            return form.options().findChild<OptionsRadioGroup*>(QLatin1String(group))->item(item);
        };
        QVERIFY(radio("cardbacks", 3)->isChecked());
        QCOMPARE(radio("Levels", 1)->text(), QStringLiteral("Expert"));
        QVERIFY(radio("Levels", 1)->isChecked());
    }
};

OMAHA_UI_SUITE(OptionsPanelTest);

} // namespace
} // namespace omaha::test

#include "options_panel_test.moc"
