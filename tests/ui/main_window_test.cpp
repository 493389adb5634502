#include "ui_test_support.h"

namespace omaha::test {
namespace {

// Whether a label is in Verdana of `pixelSize`, bold or not, in `colour`.
bool looks(const QLabel* label, int pixelSize, bool bold, const QColor& colour = Qt::white) {
    return label->font().family() == QStringLiteral("Verdana") &&
           label->font().pixelSize() == pixelSize && label->font().bold() == bold &&
           label->palette().color(QPalette::WindowText) == colour;
}

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The Game menu, then the table under it with its labels and buttons; the rules window's
    // seventeen lines, each whole inside the panel, shown modally by the About command until "Ok".
    void windowAsDesigned() {
        Window window;
        MainWindow& form = window.form;
        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("Game"));
        QCOMPARE(
            menus[0]->menu()->actions(),
            (QList<QAction*>{form.newGameCommand(), form.optionsCommand(), form.aboutCommand()}));
        QCOMPARE(menus[1]->text(), QStringLiteral("View"));
        QCOMPARE(menus[1]->menu()->actions(), QList<QAction*>{form.historyCommand()});
        QCOMPARE(form.table().geometry(),
                 QRect(0, form.menuBar()->height(), kTableWidth, kTableHeight));

        // Each seat's name and cash in bold on a line, its status in plain type below; the pot
        // larger, the result larger still and yellow.
        const TableLabels& labels = form.labels();
        QStringList names;
        for (const SeatCode seat : kTableOrder) {
            const SeatLabels& texts = labels.seats[seat];
            names << texts.name->text();
            QVERIFY(looks(texts.name, 11, true) && looks(texts.cash, 11, true));
            QVERIFY(looks(texts.status, 11, false));
            QCOMPARE(texts.cash->y(), texts.name->y());
            QCOMPARE(texts.status->pos(), texts.name->pos() + QPoint(0, 16));
        }
        QCOMPARE(names, QStringList({"You:", "Freak:", "Geek:", "Master:", "Champ:", "Pinhead:",
                                     "Expert:", "Robot:"}));
        QCOMPARE(labels.potCaption->text(), QStringLiteral("POT:"));
        QVERIFY(looks(labels.potCaption, 12, true) && looks(labels.pot, 12, true));
        QVERIFY(looks(labels.result, 15, true, Qt::yellow));
        // Labels grow with their texts, so none is cut off.
        form.view().showStatus(kRobot, "Full house Kings");
        const QLabel* status = form.labels().seats[kRobot].status;
        QVERIFY(status->width() >= status->sizeHint().width());

        // Side by side along the bottom, each overlapping the one before by a pixel.
        const char* const buttons[][2] = {
            {"btnnew", "Deal"}, {"btnstay", "Call"}, {"btnbet", "Raise"}, {"btnpass", "Fold"}};
        for (int i = 0; i < 4; ++i) {
            const GradientButton* button = form.buttons().buttons[std::size_t(i)];
            QCOMPARE(button->objectName(), QLatin1String(buttons[i][0]));
            QCOMPARE(button->text(), QLatin1String(buttons[i][1]));
            QCOMPARE(button->parentWidget(), &form.table());
            QCOMPARE(button->geometry(), QRect(32 + 56 * i, 472, 57, 25));
        }

        // Two gaps split the lines into the play of a hand, the bet sizes and the words used; each
        // line ends inside the panel's bevel and fits in the sixteen pixels between lines.
        const RulesWindow& box = form.rules();
        QList<int> gaps;
        for (std::size_t i = 0; i < box.lines().size(); ++i) {
            const QLabel* line = box.lines()[i];
            QCOMPARE(line->parentWidget(), box.panel());
            QCOMPARE(line->x(), 24);
            if (i > 0 && line->y() - box.lines()[i - 1]->y() != 16)
                gaps << line->y() - box.lines()[i - 1]->y();
            QVERIFY(line->width() >= line->sizeHint().width() && line->height() <= 16);
            QVERIFY2(line->x() + line->sizeHint().width() <= box.panel()->width() - 2,
                     qPrintable(line->text()));
        }
        QCOMPARE(gaps, QList<int>({24, 32}));
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
    // at the end while the reader is at the end, and can be selected and copied but not edited.
    void historyWindowFollowsThePlay() {
        Window play;
        play.key(Qt::CTRL | Qt::Key_H);
        HistoryWindow& history = play.form.history();
        QVERIFY(history.isVisible());
        QCOMPARE(history.windowTitle(), QStringLiteral("Hand history"));
        showAndWait(history);
        QPlainTextEdit* text = history.text();
        const QString startup = text->toPlainText();
        QVERIFY(startup.startsWith(QString::fromUtf8("Hand 1\nYou hold 3♥ 2♥ 7♣ 4♦\n")));
        // The letters are the table's only while the table's window has the keyboard.
        QTest::keyClicks(text, "f");
        QCOMPARE(text->toPlainText(), startup);
        QVERIFY(play.enabled(TableButton::Fold));
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

    // Every control has a name for screen readers, and the table tells what it shows.
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
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&form.table());
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
        }
    }

    // A command that cannot write the settings file reports it, and play goes on; an error while
    // the window starts leaves the constructor.
    void errorsAreReported() {
        Window window;
        MainWindow& form = window.form;
        const QString settings = window.folder.settings();
        QVERIFY(QFile::remove(settings));
        QVERIFY(QDir().mkdir(settings)); // a folder in the file's place cannot be written
        form.view().enableButton(TableButton::Deal, true);
        for (int attempt = 0; attempt < 2; ++attempt) {
            QString error;
            answerNextBox(error);
            window.press(TableButton::Deal);
            QTRY_VERIFY(!error.isEmpty());
            QVERIFY2(error.startsWith(QStringLiteral("Unable to write to")), qPrintable(error));
            QVERIFY(form.isVisible());
        }

        // The bitmap is a file, so no settings file can be made beneath it.
        const std::string unwritable =
            window.folder.path(QStringLiteral("baize.bmp/vellum.ini")).toStdString();
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 MainWindow(SettingsFile(unwritable), Window::fixedClock));
    }

    // The error box keeps the error's message as its text and puts the system's reason in its
    // details; without a reason it has no details.
    void errorBoxCarriesTheReasonAsDetails() {
        const QString text = QStringLiteral("Unable to write to /home/vellum.ini");
        for (const QString detail : {"No space left on device", ""}) {
            QStringList shown;
            whenModalAppears([&shown](QWidget* modal) {
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    shown = {box->windowTitle(), box->text(), box->detailedText()};
                    box->button(QMessageBox::Ok)->click();
                }
            });
            showErrorBox(nullptr, text.toStdString(), detail.toStdString());
            QCOMPARE(shown, QStringList({QStringLiteral("Error"), text, detail}));
        }
        // A failed write of the settings file gives its reason; other errors have none.
        QCOMPARE(errorDetail(SettingsWriteError("/home/vellum.ini", "Is a directory")),
                 std::string("Is a directory"));
        QCOMPARE(errorDetail(std::runtime_error("'x' is not a valid integer value")),
                 std::string());
    }
};

OMAHA_UI_SUITE(MainWindowTest);

} // namespace
} // namespace omaha::test

#include "main_window_test.moc"
