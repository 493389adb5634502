#include "ui_test_support.h"

namespace omaha::test {
namespace {

// Names and totals in bold, statuses in plain type.
struct ExpectedLabel {
    const char* name;
    QPoint at;
    const char* text; // nullptr where the game fills the text
    bool bold = true;
    int pixelSize = 11;
    QColor colour = QColor(255, 255, 255);
};

// Every seat's name, with its cash beside it at `cashX` and its status sixteen pixels below.
const struct {
    const char *name, *text, *cash, *status;
    QPoint at;
    int cashX;
} kSeatLabels[] = {
    {"Label2", "You:", "cash", "playerstatus", {88, 312}, 128},
    {"freakcash", "Freak:", "lblfcash", "freakstatus", {64, 48}, 112},
    {"geekcash", "Geek:", "lblgcash", "geekstatus", {208, 48}, 248},
    {"mastercash", "Master:", "lblmcash", "masterstatus", {352, 48}, 408},
    {"champcash", "Champ:", "lblccash", "champstatus", {496, 48}, 560},
    {"pinheadcash", "Pinhead:", "lblpinhcash", "pinheadstatus", {640, 48}, 704},
    {"Expert", "Expert:", "lblecash", "expertstatus", {616, 296}, 672},
    {"Robot", "Robot:", "lblrcash", "robotstatus", {448, 368}, 496},
};

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The Game menu, then the table under it with its labels and buttons; the rules window's
    // seventeen lines, each whole inside the panel, shown modally by the About command until "Ok".
    void windowAsDesigned() {
        Window window;
        MainWindow& form = window.form;
        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0]->text(), QStringLiteral("Game"));
        QCOMPARE(
            menus[0]->menu()->actions(),
            (QList<QAction*>{form.newGameCommand(), form.optionsCommand(), form.aboutCommand()}));
        QCOMPARE(form.table().geometry(),
                 QRect(0, form.menuBar()->height(), kTableWidth, kTableHeight));

        std::vector<ExpectedLabel> labels = {
            {"potttt", {80, 240}, "POT:", true, 12},
            {"betsize", {120, 240}, nullptr, true, 12},
            {"theresult", {80, 200}, nullptr, true, 15, QColor(255, 255, 0)}};
        for (const auto& seat : kSeatLabels) {
            labels.push_back({seat.name, seat.at, seat.text});
            labels.push_back({seat.cash, {seat.cashX, seat.at.y()}, nullptr});
            labels.push_back({seat.status, seat.at + QPoint(0, 16), nullptr, false});
        }
        for (const ExpectedLabel& expected : labels) {
            auto* label = form.table().findChild<QLabel*>(QLatin1String(expected.name),
                                                          Qt::FindDirectChildrenOnly);
            QVERIFY2(label != nullptr, expected.name);
            QCOMPARE(label->pos(), expected.at);
            if (expected.text != nullptr)
                QCOMPARE(label->text(), QLatin1String(expected.text));
            QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
            QCOMPARE(label->font().pixelSize(), expected.pixelSize);
            QCOMPARE(label->font().bold(), expected.bold);
            QCOMPARE(label->palette().color(QPalette::WindowText), expected.colour);
        }
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

        const RulesWindow& box = form.rules();
        // Two gaps split the lines into the play of a hand, the bet sizes and the words used.
        const int numbers[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 19, 20, 13, 14, 15, 16};
        const int tops[] = {16,  32,  48,  64,  80,  96,  112, 128, 144,
                            160, 176, 200, 216, 248, 264, 280, 296};
        QCOMPARE(std::size(box.lines()), std::size(tops));
        for (std::size_t i = 0; i < box.lines().size(); ++i) {
            const QLabel* line = box.lines()[i];
            QCOMPARE(line->objectName(), QStringLiteral("Label%1").arg(numbers[i]));
            QCOMPARE(line->parentWidget(), box.panel());
            QCOMPARE(line->pos(), QPoint(24, tops[i]));
            // The longest line still ends inside the panel's bevel, and no line is taller than
            // the sixteen pixels between lines.
            QVERIFY(line->width() >= line->sizeHint().width());
            QVERIFY2(line->x() + line->sizeHint().width() <= box.panel()->width() - 2,
                     qPrintable(line->text()));
            QVERIFY(line->height() <= 16);
        }
        QWidget* shown = nullptr;
        whenModalAppears([&shown, &form](QWidget* modal) {
            shown = modal;
            click(form.rules().okButton());
        });
        form.aboutCommand()->trigger();
        QCOMPARE(shown, &form.rules());
        QVERIFY(!form.rules().isVisible());
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
            QString shown[3];
            whenModalAppears([&shown](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (box == nullptr)
                    return;
                shown[0] = box->windowTitle();
                shown[1] = box->text();
                shown[2] = box->detailedText();
                box->button(QMessageBox::Ok)->click();
            });
            showErrorBox(nullptr, text.toStdString(), detail.toStdString());
            QCOMPARE(shown[0], QStringLiteral("Error"));
            QCOMPARE(shown[1], text);
            QCOMPARE(shown[2], detail);
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
