// The player's hands recorded as the window plays them, the statistics window that counts them
// and its export, read as the player reads them and checked against the records and the play.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

// The statistics table as screen readers have it.
QAccessibleTableInterface* statisticsTable(const QWidget& window) {
    return QAccessible::queryAccessibleInterface(find<QTableWidget>(window, "statisticsTable"))
        ->tableInterface();
}

// What a screen reader hears of the statistics table: each cell's text by its row's and its
// column's headings.
QMap<QString, QMap<QString, QString>> heardFigures(const QWidget& window) {
    QAccessibleTableInterface* table = statisticsTable(window);
    QMap<QString, QMap<QString, QString>> heard;
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < table->columnCount(); ++column)
            heard[table->rowDescription(row)][table->columnDescription(column)] =
                table->cellAt(row, column)->text(QAccessible::Name);
    return heard;
}

// The figures of the column `heading` of the statistics table, as a screen reader hears them.
Figures heardFigures(const QWidget& window, const char* heading) {
    const auto heard = heardFigures(window);
    const auto figure = [&heard, heading](const char* row) {
        return heard[QLatin1String(row)][QLatin1String(heading)].toLongLong();
    };
    return {figure("Hands played"),    figure("Won at the showdown"),
            figure("Won by folds"),    figure("Folded before the flop"),
            figure("Biggest pot won"), figure("Games won"),
            figure("Games lost"),      figure("Net result")};
}

// The player's cash in the chart's games, by the legend's names.
QMap<QString, QList<qreal>> chartedCash(const QWidget& window) {
    QMap<QString, QList<qreal>> cash;
    for (QAbstractSeries* series : find<QChartView>(window, "cashChart")->chart()->series())
        for (const QPointF& point : qobject_cast<QLineSeries*>(series)->points())
            cash[series->name()] << point.y();
    return cash;
}

// Answers the next file dialog with `file`.
void saveAs(const QString& file) {
    whenModalAppears([file](QWidget* modal) {
        // Typed as the player would: the dialog's selectFile leaves alone a name field that
        // has the keyboard, which it may or may not have by now.
        modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(file);
        // The dialog's own accept, which is protected in QFileDialog.
        qobject_cast<QDialog*>(modal)->accept();
    });
}

class StatisticsTest : public QObject {
    Q_OBJECT

private slots:
    // A fold before the flop, a hand checked to the showdown, a raise that every computer player
    // folds to and another fold: Ctrl+T shows them counted in the session, at the AI level
    // played and for all time, as the records count them and as they were played, and the chart
    // draws the player's cash after each.
    void statisticsCountTheHandsPlayed() {
        struct FoldingOnCue final : CallingOpponents {
            bool callsBet(TableState&, SeatCode) override { return !folding; }
            bool folding = false;
        } opponents;
        Window play({}, &opponents);
        play.key(Qt::Key_F);
        play.key(Qt::Key_D);
        while (!play.enabled(TableButton::Deal))
            play.key(Qt::Key_C);
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_C})
            play.key(key);
        opponents.folding = true;
        while (!play.enabled(TableButton::Deal))
            play.key(play.enabled(TableButton::Raise) ? Qt::Key_R : Qt::Key_C);
        opponents.folding = false;
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_F})
            play.key(key);
        play.key(Qt::CTRL | Qt::Key_T);
        auto& statistics = *find<QWidget>(play.form, "statisticsWindow");
        QVERIFY(statistics.isVisible());

        HandRecords records(play.folder.records().toStdString(), {});
        const Figures recorded = records.allTimeFigures();
        const std::int32_t cash = play.label("playerCash").toInt();
        // What each hand counts for is the records' to say; here they hold the hands as played.
        QCOMPARE(recorded.handsPlayed, 4);
        QCOMPARE(recorded.netResult, cash - 1200);
        // The columns, left to right, and their figures.
        const QStringList columns = {"This session", "Amateur", "All time"};
        QCOMPARE(statisticsTable(statistics)->columnCount(), columns.size());
        for (int column = 0; column < columns.size(); ++column) {
            QCOMPARE(statisticsTable(statistics)->columnDescription(column), columns[column]);
            QVERIFY2(heardFigures(statistics, qPrintable(columns[column])) == recorded,
                     qPrintable(columns[column]));
        }
        // The gain reads with its sign.
        QCOMPARE(heardFigures(statistics)["Net result"]["All time"], "+12");
        QCOMPARE(chartedCash(statistics).value(QStringLiteral("This game")).size(), 5);
        QCOMPARE(chartedCash(statistics).value(QStringLiteral("This game")).back(), cash);
        QCOMPARE(heard(find<QChartView>(statistics, "cashChart"), QAccessible::Description),
                 QStringLiteral("This game: 1200 to %1 in 4 hands.").arg(cash));
    }

    // A game lost counts as lost, in the open statistics window too, which follows every hand
    // played and from which the table's keys play on; the chart names the game by its day and how
    // it ended. Before any hand has ended the net result reads as a plain nought.
    void aLostGameIsCounted() {
        Window play("[Cash]\nplayer=2\n");
        play.key(Qt::CTRL | Qt::Key_T);
        auto& statistics = *find<QWidget>(play.form, "statisticsWindow");
        showAndWait(statistics);
        // Read off the table itself: what screen readers hear of it is asked for only once the
        // AI level's column has come.
        const auto* table = find<QTableWidget>(statistics, "statisticsTable");
        QCOMPARE(table->item(table->rowCount() - 1, table->columnCount() - 1)->text(), "0");
        while (!play.enabled(TableButton::Deal))
            play.key(Qt::Key_C);
        QTRY_COMPARE(heardFigures(statistics)["Games lost"]["Amateur"], "0");
        QString lost;
        answerNextBox(lost);
        play.key(Qt::Key_D); // from the statistics window, which has the keyboard
        QTRY_COMPARE(lost, QStringLiteral("You lose!"));
        QTRY_COMPARE(heardFigures(statistics)["Games lost"]["All time"], "1");
        QCOMPARE(heardFigures(statistics)["Games lost"]["Amateur"], "1");
        const QStringList games = chartedCash(statistics).keys();
        QCOMPARE(games.size(), 1);
        QVERIFY2(
            QRegularExpression("^\\d+ \\w+ \\d{4} \\d\\d:\\d\\d, lost$").match(games[0]).hasMatch(),
            qPrintable(games[0]));
    }

    // A run that finds its game saved plays on in that game in the records; one that finds none,
    // as once the settings file is gone, begins a game of its own there.
    void aFreshStartBeginsAGameOfItsOwn() {
        Window play;
        play.key(Qt::Key_F);
        const auto games = [&play] {
            HandRecords records(play.folder.records().toStdString(), [](const std::string&) {});
            return records.recentGames(5).size();
        };
        QCOMPARE(games(), 1u);
        for (const bool afresh : {false, true}) {
            if (afresh)
                QVERIFY(QFile::remove(play.folder.settings()));
            MainWindow again(SettingsFile(play.folder.settings().toStdString()),
                             Window::fixedClock);
            showAndWait(again);
            click(find<QPushButton>(again, "foldButton"));
            QCOMPARE(games(), afresh ? 2u : 1u);
        }
    }

    // Export writes every recorded hand in the hand history's words; a file that cannot be made
    // is an error that says why.
    void exportWritesTheHistory() {
        Window play;
        play.key(Qt::CTRL | Qt::Key_H);
        for (const Qt::Key key : {Qt::Key_F, Qt::Key_D, Qt::Key_R, Qt::Key_F})
            play.key(key);
        const auto* history = find<QPlainTextEdit>(play.form, "handHistoryText");
        QTRY_VERIFY(history->toPlainText().contains(QStringLiteral("Hand 2")));
        play.key(Qt::CTRL | Qt::Key_T);
        auto* exportButton = find<QPushButton>(play.form, "exportButton");

        const QString file = play.folder.path(QStringLiteral("hands.txt"));
        saveAs(file);
        click(exportButton);
        QFile exported(file);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(exported.readAll()), history->toPlainText());

        const QString nowhere = play.folder.path(QStringLiteral("missing/hands.txt"));
        QString error;
        saveAs(nowhere);
        answerNextBox(error);
        click(exportButton);
        QTRY_VERIFY2(QRegularExpression("^Unable to export the hands to /.*/missing/hands.txt: No "
                                        "such file or directory$")
                         .match(error)
                         .hasMatch(),
                     qPrintable(error));
    }

    // Trouble with the records never stops the play and is told once: a file that another copy
    // of the game holds costs a press only a moment. Without a folder for the records the player
    // is told so, and there are no statistics.
    void recordsTroubleIsToldOnce() {
        Window play;
        play.key(Qt::Key_F);
        QVERIFY(QFile::exists(play.folder.records()));
        SqliteConnection otherCopy(play.folder.records().toStdString(), 0);
        otherCopy.execute("BEGIN EXCLUSIVE");
        QString told, caption;
        whenModalAppears([&told, &caption](QWidget* modal) {
            told = qobject_cast<QMessageBox*>(modal)->text();
            caption = modal->windowTitle();
            modal->close();
        });
        QElapsedTimer press;
        press.start();
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_F})
            play.key(key);
        QVERIFY2(press.elapsed() < 2000, qPrintable(QString::number(press.elapsed())));
        QTRY_COMPARE(told, QStringLiteral("Another copy of the game is using %1: the hand was not "
                                          "recorded.")
                               .arg(play.folder.records()));
        QCOMPARE(caption, QStringLiteral("Hand records"));
        auto again = std::make_shared<QString>();
        whenModalAppears(
            [again](QWidget* modal) {
                *again = qobject_cast<QMessageBox*>(modal)->text();
                modal->close();
            },
            60);
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_F})
            play.key(key);
        QTest::qWait(700);
        QCOMPARE(*again, QString());
        QVERIFY(play.enabled(TableButton::Deal));

        const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
        qunsetenv("HOME");
        qunsetenv("XDG_DATA_HOME");
        answerNextBox(told);
        MainWindow homeless(SettingsFile(play.folder.settings().toStdString()), Window::fixedClock);
        qputenv("HOME", home);
        qputenv("XDG_DATA_HOME", data);
        showAndWait(homeless);
        QTRY_COMPARE(told, QStringLiteral("Hands are not recorded: neither XDG_DATA_HOME nor HOME "
                                          "names a folder to keep them in."));
        QVERIFY(!find<QAction>(homeless, "statisticsCommand")->isEnabled());
    }
};

OMAHA_UI_SUITE(StatisticsTest);

} // namespace
} // namespace omaha::test

#include "statistics_test.moc"
