// The window as a desktop program: the table kept as designed while scaling is off, the window's
// place remembered, the table picture found wherever the game starts, and the menus' keys and the
// About box.
#include "ui_test_support.h"

namespace omaha::test {
namespace {

// A picture of one colour, as `folder`/baize.bmp.
void putPicture(const QString& folder, const QColor& colour) {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(QDir(folder).filePath(QStringLiteral("baize.bmp"))));
}

class WindowChoicesTest : public QObject {
    Q_OBJECT

private slots:
    // While scaling is off the table keeps its designed size in the top-left corner, pixel for
    // pixel as the window first showed it, options panel and all, whatever the window's size and
    // after the scaling has been on; what the window holds beyond it is black.
    void scalingOffKeepsTheTableAsDesigned() {
        Window play;
        TableSurface& table = play.table();
        const QImage withoutOptions = shownOnScreen(table, tableRect());
        find<QAction>(play.form, "optionsCommand")->trigger();
        QImage designed;
        QTRY_VERIFY((designed = shownOnScreen(table, tableRect())) != withoutOptions);
        const QSize chrome = play.form.size() - table.size();
        const auto showsDesign = [&] {
            const QImage shown = shownOnScreen(table, table.rect());
            const QRect kept = tableRect() & table.rect();
            if (shown.size() != table.size() || shown.copy(kept) != designed.copy(kept))
                return false;
            for (const QRect& beyond : QRegion(table.rect()) - tableRect())
                for (int y = beyond.top(); y <= beyond.bottom(); ++y)
                    for (int x = beyond.left(); x <= beyond.right(); ++x)
                        if (shown.pixel(x, y) != qRgb(0, 0, 0))
                            return false;
            return true;
        };
        auto* scaling = find<QAction>(play.form, "scaleTableCommand");
        QVERIFY(!play.form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        for (const QSize inside : {QSize(1000, 700), QSize(600, 400), QSize(640, 900)}) {
            play.form.resize(inside + chrome);
            QTRY_VERIFY(showsDesign());
        }
        scaling->setChecked(true);
        play.form.resize(QSize(1000, 700) + chrome);
        // The table reaches beyond its designed width.
        QTRY_VERIFY(shownOnScreen(table, QRect(900, 350, 1, 1)).pixel(0, 0) != qRgb(0, 0, 0));
        scaling->setChecked(false);
        QCOMPARE(table.size(), QSize(kTableWidth, kTableHeight));
        QVERIFY(!play.form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QTRY_VERIFY(showsDesign());
    }

    // The window comes back with the scaling and at the place and size where it closed, as long
    // as they fit on a screen; a place off every screen, a size below half the table's or a
    // value that is no number gives the place of a new window. The file holds the scaling from its
    // turn on, and Ctrl+Q closes the window.
    void windowPlaceIsRemembered() {
        const QRect newWindow = Window().form.geometry();
        const std::tuple<const char*, QRect, bool> cases[] = {
            {"scaled=1\nx=40\ny=30\nwidth=600\nheight=420", {40, 30, 600, 420}, true},
            {"scaled=0\nx=10\ny=20\nwidth=780\nheight=560", {10, 20, 780, 560}, false},
            {"scaled=1\nx=900\ny=30\nwidth=600\nheight=420", newWindow, true},
            {"scaled=0\nx=40\ny=30\nwidth=600\nheight=780", newWindow, false},
            {"scaled=1\nx=40\ny=30\nwidth=300\nheight=420", newWindow, true},
            {"scaled=1\nx=40\ny=thirty\nwidth=600\nheight=420", newWindow, true},
            {"scaled=0\nx=40\ny=30\nwidth=600\nheight=2147483647", newWindow, false},
        };
        for (const auto& [saved, place, scaled] : cases) {
            Window play(std::string("[Window]\n") + saved + "\n");
            QCOMPARE(play.form.geometry(), place);
            QCOMPARE(find<QAction>(play.form, "scaleTableCommand")->isChecked(), scaled);
        }

        // The place kept at the close is seen on a real desktop (desktop_test.cpp).
        Window play;
        find<QAction>(play.form, "scaleTableCommand")->setChecked(true);
        QCOMPARE(play.stored("Window", "scaled"), 1);
        play.key(Qt::CTRL | Qt::Key_Q);
        QVERIFY(!play.form.isVisible());
    }

    // The table picture of the working folder wins over the installed one, which wins over the
    // one beside the program; with none anywhere the table is black, the window's colour.
    void tablePictureIsFoundWhereverTheGameStarts() {
        QCOMPARE(TablePicture::standard().folders(),
                 QStringList({QString(), QStringLiteral(OMAHA_INSTALLED_DATA),
                              QCoreApplication::applicationDirPath()}));
        WorkingFolder work;
        const QString here = work.path(QStringLiteral("baize.bmp"));
        const QString aside = work.path(QStringLiteral("aside.bmp"));
        QVERIFY(QFile::rename(here, aside));
        QTemporaryDir installed, beside;
        const TablePicture picture({QString(), installed.path(), beside.path()});
        putPicture(beside.path(), Qt::blue);
        QCOMPARE(picture.load().pixelColor(0, 0), QColor(Qt::blue));
        putPicture(installed.path(), Qt::red);
        QCOMPARE(picture.load().pixelColor(0, 0), QColor(Qt::red));
        QVERIFY(QFile::rename(aside, here));
        QCOMPARE(picture.load(), QImage(QStringLiteral(OMAHA_BAIZE_FILE)));

        for (const QString& folder : {work.dir.path(), installed.path(), beside.path()})
            QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("baize.bmp"))));
        QVERIFY(picture.load().isNull());
        // Black too where a card is wiped before the table was ever drawn, as start-up wipes the
        // cards of a seat without chips.
        TableCanvas canvas(1.0, picture);
        PaintList card;
        card.add({0, {100, 100}});
        canvas.paintCards(card, tableRect());
        const QRect wiped = canvas.eraseArea({100, 100, 171, 196});
        QImage black(wiped.size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        QCOMPARE(canvas.image().copy(wiped), black);
        QVERIFY(!canvas.paintTable(tableRect()));
        QCOMPARE(canvas.image().pixelColor(400, 100), QColor(Qt::black));
    }

    // Alt and a menu's first letter open it; Help -> About Omaha tells the version, where the
    // rules are and the licence.
    void menusOfADesktopProgram() {
        Window play;
        for (const auto& [letter, menu] :
             {std::pair{Qt::Key_G, "gameMenu"}, {Qt::Key_V, "viewMenu"}, {Qt::Key_H, "helpMenu"}}) {
            play.key(Qt::ALT | letter);
            QTRY_COMPARE(QApplication::activePopupWidget(), find<QMenu>(play.form, menu));
            QApplication::activePopupWidget()->close();
        }
        QString text, more;
        whenModalAppears([&text, &more](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            text = box->text();
            more = box->informativeText();
            box->accept();
        });
        find<QAction>(play.form, "aboutOmahaCommand")->trigger();
        QCOMPARE(text, QStringLiteral("Omaha " OMAHA_VERSION));
        QVERIFY(more.contains(QString::fromUtf8("Game → About (F1)")));
        QVERIFY(more.contains(QStringLiteral("MIT licence")));
    }
};

OMAHA_UI_SUITE(WindowChoicesTest);

} // namespace
} // namespace omaha::test

#include "window_choices_test.moc"
