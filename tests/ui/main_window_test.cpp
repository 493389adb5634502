#include "ui/about_box.h"
#include "ui/card_artwork.h"
#include "ui/gradient_button.h"
#include "ui/main_window.h"
#include "ui/table_canvas.h"
#include "ui/table_surface.h"
#include "ui_test_support.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QObject>
#include <QScreen>
#include <QTest>

namespace omaha::test {
namespace {

struct ExpectedLabel {
    const char* name;
    QPoint at;
    const char* text; // nullptr where the game fills the text
    int pixelSize;
    bool bold;
    QColor colour;
};

const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);

const ExpectedLabel kLabels[] = {
    {"Label2", {88, 312}, "You:", 11, true, kWhite},
    {"cash", {128, 312}, nullptr, 11, true, kWhite},
    {"playerstatus", {88, 328}, nullptr, 11, false, kWhite},
    {"freakcash", {64, 48}, "Freak:", 11, true, kWhite},
    {"lblfcash", {112, 48}, nullptr, 11, true, kWhite},
    {"freakstatus", {64, 64}, nullptr, 11, false, kWhite},
    {"geekcash", {208, 48}, "Geek:", 11, true, kWhite},
    {"lblgcash", {248, 48}, nullptr, 11, true, kWhite},
    {"geekstatus", {208, 64}, nullptr, 11, false, kWhite},
    {"mastercash", {352, 48}, "Master:", 11, true, kWhite},
    {"lblmcash", {408, 48}, nullptr, 11, true, kWhite},
    {"masterstatus", {352, 64}, nullptr, 11, false, kWhite},
    {"champcash", {496, 48}, "Champ:", 11, true, kWhite},
    {"lblccash", {560, 48}, nullptr, 11, true, kWhite},
    {"champstatus", {496, 64}, nullptr, 11, false, kWhite},
    {"pinheadcash", {640, 48}, "Pinhead:", 11, true, kWhite},
    {"lblpinhcash", {704, 48}, nullptr, 11, true, kWhite},
    {"pinheadstatus", {640, 64}, nullptr, 11, false, kWhite},
    {"Expert", {616, 296}, "Expert:", 11, true, kWhite},
    {"lblecash", {672, 296}, nullptr, 11, true, kWhite},
    {"expertstatus", {616, 312}, nullptr, 11, false, kWhite},
    {"Robot", {448, 368}, "Robot:", 11, true, kWhite},
    {"lblrcash", {496, 368}, nullptr, 11, true, kWhite},
    {"robotstatus", {448, 384}, nullptr, 11, false, kWhite},
    {"potttt", {80, 240}, "POT:", 12, true, kWhite},
    {"betsize", {120, 240}, nullptr, 12, true, kWhite},
    {"theresult", {80, 200}, nullptr, 15, true, kYellow},
};

QLabel* labelNamed(TForm1& form, const char* name) {
    return form.table().findChild<QLabel*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

// Answers the next message box, keeping its text.
void answerNextMessage(QString& text) {
    whenModalAppears([&text](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            box->accept();
        }
    });
}

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowAsDesigned() {
        Window window;
        TForm1& form = window.form;
        showAndWait(form);
        QVERIFY(form.windowTitle().trimmed().isEmpty());
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(form.table().geometry(),
                 QRect(0, form.menuBar()->height(), kTableWidth, kTableHeight));
        QCOMPARE(form.table().palette().color(QPalette::Window), QColor(Qt::black));
        const QPoint offCentre =
            form.geometry().center() - form.screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() < 40);

        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0]->text(), QStringLiteral("Game"));
        const QList<QAction*> commands = menus[0]->menu()->actions();
        QCOMPARE(commands.size(), 3);
        QCOMPARE(commands[0], form.newGameCommand());
        QCOMPARE(commands[0]->text(), QStringLiteral("New game"));
        QCOMPARE(commands[0]->objectName(), QStringLiteral("Pokervariant1"));
        QCOMPARE(commands[1]->text(), QStringLiteral("Options"));
        QCOMPARE(commands[1]->objectName(), QStringLiteral("Options1"));
        QCOMPARE(commands[2]->text(), QStringLiteral("About"));
        QCOMPARE(commands[2]->objectName(), QStringLiteral("About"));
    }

    void labelsStandAtTheirPlacesInTheirStyles() {
        Window window;
        for (const ExpectedLabel& expected : kLabels) {
            QLabel* label = labelNamed(window.form, expected.name);
            QVERIFY2(label != nullptr, expected.name);
            QCOMPARE(label->pos(), expected.at);
            if (expected.text != nullptr)
                QCOMPARE(label->text(), QLatin1String(expected.text));
            QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
            QCOMPARE(label->font().pixelSize(), expected.pixelSize);
            QCOMPARE(label->font().bold(), expected.bold);
            QCOMPARE(label->palette().color(QPalette::WindowText), expected.colour);
            QVERIFY(!label->autoFillBackground());
        }
    }

    void gameTextsReachTheLabels() {
        Window window;
        TForm1& form = window.form;
        showAndWait(form);
        TableView& view = form.view();
        view.showCash(kPinhead, -12);
        QCOMPARE(labelNamed(form, "lblpinhcash")->text(), QStringLiteral("-12"));
        view.showPot(1234567);
        QLabel* pot = labelNamed(form, "betsize");
        QCOMPARE(pot->text(), QStringLiteral("1234567"));
        QVERIFY(pot->width() >= pot->sizeHint().width());

        view.showStatus(kRobot, "Full house Kings");
        QLabel* robot = labelNamed(form, "robotstatus");
        QCOMPARE(robot->text(), QStringLiteral("Full house Kings"));
        QVERIFY(robot->width() >= robot->sizeHint().width());
        view.colourStatus(kRobot, StatusColour::Yellow);
        QCOMPARE(robot->palette().color(QPalette::WindowText), kYellow);
        view.colourStatus(kRobot, StatusColour::White);
        QCOMPARE(robot->palette().color(QPalette::WindowText), kWhite);
        QCOMPARE(robot->pos(), QPoint(448, 384));

        view.showResult("you win    ");
        QCOMPARE(labelNamed(form, "theresult")->text(), QStringLiteral("you win    "));
        view.showStatus(kHuman, "");
        QCOMPARE(labelNamed(form, "playerstatus")->text(), QString());
    }

    void buttonsStandAlongTheBottom() {
        Window window;
        TForm1& form = window.form;
        const struct {
            TableButton which;
            const char* name;
            int x;
        } places[] = {{TableButton::Deal, "btnnew", 32},
                      {TableButton::Stay, "btnstay", 88},
                      {TableButton::Raise, "btnbet", 144},
                      {TableButton::Fold, "btnpass", 200}};
        for (const auto& place : places) {
            GradientButton* button = form.buttons()[place.which];
            QCOMPARE(button->objectName(), QLatin1String(place.name));
            QCOMPARE(button->parentWidget(), &form.table());
            QCOMPARE(button->geometry(), QRect(place.x, 472, 57, 25));
            QCOMPARE(button->font().family(), QStringLiteral("Verdana"));
            QCOMPARE(button->font().pixelSize(), 11);
        }
        QCOMPARE(form.buttons()[TableButton::Deal]->text(), QStringLiteral("Deal"));
        QCOMPARE(form.buttons()[TableButton::Raise]->text(), QStringLiteral("Raise"));
        QCOMPARE(form.buttons()[TableButton::Fold]->text(), QStringLiteral("Fold"));
        // A hand is under way: only Deal is off.
        QVERIFY(!form.buttons()[TableButton::Deal]->isEnabled());
        QVERIFY(form.buttons()[TableButton::Fold]->isEnabled());

        form.view().setStayCaption("Check");
        QCOMPARE(form.buttons()[TableButton::Stay]->text(), QStringLiteral("Check"));
        form.view().enableButton(TableButton::Raise, false);
        QVERIFY(!form.buttons()[TableButton::Raise]->isEnabled());
    }

    void startUpShowsTheFirstHand() {
        Window window;
        TForm1& form = window.form;
        showAndWait(form);
        const TableState& table = form.game().table();
        const QImage& shown = form.table().canvas().image();
        const auto artwork = CardArtwork::shared(shown.devicePixelRatio());
        // The human's last card lies on top of the fan, fully visible, face up.
        const Card last = table.seats[kHuman].hole[3];
        QVERIFY(showsCard(shown, artwork->image(last.index()), {160, 360},
                          QRect(160, 360, kCardWidth, kCardHeight)));
        // Freak's last card is face down.
        QVERIFY(showsCard(shown, artwork->image(kFirstCardBack), {102, 91},
                          QRect(102, 91, kCardWidth, kCardHeight)));
        QCOMPARE(labelNamed(form, "cash")->text(), QString::number(table.seats[kHuman].cash));
    }

    void aboutShowsTheRulesModally() {
        Window window;
        showAndWait(window.form);
        QWidget* shown = nullptr;
        whenModalAppears([&shown, &window](QWidget* modal) {
            shown = modal;
            QTest::mouseClick(window.form.rules().okButton(), Qt::LeftButton);
        });
        window.form.aboutCommand()->trigger();
        QCOMPARE(shown, &window.form.rules());
        QVERIFY(!window.form.rules().isVisible());
    }

    // A command that cannot write the settings file reports it, and play goes on.
    void commandErrorsAreShownAndPlayGoesOn() {
        Window window;
        TForm1& form = window.form;
        showAndWait(form);
        const QString settings = window.folder.path(QStringLiteral("vellum.ini"));
        QVERIFY(QFile::remove(settings));
        QVERIFY(QDir().mkdir(settings)); // a folder in the file's place cannot be written
        form.view().enableButton(TableButton::Deal, true);

        QString error;
        answerNextMessage(error);
        QTest::mouseClick(form.buttons()[TableButton::Deal], Qt::LeftButton);
        QTRY_VERIFY(!error.isEmpty());
        QVERIFY2(error.startsWith(QStringLiteral("Unable to write to")), qPrintable(error));
        QVERIFY(form.isVisible());

        QString again;
        answerNextMessage(again);
        QTest::mouseClick(form.buttons()[TableButton::Deal], Qt::LeftButton);
        QTRY_VERIFY(!again.isEmpty());
    }

    void startUpErrorsLeaveTheConstructor() {
        WorkingFolder folder(WorkingFolder::Baize::Present);
        QFile blocker(folder.path(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const std::string unwritable =
            folder.path(QStringLiteral("blocker/vellum.ini")).toStdString();
        QVERIFY_THROWS_EXCEPTION(std::exception,
                                 TForm1(SettingsFile(unwritable), Window::fixedClock));
    }
};

OMAHA_UI_SUITE(MainWindowTest);

} // namespace
} // namespace omaha::test

#include "main_window_test.moc"
