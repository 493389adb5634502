// The main window played through as the player does: its keys, its menu, the windows it opens
// and what it reports.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // F1 shows the rules modally until "Ok"; each of its lines is whole inside the panel's bevel.
    void rulesWindowShowsWholeLines() {
        Window window;
        QWidget* shown = nullptr;
        whenModalAppears([&shown](QWidget* modal) {
            shown = modal;
            click(find<QPushButton>(*modal, "okButton"));
        });
        window.key(Qt::Key_F1);
        QCOMPARE(shown, find<QDialog>(window.form, "rulesWindow"));
        QVERIFY(!shown->isVisible());
        const QWidget* panel = find<QWidget>(*shown, "rulesPanel");
        for (int number = 1; number <= 17; ++number) {
            const QLabel* line =
                find(*panel, qPrintable(QStringLiteral("rulesLine%1").arg(number)));
            QVERIFY2(line->width() >= line->sizeHint().width() &&
                         line->x() + line->sizeHint().width() <= panel->width() - 2,
                     qPrintable(line->text()));
        }
    }

    // Ctrl+H opens the history beside the table, from the start-up hand on; it follows the play,
    // at the end while the reader is at the end, and can be selected and copied but not edited:
    // there the letters press the table's buttons.
    void historyWindowFollowsThePlay() {
        Window play;
        play.key(Qt::CTRL | Qt::Key_H);
        auto* history = find<QWidget>(play.form, "historyWindow");
        QVERIFY(history->isVisible());
        showAndWait(*history);
        auto* text = find<QPlainTextEdit>(*history, "handHistoryText");
        const QString startup = text->toPlainText();
        QVERIFY(startup.startsWith(QString::fromUtf8("Hand 1\nYou hold 3♥ 2♥ 7♣ 4♦\n")));
        // The text cannot be typed into: its letters are the table's keys, here too.
        QTest::keyClicks(text, "f");
        QCOMPARE(play.label("playerStatus"), QStringLiteral("you fold"));
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
    // start-up hand on, when no community card is out yet. Labels grow with their texts, so none
    // is cut off.
    void screenReadersHearTheControlsAndTheTable() {
        Window play;
        MainWindow& form = play.form;
        for (const char* window : {"table", "rulesWindow", "historyWindow"})
            for (QWidget* control : find<QWidget>(form, window)->findChildren<QWidget*>())
                for (const char* kind : {"QAbstractButton", "QLineEdit", "QPlainTextEdit",
                                         "omaha::OptionsRadioGroup", "omaha::OptionsUpDown"})
                    QVERIFY2(!control->inherits(kind) ||
                                 !heard(control, QAccessible::Name).isEmpty(),
                             qPrintable(control->objectName()));
        QCOMPARE(heard(&form, QAccessible::Name), QStringLiteral("Omaha"));
        // Amounts and statuses are heard with whose they are, their texts as descriptions.
        const std::tuple<const char*, const char*, const char*> labels[] = {
            {"freakCash", "Freak's cash", "1200"},
            {"robotStatus", "Robot's status", "big blind"},
            {"playerCash", "Your cash", "1200"},
            {"playerStatus", "Your status", ""},
            {"potAmount", "Pot", "3"}};
        for (const auto& [object, name, text] : labels) {
            QLabel* label = find(form, object);
            QCOMPARE(heard(label, QAccessible::Name), QLatin1String(name));
            QCOMPARE(heard(label, QAccessible::Description), QLatin1String(text));
        }
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&play.table());
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Table"));
        const std::pair<std::vector<Qt::Key>, const char*> steps[] = {
            {{},
             "Your cards: 3♥ 2♥ 7♣ 4♦. Community cards: none. Cards face down: Freak, Geek, "
             "Master, Champ, Pinhead, Expert, Robot. Pot: 3."},
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
            for (const QLabel* label : play.table().findChildren<QLabel*>())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
    }

    // A command that cannot write the settings file reports it with the reason, and play goes
    // on; an error while the window starts leaves the constructor.
    void errorsAreReported() {
        Window window;
        window.key(Qt::Key_F);
        QVERIFY(QFile::remove(window.folder.settings()));
        QVERIFY(QDir().mkdir(window.folder.settings())); // a folder in its place cannot be written
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
        const auto unchangedBy = [&play](std::initializer_list<Qt::Key> keys) {
            const QString pot = play.label("potAmount"), status = play.label("playerStatus");
            for (const Qt::Key key : keys)
                play.key(key);
            return play.label("potAmount") == pot && play.label("playerStatus") == status;
        };
        QVERIFY(unchangedBy({Qt::Key_D}));
        // A key held down presses once: its repeats press nothing, so holding C cannot call
        // through a hand.
        qt_sendShortcutOverrideEvent(&play.form, 0, Qt::Key_C, Qt::NoModifier, "c", true);
        QCOMPARE(play.label("playerCash"), QStringLiteral("1200"));

        // The human raises Robot's big blind, paying it and a small bet.
        play.key(Qt::Key_R);
        QCOMPARE(play.label("playerCash"), QStringLiteral("1196"));

        play.key(Qt::Key_F);
        QCOMPARE(play.label("playerStatus"), QStringLiteral("you fold"));
        QVERIFY(unchangedBy({Qt::Key_C, Qt::Key_R, Qt::Key_F}));

        play.key(Qt::Key_D);
        QVERIFY(!play.enabled(TableButton::Deal));
        QVERIFY(!unchangedBy({Qt::Key_C}));
    }

    // The button that loses the focus by being disabled hands it to Check/Call, or to Deal once
    // the hand is over, never to Fold: Space goes on calling and dealing, and never folds.
    void focusNeverFallsOnFold() {
        CallingOpponents callers;
        Window play({}, &callers);
        const auto focused = [&play](TableButton which) {
            return play.form.focusWidget() == play.button(which);
        };
        play.button(TableButton::Stay)->setFocus();
        // Calls the big blind, then checks the flop, the turn and the river: the hand is over.
        for (int street = 0; street < 4; ++street)
            QTest::keyClick(play.form.focusWidget(), Qt::Key_Space);
        QVERIFY(focused(TableButton::Deal));
        // Dealing disables Deal before any other button is back; Check/Call takes the focus.
        QTest::keyClick(play.form.focusWidget(), Qt::Key_Space);
        QVERIFY(focused(TableButton::Stay) && !play.enabled(TableButton::Deal));
    }

    // Ctrl+O shows and hides the options panel; Ctrl+N asks first, saying what a new game does,
    // then starts again with the cash typed in the panel. Letters typed there are text, not
    // presses, and cash that is no number is an error that leaves the game as it was.
    void gameMenuFromTheKeyboard() {
        Window play;
        play.key(Qt::Key_F);
        QVERIFY(!play.options().isVisible());
        play.key(Qt::CTRL | Qt::Key_O);
        QVERIFY(play.options().isVisible());
        auto* money = find<QLineEdit>(play.options(), "initialCashField");
        money->setFocus();
        money->clear();
        QTest::keyClicks(money, "d500");
        QCOMPARE(money->text(), QStringLiteral("d500"));
        QVERIFY(play.enabled(TableButton::Deal));
        play.key(Qt::CTRL | Qt::Key_O);
        QVERIFY(!play.options().isVisible());

        QString effect, error, detail = QStringLiteral("none");
        whenModalAppears([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            effect = box->informativeText();
            answerNextBox(error, QMessageBox::Ok, &detail);
            box->button(QMessageBox::Yes)->click();
        });
        play.key(Qt::CTRL | Qt::Key_N);
        QCOMPARE(effect, QStringLiteral(
                             "A new game gives every seat the initial cash typed in the options."));
        QCOMPARE(error, QStringLiteral("'d500' is not a valid integer value"));
        QCOMPARE(detail, QString());
        QVERIFY(play.enabled(TableButton::Deal));

        // Return answers No and the game goes on.
        money->setText("500");
        QString question;
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
        QCOMPARE(play.label("playerCash"), QStringLiteral("500"));
    }

    // A game saved after it was lost tells so at start-up, while the window is still being
    // built: the message waits until the table is on the screen and then shows over it.
    void messageAtStartUpWaitsForTheTable() {
        QString text;
        QWidget* over = nullptr;
        whenModalAppears([&text, &over](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            text = box->text();
            over = box->parentWidget()->isVisible() ? box->parentWidget() : nullptr;
            box->button(QMessageBox::Ok)->click();
        });
        Window lost("[Cash]\nplayer=0\n");
        QTRY_COMPARE(text, QStringLiteral("You lose!"));
        QCOMPARE(over, &lost.form);
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
            QTest::qWait(20);
            return heard(&play.table(), QAccessible::Description).section(QLatin1Char('.'), 0, 0);
        };
        for (const auto answer : {QMessageBox::Yes, QMessageBox::No}) {
            std::uint32_t seconds = Window::fixedClock();
            const QString moved = dealtAfterNewGame([&seconds] { return seconds++; }, answer);
            QVERIFY(moved.startsWith(QStringLiteral("Your cards: ")));
            QVERIFY(moved != dealtAfterNewGame(Window::fixedClock, answer));
        }
    }

    // A computer player's raise shows in yellow on the table until the player's next action
    // turns every status white again, and Check/Call reads, and is heard as, Call while the raise
    // waits; its tooltip names its key.
    void aRaiseShowsInYellowUntilTheNextAction() {
        // Geek raises its first turn on the flop; everyone else calls and checks.
        struct GeekRaisesTheFlop final : CallingOpponents {
            std::int32_t raiseInTurn(TableState& table, SeatCode seat) override {
                return seat == kGeek && table.street == Street::Flop ? table.smallBet : 0;
            }
        } opponents;
        Window play({}, &opponents);
        const QLabel* geek = find(play.form, "geekStatus");
        const auto colour = [geek] { return geek->palette().color(QPalette::WindowText); };
        QPushButton* stay = play.button(TableButton::Stay);
        const auto stayReads = [stay](const char* caption) {
            return stay->text() == QLatin1String(caption) &&
                   heard(stay, QAccessible::Name) == QLatin1String(caption) &&
                   stay->toolTip() == QLatin1String(caption) + " (C)";
        };
        QVERIFY(stayReads("Call"));
        play.key(Qt::Key_C); // calls the big blind; the flop shows
        QVERIFY(stayReads("Check"));
        play.key(Qt::Key_C); // checks the flop: Geek raises
        QCOMPARE(geek->text(), QStringLiteral("Raises"));
        QCOMPARE(colour(), QColor(255, 255, 0));
        QVERIFY(stayReads("Call"));
        play.key(Qt::Key_C); // calls the raise
        QCOMPARE(colour(), QColor(255, 255, 255));
    }
};

OMAHA_UI_SUITE(MainWindowTest);

} // namespace
} // namespace omaha::test

#include "main_window_test.moc"
