// The coach's line under the table, as the player turns it on and plays with it.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

class CoachTest : public QObject {
    Q_OBJECT

private slots:
    // Off at first, and then the window is as it always was. Ctrl+K shows the line below the
    // table, the window growing by it; turned off again the window looks as before to the pixel.
    // While on, the line follows every press: the player's cards before the flop, their best hand
    // after it, the chance against the seats still in and what a call costs against the pot. The
    // coach stays on from one run to the next.
    void coachLineFollowsThePlay() {
        Window play;
        MainWindow& form = play.form;
        auto* bar = find<QStatusBar>(form, "coachBar");
        auto* command = find<QAction>(form, "coachCommand");
        const QSize tableOnly = form.size();
        const QImage looks = form.grab().toImage();
        QVERIFY(!bar->isVisible() && !command->isChecked());
        QCOMPARE(tableOnly.height(), kTableHeight + form.menuBar()->height());

        play.key(Qt::CTRL | Qt::Key_K);
        QVERIFY(bar->isVisible() && command->isChecked());
        QCOMPARE(play.table().size(), QSize(kTableWidth, kTableHeight));
        QCOMPARE(form.height(), tableOnly.height() + bar->height());
        const QLabel* line = find(form, "coachLine");
        QCOMPARE(heard(const_cast<QLabel*>(line), QAccessible::Name), QStringLiteral("Coach"));
        const auto reads = [line](const char* pattern) {
            return QRegularExpression(QString::fromUtf8(pattern)).match(line->text()).hasMatch();
        };
        QVERIFY2(reads("^Your cards: 3♥ 2♥ 7♣ 4♦ · Chance against 7 players: [1-9][0-9]?% · "
                       "Call 2 to win 3: you need 40%$"),
                 qPrintable(line->text()));

        play.key(Qt::CTRL | Qt::Key_K);
        QVERIFY(!bar->isVisible() && !command->isChecked());
        QCOMPARE(play.stored("View", "coach"), 0);
        QCOMPARE(form.grab().toImage(), looks); // the same size too

        // On again, from the View menu, and the play goes on: the call shows the flop.
        command->trigger();
        play.key(Qt::Key_C);
        QTRY_VERIFY2(
            reads("^One pair Twos: 2♥ 7♣ \\+ 10♥ 9♣ 2♠ · Chance against 7 players: [0-9]+%$"),
            qPrintable(line->text()));
        QCOMPARE(heard(const_cast<QLabel*>(line), QAccessible::Description), line->text());
        // Folded, the player holds no cards and the coach has nothing to say.
        play.key(Qt::Key_F);
        QTRY_COMPARE(line->text(), QString());

        // Left on, the coach is on at the next start, the window already grown by its line, which
        // tells of the first hand.
        MainWindow next(SettingsFile(play.folder.settings().toStdString()), Window::fixedClock);
        showAndWait(next);
        QVERIFY(find<QStatusBar>(next, "coachBar")->isVisible() &&
                find<QAction>(next, "coachCommand")->isChecked());
        QCOMPARE(find<TableSurface>(next, "table")->size(), QSize(kTableWidth, kTableHeight));
        QTRY_VERIFY(find(next, "coachLine")->text().startsWith(QStringLiteral("Your cards: ")));
    }
};

OMAHA_UI_SUITE(CoachTest);

} // namespace
} // namespace omaha::test

#include "coach_test.moc"
