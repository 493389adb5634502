// Plays through the real window from the keyboard: the table's buttons and the Game menu.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

class PlayButtonsTest : public QObject {
    Q_OBJECT

private slots:
    // A hand played from the keyboard: each letter presses its button, and does nothing while
    // that button is disabled.
    void handPlayedWithTheKeys() {
        Window play;
        QCOMPARE(play.label("expertstatus"), QStringLiteral("small blind"));
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
        QVERIFY(!play.label("theresult").isEmpty());
        for (const TableButton button :
             {TableButton::Deal, TableButton::Stay, TableButton::Raise, TableButton::Fold})
            QCOMPARE(play.enabled(button), button == TableButton::Deal);
        QVERIFY(unchangedBy({Qt::Key_C, Qt::Key_R, Qt::Key_F}));

        play.key(Qt::Key_D);
        QVERIFY(!play.enabled(TableButton::Deal));
        QCOMPARE(play.label("theresult"), QString());
        // The blinds have moved on: Robot small, the human big.
        QCOMPARE(play.label("playerstatus"), QStringLiteral("big blind"));
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

        QString question;
        answerNextBox(question, QMessageBox::No);
        play.key(Qt::CTRL | Qt::Key_N);
        QCOMPARE(question, QStringLiteral("Are you sure?"));
        QVERIFY(play.enabled(TableButton::Deal));

        answerNextBox(question, QMessageBox::Yes);
        play.key(Qt::CTRL | Qt::Key_N);
        QCOMPARE(play.label("cash"), QStringLiteral("500"));
        QCOMPARE(form.game().table().initialcash, 500);
    }
};

OMAHA_UI_SUITE(PlayButtonsTest);

} // namespace
} // namespace omaha::test

#include "play_buttons_test.moc"
