// The windows on a real X server with a window manager, which places and activates them as on the
// player's desktop; tests/ui/run-on-x-server runs these at several screen sizes and scales.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

// Whether `frame` lies wholly on `area` where it fits, and where it does not, with its top-left
// corner on it, so that the title bar can be reached.
bool liesOn(const QRect& frame, const QRect& area) {
    const bool fits = frame.width() <= area.width() && frame.height() <= area.height();
    return fits ? area.contains(frame) : area.contains(frame.topLeft());
}

// Activates `window` as the player's click on it would, through the window manager.
bool activate(QWidget& window) {
    window.activateWindow();
    return QTest::qWaitFor([&window] { return window.isActiveWindow(); });
}

// Where the screen has room for the table's window and `other` side by side they do not
// overlap, and where it has not, `other` covers as little of the table as the screen allows;
// both lie on the screen. A screen scaled by a fraction may place them a pixel closer.
void standsBeside(QWidget& form, QWidget& other) {
    const QRect area = form.screen()->availableGeometry();
    const auto overlap = [&form, &other] {
        const QRect both = form.frameGeometry() & other.frameGeometry();
        return both.isEmpty() ? 0 : both.width();
    };
    // The overlap that the screen's width makes unavoidable: none where both fit side by
    // side, all of the other window where the table alone is as wide as the screen.
    const int otherWidth = other.frameGeometry().width();
    const int unavoidable = form.frameGeometry().width() + otherWidth - area.width();
    QTRY_VERIFY2(std::abs(overlap() - std::clamp(unavoidable, 0, otherWidth)) <= 1,
                 qPrintable(QString::number(overlap())));
    const auto text = [](const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    QVERIFY2(liesOn(form.frameGeometry(), area) && liesOn(other.frameGeometry(), area),
             qPrintable(text(form.frameGeometry()) + " " + text(other.frameGeometry()) + " " +
                        text(area)));
}

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    // The table's window starts wholly on the screen where it fits, and with its title bar and
    // menu on it where it does not. On a screen that cannot hold the table at its designed size
    // a first start scales the table, in a window that fits the screen, and so does a start
    // with the table scaled before, in a place this screen has not; the player's choice of an
    // unscaled table stands.
    void tableWindowStartsOnTheScreen() {
        const std::pair<const char*, int> starts[] = {
            {"", -1},
            {"[Window]\nscaled=1\nx=-5000\ny=0\nwidth=800\nheight=600\n", 1},
            {"[Window]\nscaled=0\n", 0}};
        for (const auto& [saved, scaled] : starts) {
            Window play(saved);
            const QRect area = play.form.screen()->availableGeometry();
            QTRY_VERIFY(liesOn(play.form.frameGeometry(), area));
            const QSize designed(kTableWidth, kTableHeight + play.form.menuBar()->height());
            const bool tableFits = designed.boundedTo(area.size()) == designed;
            const bool scaledNow = find<QAction>(play.form, "scaleTableCommand")->isChecked();
            QCOMPARE(scaledNow, scaled == -1 ? !tableFits : scaled == 1);
            if (scaledNow)
                QTRY_VERIFY(area.contains(play.form.frameGeometry()));
            const QWidget* menu = play.form.menuBar();
            const QRect menuArea(menu->mapToGlobal(QPoint(0, 0)), menu->size());
            QVERIFY(area.contains(menuArea.topLeft()) && menuArea.bottom() <= area.bottom());
        }
    }

    // The window comes back where it closed, as large as it was.
    void windowComesBackWhereItWas() {
        Window first;
        const QRect area = first.form.screen()->availableGeometry();
        first.form.setGeometry(QRect(area.topLeft() + QPoint(40, 60), QSize(500, 340)));
        QTRY_COMPARE(first.form.size(), QSize(500, 340));
        const QRect left = first.form.geometry();
        first.form.close();
        MainWindow again(SettingsFile(first.folder.settings().toStdString()), Window::fixedClock);
        showAndWait(again);
        QTRY_COMPARE(again.geometry(), left);
    }

    // The coach's line grows the table's window downward; a window standing at the foot of the
    // screen moves up so that the line shows, and a table not scaled with the window keeps its
    // size (a screen too small for the table starts with it scaled).
    void coachLineStaysOnTheScreen() {
        Window play;
        const QRect area = play.form.screen()->availableGeometry();
        QTRY_VERIFY(liesOn(play.form.frameGeometry(), area));
        const QRect frame = play.form.frameGeometry();
        const int foot = area.bottom() - frame.height() + 1;
        play.form.move(frame.left(), foot);
        QTRY_COMPARE(play.form.frameGeometry().top(), foot);
        play.key(Qt::CTRL | Qt::Key_K);
        QVERIFY(find<QStatusBar>(play.form, "coachBar")->isVisible());
        QTRY_VERIFY(liesOn(play.form.frameGeometry(), area));
        if (!find<QAction>(play.form, "scaleTableCommand")->isChecked())
            QCOMPARE(play.table().size(), QSize(kTableWidth, kTableHeight));
    }

    // The statistics window stands beside the table as the history does.
    void statisticsStandBesideTheTable() {
        Window play;
        play.key(Qt::CTRL | Qt::Key_T);
        QWidget& statistics = *find<QWidget>(play.form, "statisticsWindow");
        QVERIFY(QTest::qWaitForWindowExposed(&statistics));
        standsBeside(play.form, statistics);
        // Filled with its figures, it still fits on the smallest screen, title bar and all.
        const QRect area = statistics.screen()->availableGeometry();
        QTRY_VERIFY(area.contains(statistics.frameGeometry()));
    }

    // The statistics opened while the history stands beside the table go beside the two, which
    // move aside together, on a screen with room for all three in a row.
    void windowsStandInARow() {
        Window play;
        play.key(Qt::CTRL | Qt::Key_H);
        QWidget& history = *find<QWidget>(play.form, "historyWindow");
        QVERIFY(QTest::qWaitForWindowExposed(&history));
        QTRY_COMPARE(history.frameGeometry().top(), play.form.frameGeometry().top());
        play.key(Qt::CTRL | Qt::Key_T);
        QWidget& statistics = *find<QWidget>(play.form, "statisticsWindow");
        QVERIFY(QTest::qWaitForWindowExposed(&statistics));
        const QRect area = play.form.screen()->availableGeometry();
        const QWidget* row[] = {&play.form, &history, &statistics};
        int width = 0;
        for (const QWidget* window : row)
            width += window->frameGeometry().width();
        if (width > area.width())
            QSKIP("No room for the three windows in a row on this screen");
        const auto apart = [&row, &area] {
            for (std::size_t one = 0; one < std::size(row); ++one) {
                const QRect frame = row[one]->frameGeometry();
                if (!area.contains(frame))
                    return false;
                for (std::size_t other = one + 1; other < std::size(row); ++other)
                    if (frame.intersects(row[other]->frameGeometry()))
                        return false;
            }
            return true;
        };
        QTRY_VERIFY(apart());
    }

    // Ctrl+H shows the history without taking the keyboard from the table. Where the screen has
    // room for both side by side they do not overlap, the table moving aside if it must; where it
    // has not, the history covers as little of the table as the screen allows. The table's keys
    // work from either window.
    void historyStandsBesideTheTable() {
        Window play;
        MainWindow& form = play.form;
        play.key(Qt::CTRL | Qt::Key_H);
        QWidget& history = *find<QWidget>(form, "historyWindow");
        QVERIFY(QTest::qWaitForWindowExposed(&history));
        standsBeside(form, history);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(history.frameGeometry().top(), form.frameGeometry().top());
        // Time for the window manager to hand the keyboard on, were it asked to.
        QTest::qWait(300);
        QVERIFY(form.isActiveWindow());

        // Every key of the table works while the history is the active window, as after a click
        // on its text.
        const auto fromHistory = [&](QKeyCombination key) {
            if (!activate(history))
                return false;
            play.key(key);
            return true;
        };
        QVERIFY(fromHistory(Qt::Key_R));
        QCOMPARE(play.label("playerCash"), QStringLiteral("1196"));
        QVERIFY(fromHistory(Qt::Key_F));
        QCOMPARE(play.label("playerStatus"), QStringLiteral("you fold"));
        QVERIFY(fromHistory(Qt::Key_D));
        QVERIFY(!play.enabled(TableButton::Deal));
        const QString pot = play.label("potAmount");
        QVERIFY(fromHistory(Qt::Key_C));
        QVERIFY(play.label("potAmount") != pot);

        QVERIFY(fromHistory(Qt::CTRL | Qt::Key_O));
        QVERIFY(play.options().isVisible());
        QSignalSpy historyShown(find<QAction>(form, "handHistoryCommand"), &QAction::triggered);
        QVERIFY(fromHistory(Qt::CTRL | Qt::Key_H));
        QCOMPARE(historyShown.size(), 1);
        // The commands that answer with a window of their own.
        for (const QKeyCombination key : {Qt::CTRL | Qt::Key_N, QKeyCombination(Qt::Key_F1)}) {
            QWidget* shown = nullptr;
            whenModalAppears([&shown](QWidget* modal) {
                shown = modal;
                qobject_cast<QDialog*>(modal)->reject();
            });
            QVERIFY(fromHistory(key));
            QVERIFY2(shown != nullptr, qPrintable(QKeySequence(key).toString()));
        }
    }
};

OMAHA_UI_SUITE(DesktopTest);

} // namespace
} // namespace omaha::test

#include "desktop_test.moc"
