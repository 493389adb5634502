#include "ui/main_window.h"

#include "engine/whole_number.h"
#include "ui/fonts.h"
#include "ui/gradient_button.h"
#include "ui/guarded_call.h"
#include "ui/history_window.h"
#include "ui/options_panel.h"
#include "ui/rules_window.h"
#include "ui/screen_placement.h"
#include "ui/table_surface.h"
#include "ui/window_view.h"

#include <QMenuBar>
#include <QMessageBox>

namespace omaha {

namespace {

// A title bar without text: an empty title would make the window system show the program's
// name instead, so the title is a single blank.
const QString kNoTitle = QStringLiteral(" ");

// What a new game does, as the box that asks first says it, with the initial cash typed in the
// options panel.
QString newGameEffect(const QString& typedCash) {
    if (const auto cash = parseWholeNumber(typedCash.toStdString()))
        return QStringLiteral("A new game gives every seat the initial cash of %1.").arg(*cash);
    return QStringLiteral("A new game gives every seat the initial cash typed in the options.");
}

} // namespace

MainWindow::MainWindow(SettingsFile settings, Game::Clock clock, Opponents* opponents,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      settings_(std::move(settings)) {
    setWindowTitle(kNoTitle);
    // The title bar stays blank, but screen readers name the window.
    setAccessibleName(QStringLiteral("Omaha"));
    buildMenu();
    // The table carries the window's black colour and its default font, Verdana; the menu bar
    // keeps the desktop's own.
    table_ = new TableSurface(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setFont(verdanaFont(11, false));
    setCentralWidget(table_);
    labels_ = createTableLabels(table_);
    buttons_ = createTableButtons(table_);
    connect(buttons_[TableButton::Deal], &QPushButton::clicked, this, &MainWindow::deal);
    connect(buttons_[TableButton::Stay], &QPushButton::clicked, this, &MainWindow::check);
    connect(buttons_[TableButton::Raise], &QPushButton::clicked, this, &MainWindow::raise);
    connect(buttons_[TableButton::Fold], &QPushButton::clicked, this, &MainWindow::fold);

    rulesWindow_ = new RulesWindow(this);
    historyWindow_ = new HistoryWindow(history_, this);
    // The table's keys work from the history window too, so that reading it, or copying from
    // it, never leaves the keyboard dead.
    historyWindow_->addActions({newGameAction_, optionsAction_, aboutAction_, historyAction_});
    pressWithKeysFrom(buttons_, historyWindow_);
    // The table fills the client area below the menu bar.
    resize(kTableWidth, kTableHeight + menuBar()->sizeHint().height());
    placeOnScreen(*this);

    view_ = std::make_unique<WindowTableView>(this, *table_, labels_, buttons_);
    game_ = std::make_unique<Game>(*view_, settings_, opponents ? *opponents : ownOpponents_,
                                   std::move(clock));
    table_->setTable(&game_->table());
    optionsPanel_ = new OptionsPanel(*game_, table_);
    // Before start-up, so that the history holds the first hand too.
    game_->observeHands(history_);
    game_->startup();
    optionsPanel_->fillFromTable();
}

MainWindow::~MainWindow() = default;

TableView& MainWindow::view() {
    return *view_;
}

void MainWindow::buildMenu() {
    QMenu* game = addMenu(QStringLiteral("Game"));
    newGameAction_ =
        addCommand(game, "New game", "Pokervariant1", QKeySequence(Qt::CTRL | Qt::Key_N));
    optionsAction_ = addCommand(game, "Options", "Options1", QKeySequence(Qt::CTRL | Qt::Key_O));
    aboutAction_ = addCommand(game, "About", "About", QKeySequence(Qt::Key_F1));
    connect(newGameAction_, &QAction::triggered, this, &MainWindow::startNewGame);
    connect(optionsAction_, &QAction::triggered, this, &MainWindow::toggleOptions);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::showRules);

    QMenu* view = addMenu(QStringLiteral("View"));
    historyAction_ =
        addCommand(view, "Hand history", "HandHistory", QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(historyAction_, &QAction::triggered, this, &MainWindow::showHistory);
}

QMenu* MainWindow::addMenu(const QString& title) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(title);
    menu->setAccessibleName(title);
    return menu;
}

QAction* MainWindow::addCommand(QMenu* menu, const char* text, const char* objectName,
                                const QKeySequence& key) {
    QAction* command = menu->addAction(QLatin1String(text));
    command->setObjectName(QLatin1String(objectName));
    command->setShortcut(key);
    return command;
}

void MainWindow::runCommand(void (Game::*command)()) {
    runGuarded(this, [this, command] { ((*game_).*command)(); });
}

void MainWindow::deal() {
    runCommand(&Game::deal);
}
void MainWindow::check() {
    runCommand(&Game::check);
}
void MainWindow::raise() {
    runCommand(&Game::raise);
}
void MainWindow::fold() {
    runCommand(&Game::fold);
}

void MainWindow::startNewGame() {
    // The random source is seeded afresh whatever the answer.
    game_->reseedFromClock();
    QMessageBox question(QMessageBox::Question, QStringLiteral("New game"),
                         QStringLiteral("Are you sure?"), QMessageBox::Yes | QMessageBox::No, this);
    question.setInformativeText(newGameEffect(optionsPanel_->moneyText()));
    // A stray Return keeps the game.
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    runGuarded(this, [this] { game_->startNewGame(optionsPanel_->moneyText().toStdString()); });
}

void MainWindow::toggleOptions() {
    optionsPanel_->toggle();
}

void MainWindow::showHistory() {
    historyWindow_->present();
}

void MainWindow::showRules() {
    rulesWindow_->exec();
}

} // namespace omaha
