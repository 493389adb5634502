// Plays through the real window: the table's buttons and the Game menu, as a player clicks them.
#include "ui/gradient_button.h"
#include "ui/main_window.h"
#include "ui/options_panel.h"
#include "ui/table_surface.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace omaha::test {
namespace {

QString labelText(TForm1& form, const char* name) {
    return form.table().findChild<QLabel*>(QLatin1String(name))->text();
}

void click(TForm1& form, TableButton which) {
    QTest::mouseClick(form.buttons()[which], Qt::LeftButton);
}

bool enabled(TForm1& form, TableButton which) {
    return form.buttons()[which]->isEnabled();
}

class PlayButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void handPlayedWithTheTablesButtons() {
        Window window;
        TForm1& form = window.form;
        QCOMPARE(labelText(form, "expertstatus"), QStringLiteral("small blind"));
        QCOMPARE(form.buttons()[TableButton::Stay]->text(), QStringLiteral("Call"));

        // The human calls Robot's big blind: the call costs the big blind and the flop comes.
        click(form, TableButton::Stay);
        QCOMPARE(labelText(form, "cash"), QStringLiteral("1198"));
        QVERIFY(form.game().table().street >= kFlop);
        const bool facingBet = !enabled(form, TableButton::Raise);
        QCOMPARE(form.buttons()[TableButton::Stay]->text(),
                 facingBet ? QStringLiteral("Call") : QStringLiteral("Check"));
        QVERIFY(!enabled(form, TableButton::Deal));

        click(form, TableButton::Fold);
        QCOMPARE(labelText(form, "playerstatus"), QStringLiteral("you fold"));
        QVERIFY(!labelText(form, "theresult").isEmpty());
        QVERIFY(enabled(form, TableButton::Deal));
        QVERIFY(!enabled(form, TableButton::Stay));
        QVERIFY(!enabled(form, TableButton::Raise));
        QVERIFY(!enabled(form, TableButton::Fold));
        // A disabled button ignores the click.
        const std::int32_t pot = form.game().table().pot;
        click(form, TableButton::Raise);
        QCOMPARE(form.game().table().pot, pot);

        click(form, TableButton::Deal);
        QVERIFY(!enabled(form, TableButton::Deal));
        QVERIFY(enabled(form, TableButton::Fold));
        QCOMPARE(labelText(form, "theresult"), QString());
        // The blinds have moved on: Robot small, the human big.
        QCOMPARE(labelText(form, "playerstatus"), QStringLiteral("big blind"));
        QCOMPARE(form.game().table().blindmarker, kHuman);
    }

    void newGameFromTheMenuAsksFirst() {
        Window window;
        TForm1& form = window.form;
        auto* money = form.options().findChild<QLineEdit*>(QStringLiteral("money"));
        QVERIFY(money != nullptr);
        money->setText(QStringLiteral("50"));

        QString question;
        answerNextBox(question, QMessageBox::No);
        form.newGameCommand()->trigger();
        QCOMPARE(question, QStringLiteral("Are you sure?"));
        QCOMPARE(labelText(form, "cash"), QStringLiteral("1200"));

        answerNextBox(question, QMessageBox::Yes);
        form.newGameCommand()->trigger();
        QCOMPARE(labelText(form, "cash"), QStringLiteral("50"));
        QCOMPARE(labelText(form, "lblecash"), QStringLiteral("49"));
        QCOMPARE(labelText(form, "lblrcash"), QStringLiteral("48"));
        QCOMPARE(form.game().table().initialcash, 50);
    }

    void optionsCommandShowsAndHidesThePanel() {
        Window window;
        TForm1& form = window.form;
        QVERIFY(!form.options().isVisible());
        form.optionsCommand()->trigger();
        QVERIFY(form.options().isVisible());
        QCOMPARE(form.options().geometry().topLeft(), QPoint(192, 72));
        form.optionsCommand()->trigger();
        QVERIFY(!form.options().isVisible());
    }
};

OMAHA_UI_SUITE(PlayButtonsTest);

} // namespace
} // namespace omaha::test

#include "play_buttons_test.moc"
