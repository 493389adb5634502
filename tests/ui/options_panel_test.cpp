#include "engine/game.h"
#include "engine/recording_view.h"
#include "ui/options_panel.h"
#include "ui/options_radio_group.h"
#include "ui/options_up_down.h"
#include "ui_test_support.h"

#include <filesystem>
#include <functional>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <string>

namespace omaha::test {
namespace {

// A folder of its own for the settings file; memory-backed where the machine has it, since the
// game syncs the file at every write.
QString scratchTemplate() {
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return base + QStringLiteral("/omaha-options-XXXXXX");
}

// A started game at a table with the options panel on it, shown as the Options command shows
// it. `store` fills the settings file before start-up reads it.
struct Bench {
    explicit Bench(const std::function<void(const SettingsFile&)>& store = {},
                   const QString& fileName = QStringLiteral("vellum.ini"))
        : settingsPath(folder.filePath(fileName).toStdString()),
          game(view, SettingsFile(settingsPath), [] { return 1'000'000U; }), panel(game, &table) {
        if (store)
            store(game.settings());
        game.startup();
        fileBeforeFill = fileBytes();
        paintsBeforeFill = view.paintCount();
        panel.fillFromTable();
        view.takeMessages();
        table.resize(800, 520);
        showAndWait(table);
        panel.toggle();
    }

    QByteArray fileBytes() const {
        QFile file(QString::fromStdString(settingsPath.string()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::int32_t stored(const char* section, const char* key) const {
        return game.settings().readInt(section, key, -1);
    }
    // The texts of the message boxes shown since the last call.
    QStringList messages() {
        QStringList texts;
        for (const RecordingView::Message& message : view.takeMessages())
            texts << QString::fromStdString(message.text);
        return texts;
    }

    template <typename Control>
    Control* control(const char* name) const {
        auto* found = panel.findChild<Control*>(QLatin1String(name));
        if (!found)
            qFatal("the options panel has no control %s", name);
        return found;
    }
    QString labelText(const char* name) const { return control<QLabel>(name)->text(); }
    QRadioButton* radio(const char* group, int item) const {
        return control<OptionsRadioGroup>(group)->item(item);
    }
    QToolButton* arrow(bool up) const {
        OptionsUpDown* upDown = control<OptionsUpDown>("UpDown1");
        return up ? upDown->upArrow() : upDown->downArrow();
    }

    // Replaces the text of a field by typing, as the player does.
    void type(const char* field, const QString& text) const {
        QLineEdit* edit = control<QLineEdit>(field);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }
    void press(const char* button) const { click(control<QAbstractButton>(button)); }

    QTemporaryDir folder{scratchTemplate()};
    std::filesystem::path settingsPath;
    RecordingView view;
    Game game;
    QWidget table;
    OptionsPanel panel;
    QByteArray fileBeforeFill;
    int paintsBeforeFill = 0;
};

class OptionsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void enteringAnAmount_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("accepted");

        const QString cashTaken = QStringLiteral("New initial cash value confirmation");
        const QString targetTaken = QStringLiteral("New until value confirmation");
        const QString offLimits = QStringLiteral("the value is off limits");
        const QString invalid = QStringLiteral("Invalid value");
        QTest::newRow("cash 100") << "money"
                                  << "100" << cashTaken << true;
        QTest::newRow("cash 1,000,000") << "money"
                                        << "1000000" << cashTaken << true;
        QTest::newRow("cash 99") << "money"
                                 << "99" << offLimits << false;
        QTest::newRow("cash 1,000,001") << "money"
                                        << "1000001" << offLimits << false;
        QTest::newRow("cash in words") << "money"
                                       << "lots" << invalid << false;
        QTest::newRow("cash left empty") << "money"
                                         << "" << invalid << false;
        QTest::newRow("target 100") << "until"
                                    << "100" << targetTaken << true;
        QTest::newRow("target 1,000,000") << "until"
                                          << "1000000" << targetTaken << true;
        QTest::newRow("target 50") << "until"
                                   << "50" << offLimits << false;
        QTest::newRow("target 1,000,001") << "until"
                                          << "1000001" << offLimits << false;
        QTest::newRow("target 12.5") << "until"
                                     << "12.5" << invalid << false;
    }

    // Each "Enter" takes the amount beside it, and only that one, within 100 to 1,000,000.
    void enteringAnAmount() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, accepted);
        Bench bench;
        const TableState before = bench.game.table();
        const bool cash = field == QLatin1String("money");

        bench.type(cash ? "money" : "until", typed);
        bench.press(cash ? "dxButton1" : "dxButton2");

        QCOMPARE(bench.messages(), QStringList{message});
        const TableState& table = bench.game.table();
        const std::int32_t amount = accepted ? typed.toInt() : 0;
        const std::int32_t initial = accepted && cash ? amount : before.initialcash;
        const std::int32_t target = accepted && !cash ? amount : before.untilcash;
        QCOMPARE(table.initialcash, initial);
        QCOMPARE(bench.stored("Cash", "initial"), initial);
        QCOMPARE(table.untilcash, target);
        QCOMPARE(bench.stored("Cash", "until"), target);
        for (const SeatCode seat : kTableOrder) {
            const std::int32_t seatCash = accepted && cash ? amount : before.seats[seat].cash;
            QCOMPARE(table.seats[seat].cash, seatCash);
        }
    }

    void refusedTargetKeepsTheLastAcceptedOne() {
        Bench bench;
        bench.type("until", QStringLiteral("800"));
        bench.press("dxButton2");
        bench.type("until", QStringLiteral("50"));
        bench.press("dxButton2");

        QCOMPARE(bench.messages(), (QStringList{QStringLiteral("New until value confirmation"),
                                                QStringLiteral("the value is off limits")}));
        QCOMPARE(bench.game.table().untilcash, 800);
        QCOMPARE(bench.stored("Cash", "until"), 800);
    }

    // Typing is no entry: only "Enter" applies a field, while New game reads `money` as it is.
    void typingWithoutEnterChangesNothing() {
        Bench bench;
        bench.type("money", QStringLiteral("500"));
        bench.type("until", QStringLiteral("900"));

        QVERIFY(bench.messages().isEmpty());
        QCOMPARE(bench.game.table().initialcash, 1200);
        QCOMPARE(bench.game.table().untilcash, 600);
        QCOMPARE(bench.fileBytes(), bench.fileBeforeFill);
        QCOMPARE(bench.panel.moneyText(), QStringLiteral("500"));
    }

    // The arrows step the sizes level by level, stop at 1 and at 5, and every press saves both.
    void arrowsStepTheBetSizesBetweenOneAndFive() {
        Bench bench;
        const auto showsSizes = [&bench](std::int32_t small, std::int32_t big) {
            const TableState& table = bench.game.table();
            return table.smallbet == small && table.bigbet == big &&
                   bench.labelText("Label3") == QString::number(small) &&
                   bench.labelText("Label4") == QString::number(big) &&
                   bench.stored("Bet", "small") == small && bench.stored("Bet", "big") == big;
        };
        QCOMPARE(bench.stored("Bet", "small"), -1); // start-up leaves the sizes unsaved

        bench.click(bench.arrow(false));
        QVERIFY(showsSizes(2, 4)); // a press against the bottom still saves level 1
        bench.click(bench.arrow(true));
        QVERIFY(showsSizes(4, 8));
        for (int press = 0; press < 6; ++press)
            bench.click(bench.arrow(true));
        QVERIFY(showsSizes(10, 20));
        bench.click(bench.arrow(false));
        QVERIFY(showsSizes(8, 16)); // the control stayed at 5, not beyond
        QVERIFY(bench.messages().isEmpty());
    }

    void arrowsStartFromTheStoredLevel() {
        Bench bench([](const SettingsFile& file) {
            file.writeInt("Bet", "small", 8);
            file.writeInt("Bet", "big", 16);
        });
        QCOMPARE(bench.labelText("Label3"), QStringLiteral("8"));
        QCOMPARE(bench.labelText("Label4"), QStringLiteral("16"));
        bench.click(bench.arrow(false));
        QCOMPARE(bench.game.table().smallbet, 6);
        QCOMPARE(bench.game.table().bigbet, 12);
    }

    // Sizes of no level, as an edited file may hold, are shown as they are; the arrows go on
    // from level 1.
    void sizesOfNoLevelStartTheArrowsAtOne() {
        Bench bench([](const SettingsFile& file) {
            file.writeInt("Bet", "small", 6);
            file.writeInt("Bet", "big", 4);
        });
        QCOMPARE(bench.labelText("Label3"), QStringLiteral("6"));
        QCOMPARE(bench.labelText("Label4"), QStringLiteral("4"));
        bench.click(bench.arrow(true));
        QCOMPARE(bench.game.table().smallbet, 4);
        QCOMPARE(bench.game.table().bigbet, 8);
    }

    void cardBackChoiceRepaintsAtOnceAndIsSaved() {
        Bench bench;
        const int paints = bench.view.paintCount();
        bench.click(bench.radio("cardbacks", 2));
        QCOMPARE(bench.game.table().cardback, 54);
        QCOMPARE(bench.view.paintCount(), paints + 1);
        QCOMPARE(bench.stored("Card", "back"), 54);
    }

    void choosingTheSelectedItemAgainChangesNothing() {
        Bench bench;
        bench.click(bench.radio("cardbacks", 3));
        bench.click(bench.radio("Levels", 3));
        // Marks in the file that a second save would overwrite.
        bench.game.settings().writeInt("Card", "back", 99);
        bench.game.settings().writeInt("Levels", "comp", 99);
        const int paints = bench.view.paintCount();

        bench.click(bench.radio("cardbacks", 3));
        bench.click(bench.radio("Levels", 3));
        QCOMPARE(bench.view.paintCount(), paints);
        QCOMPARE(bench.stored("Card", "back"), 99);
        QCOMPARE(bench.stored("Levels", "comp"), 99);
    }

    void aiLevelChoiceIsTakenAndSaved() {
        Bench bench;
        bench.click(bench.radio("Levels", 3));
        QCOMPARE(bench.game.table().complevel, kGenius);
        QCOMPARE(bench.stored("Levels", "comp"), kGenius);
        bench.click(bench.radio("Levels", 2));
        QCOMPARE(bench.game.table().complevel, kMasterLevel);
        QCOMPARE(bench.stored("Levels", "comp"), kMasterLevel);
    }

    void fillingShowsTheStoredGameAndWritesNothing() {
        Bench bench([](const SettingsFile& file) {
            file.writeInt("Cash", "initial", 5000);
            file.writeInt("Cash", "until", 700);
            file.writeInt("Card", "back", 55);
            file.writeInt("Levels", "comp", 25);
            file.writeInt("Bet", "small", 4);
            file.writeInt("Bet", "big", 8);
        });
        QCOMPARE(bench.panel.moneyText(), QStringLiteral("5000"));
        QCOMPARE(bench.control<QLineEdit>("until")->text(), QStringLiteral("700"));
        QCOMPARE(bench.control<OptionsRadioGroup>("cardbacks")->itemIndex(), 3);
        QCOMPARE(bench.control<OptionsRadioGroup>("Levels")->itemIndex(), 1);
        QVERIFY(bench.radio("Levels", 1)->isChecked());
        QCOMPARE(bench.labelText("Label3"), QStringLiteral("4"));
        QCOMPARE(bench.labelText("Label4"), QStringLiteral("8"));

        QCOMPARE(bench.fileBytes(), bench.fileBeforeFill);
        QCOMPARE(bench.view.paintCount(), bench.paintsBeforeFill);
        QVERIFY(bench.messages().isEmpty());
    }

    // Numbers that no item stands for keep the first items selected and the numbers unchanged.
    void unknownStoredChoicesLeaveTheFirstItems() {
        Bench bench([](const SettingsFile& file) {
            file.writeInt("Card", "back", 60);
            file.writeInt("Levels", "comp", 30);
        });
        QCOMPARE(bench.control<OptionsRadioGroup>("cardbacks")->itemIndex(), 0);
        QCOMPARE(bench.control<OptionsRadioGroup>("Levels")->itemIndex(), 0);
        QCOMPARE(bench.game.table().cardback, 60);
        QCOMPARE(bench.game.table().complevel, 30);
        QCOMPARE(bench.fileBytes(), bench.fileBeforeFill);
    }

    void okHidesAndOptionsToggles() {
        Bench bench; // shown, as the Options command left it
        QVERIFY(bench.panel.isVisible());
        bench.press("dxButton3");
        QVERIFY(bench.panel.isHidden());
        bench.panel.toggle();
        QVERIFY(bench.panel.isVisible());
        bench.panel.toggle();
        QVERIFY(bench.panel.isHidden());
    }

    void hiddenUntilShown() {
        RecordingView view;
        QTemporaryDir folder(scratchTemplate());
        Game game(view, SettingsFile(folder.filePath(QStringLiteral("vellum.ini")).toStdString()),
                  [] { return 1U; });
        QWidget table;
        OptionsPanel panel(game, &table);
        QVERIFY(panel.isHidden());
    }

    // A failed save shows its error box and returns to the event loop; the table keeps the
    // new sizes, and the labels show them.
    void failedSaveShowsAnErrorBoxAndPlayGoesOn() {
        Bench bench({}, QStringLiteral("gone/vellum.ini"));
        // A plain file where the settings folder was: nothing can be written there, not even by
        // the system's administrator.
        const QString folder = bench.folder.filePath(QStringLiteral("gone"));
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        QString error;
        whenModalAppears([&error](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            error = box ? box->text() : QString();
            if (box)
                box->done(QMessageBox::Ok);
            else
                modal->close();
        });
        bench.click(bench.arrow(true));

        QVERIFY2(error.startsWith(QStringLiteral("Unable to write to ")), qPrintable(error));
        QCOMPARE(bench.game.table().smallbet, 4);
        QCOMPARE(bench.labelText("Label3"), QStringLiteral("4"));
        QCOMPARE(bench.labelText("Label4"), QStringLiteral("8"));
        QVERIFY(bench.panel.isVisible());
    }

    // Every text lies whole inside the sub-panel that holds it, so none is cut off.
    void everyTextFitsItsPanel() {
        Bench bench;
        const auto insideParent = [](QWidget* widget) {
            return QRect(QPoint(0, 0), widget->parentWidget()->size()).contains(widget->geometry());
        };
        for (QLabel* label : bench.panel.findChildren<QLabel*>())
            QVERIFY2(insideParent(label), qPrintable(label->text()));
        for (QRadioButton* item : bench.panel.findChildren<QRadioButton*>())
            QVERIFY2(insideParent(item), qPrintable(item->text()));
    }
};

OMAHA_UI_SUITE(OptionsPanelTest);

} // namespace
} // namespace omaha::test

#include "options_panel_test.moc"
