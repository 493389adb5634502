// Plays through the real window: the table's buttons and the Game menu, as a player clicks them.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

class PlayButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void handPlayedWithTheTablesButtons() {
        Window play;
        MainWindow& form = play.form;
        QCOMPARE(play.label("expertstatus"), QStringLiteral("small blind"));
        QCOMPARE(form.buttons()[TableButton::Stay]->text(), QStringLiteral("Call"));

        // The human calls Robot's big blind: the call costs the big blind and the flop comes.
        play.press(TableButton::Stay);
        QCOMPARE(play.label("cash"), QStringLiteral("1198"));
        QVERIFY(form.game().table().street >= Street::Flop);
        const bool facingBet = !play.enabled(TableButton::Raise);
        QCOMPARE(form.buttons()[TableButton::Stay]->text(),
                 facingBet ? QStringLiteral("Call") : QStringLiteral("Check"));
        QVERIFY(!play.enabled(TableButton::Deal));

        play.press(TableButton::Fold);
        QCOMPARE(play.label("playerstatus"), QStringLiteral("you fold"));
        QVERIFY(!play.label("theresult").isEmpty());
        for (const TableButton button :
             {TableButton::Deal, TableButton::Stay, TableButton::Raise, TableButton::Fold})
            QCOMPARE(play.enabled(button), button == TableButton::Deal);
        // A disabled button ignores the click.
        const std::int32_t pot = form.game().table().pot;
        play.press(TableButton::Raise);
        QCOMPARE(form.game().table().pot, pot);

        play.press(TableButton::Deal);
        QVERIFY(!play.enabled(TableButton::Deal));
        QVERIFY(play.enabled(TableButton::Fold));
        QCOMPARE(play.label("theresult"), QString());
        // The blinds have moved on: Robot small, the human big.
        QCOMPARE(play.label("playerstatus"), QStringLiteral("big blind"));
        QCOMPARE(form.game().table().blindmarker, kHuman);
    }

    // The button that loses the focus by being disabled hands it to Check/Call, or to Deal once
    // the hand is over, never to Fold: Space goes on calling and dealing, and never folds.
    void focusNeverFallsOnFold() {
        Window play;
        MainWindow& form = play.form;
        const auto focused = [&form](TableButton which) {
            return form.focusWidget() == form.buttons()[which];
        };
        const auto space = [&form] { QTest::keyClick(form.focusWidget(), Qt::Key_Space); };
        // A computer seat raises while the player is on Raise.
        form.buttons()[TableButton::Raise]->setFocus();
        form.view().enableButton(TableButton::Raise, false);
        QVERIFY(focused(TableButton::Stay));
        space();
        QVERIFY(!form.game().table().seats[kHuman].folded);

        // The hand ends with the player on Check/Call, as the game switches the buttons.
        form.buttons()[TableButton::Stay]->setFocus();
        form.view().enableButton(TableButton::Deal, true);
        for (const TableButton button : {TableButton::Raise, TableButton::Fold, TableButton::Stay})
            form.view().enableButton(button, false);
        QVERIFY(focused(TableButton::Deal));
        // Dealing disables Deal before any other button is back; Check/Call takes the focus.
        space();
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

    // The Options command shows and hides the panel; New Game asks first, then starts again with
    // the cash typed in the panel.
    void gameMenu() {
        Window play;
        MainWindow& form = play.form;
        QVERIFY(!form.options().isVisible());
        form.optionsCommand()->trigger();
        QVERIFY(form.options().isVisible());
        QCOMPARE(form.options().geometry().topLeft(), QPoint(192, 72));
        form.optionsCommand()->trigger();
        QVERIFY(!form.options().isVisible());

        find<QLineEdit>(form.options(), "money")->setText("500");
        QString question;
        answerNextBox(question, QMessageBox::No);
        form.newGameCommand()->trigger();
        QCOMPARE(question, QStringLiteral("Are you sure?"));
        QCOMPARE(play.label("cash"), QStringLiteral("1200"));

        answerNextBox(question, QMessageBox::Yes);
        form.newGameCommand()->trigger();
        QCOMPARE(play.label("cash"), QStringLiteral("500"));
        QCOMPARE(play.label("lblecash"), QStringLiteral("499"));
        QCOMPARE(play.label("lblrcash"), QStringLiteral("498"));
        QCOMPARE(form.game().table().initialcash, 500);
    }
};

OMAHA_UI_SUITE(PlayButtonsTest);

} // namespace
} // namespace omaha::test

#include "play_buttons_test.moc"
