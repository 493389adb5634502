#include "ui/main_window.h"

#include "ui/about_box.h"
#include "ui/fonts.h"
#include "ui/gradient_button.h"
#include "ui/guarded_call.h"
#include "ui/options_panel.h"
#include "ui/table_surface.h"
#include "ui/window_view.h"

#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace omaha {

namespace {

// A title bar without text: an empty title would make the window system show the program's
// name instead, so the title is a single blank.
const QString kNoTitle = QStringLiteral(" ");

} // namespace

TForm1::TForm1(SettingsFile settings, Game::Clock clock, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint) {
    setWindowTitle(kNoTitle);
    buildMenu();
    // The table carries the window's black colour and its default font, Verdana; the menu bar
    // keeps the desktop's own.
    table_ = new TableSurface(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setFont(verdanaFont(11, false));
    setCentralWidget(table_);
    labels_ = createTableLabels(table_);
    buttons_ = createTableButtons(table_);
    connect(buttons_[TableButton::Deal], &QPushButton::clicked, this, &TForm1::newgame);
    connect(buttons_[TableButton::Stay], &QPushButton::clicked, this, &TForm1::playerstays);
    connect(buttons_[TableButton::Raise], &QPushButton::clicked, this, &TForm1::playerbets);
    connect(buttons_[TableButton::Fold], &QPushButton::clicked, this, &TForm1::playerpasses);

    aboutBox_ = new TAboutBox(this);
    placeOnScreen();

    view_ = std::make_unique<WindowTableView>(this, *table_, labels_, buttons_);
    game_ = std::make_unique<Game>(*view_, std::move(settings), std::move(clock));
    table_->setTable(&game_->table());
    Panel1_ = new OptionsPanel(*game_, table_);
    game_->startup();
    Panel1_->fillFromTable();
}

TForm1::~TForm1() = default;

TableView& TForm1::view() {
    return *view_;
}

void TForm1::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Game"));
    menu->setObjectName(QStringLiteral("Game"));
    Pokervariant1_ = menu->addAction(QStringLiteral("New game"));
    Pokervariant1_->setObjectName(QStringLiteral("Pokervariant1"));
    Options1_ = menu->addAction(QStringLiteral("Options"));
    Options1_->setObjectName(QStringLiteral("Options1"));
    About_ = menu->addAction(QStringLiteral("About"));
    About_->setObjectName(QStringLiteral("About"));
    connect(Pokervariant1_, &QAction::triggered, this, &TForm1::NewGame1Click);
    connect(Options1_, &QAction::triggered, this, &TForm1::Options1Click);
    connect(About_, &QAction::triggered, this, &TForm1::aboutbox);
}

void TForm1::placeOnScreen() {
    // The table fills the client area below the menu bar.
    const QSize client(kTableWidth, kTableHeight + menuBar()->sizeHint().height());
    resize(client);
    if (const QScreen* desktop = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client,
                                        desktop->availableGeometry()));
}

void TForm1::runCommand(void (Game::*command)()) {
    runGuarded(this, [this, command] { ((*game_).*command)(); });
}

void TForm1::newgame() {
    runCommand(&Game::newgame);
}
void TForm1::playerstays() {
    runCommand(&Game::playerstays);
}
void TForm1::playerbets() {
    runCommand(&Game::playerbets);
}
void TForm1::playerpasses() {
    runCommand(&Game::playerpasses);
}

void TForm1::NewGame1Click() {
    runGuarded(this, [this] { game_->newGameCommand(Panel1_->moneyText().toStdString()); });
}

void TForm1::Options1Click() {
    Panel1_->toggle();
}

void TForm1::aboutbox() {
    aboutBox_->exec();
}

} // namespace omaha
