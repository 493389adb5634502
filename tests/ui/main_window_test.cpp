// The main window played through as the player does: its keys, its menu, the windows it opens
// and what it reports.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Labels grow with their texts, so none is cut off; so do the rules window's lines, each
    // whole inside the panel's bevel. F1 shows that window modally until "Ok".
    void labelsAndRulesFitTheirTexts() {
        Window window;
        MainWindow& form = window.form;
        form.view().showStatus(kRobot, "Full house Kings");
        const QLabel* status = form.labels().seats[kRobot].status;
        QVERIFY(status->width() >= status->sizeHint().width());
        const RulesWindow& box = form.rules();
        for (const QLabel* line : box.lines()) {
            QVERIFY2(line->parentWidget() == box.panel() &&
                         line->width() >= line->sizeHint().width() &&
                         line->x() + line->sizeHint().width() <= box.panel()->width() - 2,
                     qPrintable(line->text()));
        }
        QWidget* shown = nullptr;
        whenModalAppears([&shown, &form](QWidget* modal) {
            shown = modal;
            click(form.rules().okButton());
        });
        window.key(Qt::Key_F1);
        QCOMPARE(shown, &form.rules());
        QVERIFY(!form.rules().isVisible());
    }

    // Ctrl+H opens the history beside the table, from the start-up hand on; it follows the play,
    // at the end while the reader is at the end, and can be selected and copied but not edited:
    // there the letters press the table's buttons.
    void historyWindowFollowsThePlay() {
        Window play;
        play.key(Qt::CTRL | Qt::Key_H);
        HistoryWindow& history = play.form.history();
        QVERIFY(history.isVisible());
        showAndWait(history);
        QPlainTextEdit* text = history.text();
        const QString startup = text->toPlainText();
        QVERIFY(startup.startsWith(QString::fromUtf8("Hand 1\nYou hold 3♥ 2♥ 7♣ 4♦\n")));
        // The text cannot be typed into: its letters are the table's keys, here too.
        QTest::keyClicks(text, "f");
        QCOMPARE(play.label("playerstatus"), QStringLiteral("you fold"));
        QTRY_VERIFY(text->toPlainText().contains(QStringLiteral("\nYou fold\n")));
        QTest::keyClick(text, Qt::Key_End, Qt::ShiftModifier);
        QTest::keySequence(text, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Hand 1"));

        // Back to the table, the history still open.
        showAndWait(play.form);
        QScrollBar* scroll = text->verticalScrollBar();
        for (int hand = 2; hand <= 4; ++hand) {
            for (const Qt::Key key : {Qt::Key_F, Qt::Key_D})
                play.key(key);
            QTRY_VERIFY(text->toPlainText().contains(QStringLiteral("Hand %1").arg(hand)));
            QCOMPARE(scroll->value(), scroll->maximum());
        }
        QVERIFY(scroll->maximum() > 0);
        scroll->setValue(0);
        const QString before = text->toPlainText();
        play.key(Qt::Key_F);
        QTRY_VERIFY(text->toPlainText() != before);
        QCOMPARE(scroll->value(), 0);
    }

    // Every control has a name for screen readers, and the table tells what it shows, from the
    // start-up hand on, when no community card is out yet.
    void screenReadersHearTheControlsAndTheTable() {
        Window play;
        MainWindow& form = play.form;
        const std::initializer_list<QWidget*> windows = {&form.table(), &form.rules(),
                                                         &form.history()};
        for (const QWidget* window : windows)
            for (QWidget* control : window->findChildren<QWidget*>())
                for (const char* kind : {"QAbstractButton", "QLineEdit", "QPlainTextEdit",
                                         "omaha::OptionsRadioGroup", "omaha::OptionsUpDown"})
                    QVERIFY2(!control->inherits(kind) ||
                                 !QAccessible::queryAccessibleInterface(control)
                                      ->text(QAccessible::Name)
                                      .isEmpty(),
                             qPrintable(control->objectName()));
        const auto heard = [](QObject* control, QAccessible::Text what) {
            return QAccessible::queryAccessibleInterface(control)->text(what);
        };
        QCOMPARE(heard(&form, QAccessible::Name), QStringLiteral("Omaha"));
        // Amounts and statuses are heard with whose they are, their texts as descriptions.
        const BySeat<SeatLabels>& seats = form.labels().seats;
        const std::tuple<QLabel*, const char*, const char*> labels[] = {
            {seats[kFreak].cash, "Freak's cash", "1200"},
            {seats[kRobot].status, "Robot's status", "big blind"},
            {seats[kHuman].cash, "Your cash", "1200"},
            {seats[kHuman].status, "Your status", ""},
            {form.labels().pot, "Pot", "3"}};
        for (const auto& [label, name, text] : labels) {
            QCOMPARE(heard(label, QAccessible::Name), QLatin1String(name));
            QCOMPARE(heard(label, QAccessible::Description), QLatin1String(text));
        }
        // Check/Call is heard as it reads, and its tooltip follows.
        GradientButton* stay = form.buttons()[TableButton::Stay];
        const auto stayHeardAs = [&](const char* caption) {
            return heard(stay, QAccessible::Name) == QLatin1String(caption) &&
                   heard(stay, QAccessible::Description) == QLatin1String(caption) + " (C)";
        };
        QVERIFY(stayHeardAs("Call"));
        form.view().setStayCaption("Check");
        QVERIFY(stayHeardAs("Check"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&form.table());
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Table"));
        const std::pair<std::vector<Qt::Key>, const char*> steps[] = {
            {{},
             "Your cards: 3♥ 2♥ 7♣ 4♦. Community cards: none. Cards face down: Freak, Geek, "
             "Master, "
             "Champ, Pinhead, Expert, Robot. Pot: 3."},
            {{Qt::Key_C, Qt::Key_F},
             "Your cards: none. Community cards: 10♥ 9♣ 2♠ Q♠ 8♦. Cards face up: Freak 8♣ A♥ K♠ "
             "7♥, Geek 7♦ J♣ 6♣ J♥, Master Q♣ 3♠ Q♦ 10♣, Champ 4♥ K♦ A♦ 10♠, Pinhead 7♠ 4♣ 5♦ "
             "8♠, Expert 9♠ 3♦ K♥ 5♠, Robot J♠ 9♥ 8♥ A♠. Pot: 19."},
            {{Qt::Key_D, Qt::Key_C},
             "Your cards: Q♠ 9♠ A♦ 4♣. Community cards: 2♥ A♥ J♦. Cards face down: Freak, Geek, "
             "Master, Champ, Pinhead, Expert. No cards: Robot. Pot: 41."}};
        for (const auto& [keys, expected] : steps) {
            for (const Qt::Key key : keys)
                play.key(key);
            QTRY_COMPARE(table->text(QAccessible::Description), QString::fromUtf8(expected));
        }
    }

    // A command that cannot write the settings file reports it with the reason, and play goes
    // on; an error while the window starts leaves the constructor.
    void errorsAreReported() {
        Window window;
        QVERIFY(QFile::remove(window.folder.settings()));
        QVERIFY(QDir().mkdir(window.folder.settings())); // a folder in its place cannot be written
        window.form.view().enableButton(TableButton::Deal, true);
        QString error, reason;
        answerNextBox(error, QMessageBox::Ok, &reason);
        window.press(TableButton::Deal);
        QTRY_VERIFY(error.startsWith(QStringLiteral("Unable to write to")));
        QCOMPARE(reason, QStringLiteral("Is a directory")); // the system's, in the details
        QVERIFY(window.form.isVisible() && window.enabled(TableButton::Deal));

        // The bitmap is a file, so no settings file can be made beneath it.
        const std::string unwritable =
            window.folder.path(QStringLiteral("baize.bmp/vellum.ini")).toStdString();
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 MainWindow(SettingsFile(unwritable), Window::fixedClock));
    }

    // A hand played from the keyboard: each letter presses its button, and does nothing while
    // that button is disabled.
    void handPlayedWithTheKeys() {
        Window play;
        QCOMPARE(play.form.buttons()[TableButton::Stay]->text(), QStringLiteral("Call"));
        const auto unchangedBy = [&play](std::initializer_list<Qt::Key> keys) {
            const QString pot = play.label("betsize"), status = play.label("playerstatus");
            for (const Qt::Key key : keys)
                play.key(key);
            return play.label("betsize") == pot && play.label("playerstatus") == status;
        };
        QVERIFY(unchangedBy({Qt::Key_D}));
        // A key held down presses once: its repeats press nothing, so holding C cannot call
        // through a hand.
        qt_sendShortcutOverrideEvent(&play.form, 0, Qt::Key_C, Qt::NoModifier, "c", true);
        QCOMPARE(play.label("cash"), QStringLiteral("1200"));

        // The human raises Robot's big blind, paying it and a small bet.
        play.key(Qt::Key_R);
        QCOMPARE(play.label("cash"), QStringLiteral("1196"));

        play.key(Qt::Key_F);
        QCOMPARE(play.label("playerstatus"), QStringLiteral("you fold"));
        for (const TableButton button :
             {TableButton::Deal, TableButton::Stay, TableButton::Raise, TableButton::Fold})
            QCOMPARE(play.enabled(button), button == TableButton::Deal);
        QVERIFY(unchangedBy({Qt::Key_C, Qt::Key_R, Qt::Key_F}));

        play.key(Qt::Key_D);
        QVERIFY(!play.enabled(TableButton::Deal));
        QCOMPARE(play.label("theresult"), QString());
        QVERIFY(!unchangedBy({Qt::Key_C}));
    }

    // The button that loses the focus by being disabled hands it to Check/Call, or to Deal once
    // the hand is over, never to Fold: Space goes on calling and dealing, and never folds.
    void focusNeverFallsOnFold() {
        Window play;
        MainWindow& form = play.form;
        const auto focused = [&form](TableButton which) {
            return form.focusWidget() == form.buttons()[which];
        };
        // The hand ends with the player on Check/Call, as the game switches the buttons.
        form.buttons()[TableButton::Stay]->setFocus();
        form.view().enableButton(TableButton::Deal, true);
        for (const TableButton button : {TableButton::Raise, TableButton::Fold, TableButton::Stay})
            form.view().enableButton(button, false);
        QVERIFY(focused(TableButton::Deal));
        // Dealing disables Deal before any other button is back; Check/Call takes the focus.
        QTest::keyClick(form.focusWidget(), Qt::Key_Space);
        QVERIFY(focused(TableButton::Stay));
        QCOMPARE(form.game().table().street, Street::Preflop);

        // With neither to take it, the focus waits for the first of them to come back.
        form.buttons()[TableButton::Raise]->setFocus();
        for (const TableButton button : {TableButton::Stay, TableButton::Raise})
            form.view().enableButton(button, false);
        QVERIFY(!focused(TableButton::Fold));
        form.view().enableButton(TableButton::Stay, true);
        QVERIFY(focused(TableButton::Stay));
    }

    // Ctrl+O shows and hides the options panel; Ctrl+N asks first, then starts again with the
    // cash typed in the panel. Letters typed there are text, not presses.
    void gameMenuFromTheKeyboard() {
        Window play;
        MainWindow& form = play.form;
        play.key(Qt::Key_F);
        QVERIFY(!form.options().isVisible());
        play.key(Qt::CTRL | Qt::Key_O);
        QVERIFY(form.options().isVisible());
        auto* money = find<QLineEdit>(form.options(), "money");
        money->setFocus();
        money->clear();
        QTest::keyClicks(money, "d500");
        QCOMPARE(money->text(), QStringLiteral("d500"));
        QVERIFY(play.enabled(TableButton::Deal));
        money->setText("500");
        play.key(Qt::CTRL | Qt::Key_O);
        QVERIFY(!form.options().isVisible());

        // The box says what a new game does; Return answers No and the game goes on.
        QString question, effect;
        whenModalAppears([&question, &effect](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            question = box->text();
            effect = box->informativeText();
            QTest::keyClick(box, Qt::Key_Return);
        });
        play.key(Qt::CTRL | Qt::Key_N);
        QCOMPARE(question, QStringLiteral("Are you sure?"));
        QCOMPARE(effect, QStringLiteral("A new game gives every seat the initial cash of 500."));
        QVERIFY(play.enabled(TableButton::Deal));

        answerNextBox(question, QMessageBox::Yes);
        play.key(Qt::CTRL | Qt::Key_N);
        QCOMPARE(play.label("cash"), QStringLiteral("500"));
    }

    // A message the game gives while the window is still being built, as at start-up, waits
    // until the table is on the screen and then shows over it.
    void messageAtStartUpWaitsForTheTable() {
        QWidget window;
        auto* surface = new TableSurface(&window);
        WindowTableView view(&window, *surface, createTableLabels(surface),
                             createTableButtons(surface));
        QString text;
        bool overTheTable = false;
        whenModalAppears([&text, &overTheTable, &window](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            text = box->text();
            overTheTable = window.isVisible() && box->parentWidget() == &window;
            box->button(QMessageBox::Ok)->click();
        });
        view.showMessage("You lose!", "Game over");
        showAndWait(window);
        QTRY_COMPARE(text, QStringLiteral("You lose!"));
        QVERIFY(overTheTable);
    }

    // New game seeds the random source afresh from the clock whether the answer is Yes or No: a
    // clock that has moved on since start-up deals other cards than one that stands still.
    void newGameReseedsFromTheClock() {
        const auto dealtAfterNewGame = [](Game::Clock clock, QMessageBox::StandardButton answer) {
            Window play({}, nullptr, std::move(clock));
            QString question;
            answerNextBox(question, answer);
            play.key(Qt::CTRL | Qt::Key_N);
            if (answer == QMessageBox::No)
                for (const Qt::Key key : {Qt::Key_F, Qt::Key_D})
                    play.key(key);
            return play.form.game().table().seats[kHuman].hole;
        };
        for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
            std::uint32_t seconds = Window::fixedClock();
            const Hole moved = dealtAfterNewGame([&seconds] { return seconds++; }, answer);
            QVERIFY(moved != dealtAfterNewGame(Window::fixedClock, answer));
        }
    }

    // A computer player's raise shows in yellow on the table until the player's next action
    // turns every status white again.
    void aRaiseShowsInYellowUntilTheNextAction() {
        // Geek raises its first turn on the flop; everyone else calls and checks.
        struct GeekRaisesTheFlop final : Opponents {
            bool callsBet(TableState&, SeatCode) override { return true; }
            std::int32_t raiseInTurn(TableState& table, SeatCode seat) override {
                return seat == kGeek && table.street == Street::Flop ? table.smallBet : 0;
            }
        } opponents;
        Window play({}, &opponents);
        const QLabel* geek = play.form.labels().seats[kGeek].status;
        const auto colour = [geek] { return geek->palette().color(QPalette::WindowText); };
        play.key(Qt::Key_C); // calls the big blind; the flop shows
        play.key(Qt::Key_C); // checks the flop: Geek raises
        QCOMPARE(geek->text(), QStringLiteral("Raises"));
        QCOMPARE(colour(), QColor(255, 255, 0));
        play.key(Qt::Key_C); // calls the raise
        QCOMPARE(colour(), QColor(255, 255, 255));
    }
};

OMAHA_UI_SUITE(MainWindowTest);

} // namespace
} // namespace omaha::test

#include "main_window_test.moc"
