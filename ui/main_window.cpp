#include "ui/main_window.h"

#include "engine/coach.h"
#include "engine/whole_number.h"
#include "ui/about_omaha.h"
#include "ui/coach_bar.h"
#include "ui/fonts.h"
#include "ui/gradient_button.h"
#include "ui/guarded_call.h"
#include "ui/history_window.h"
#include "ui/options_panel.h"
#include "ui/record_keeper.h"
#include "ui/rules_window.h"
#include "ui/statistics_window.h"
#include "ui/table_buttons.h"
#include "ui/table_labels.h"
#include "ui/table_scaling.h"
#include "ui/table_surface.h"
#include "ui/window_memory.h"
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
        return MainWindow::tr("A new game gives every seat the initial cash of %1.").arg(*cash);
    return MainWindow::tr("A new game gives every seat the initial cash typed in the options.");
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
    setAccessibleName(tr("Omaha"));
    const QList<QAction*> commands = buildMenu();
    // The table carries the window's black colour and its default font, Verdana; the menu bar
    // keeps the desktop's own.
    auto* table = new TableSurface(this);
    table->setObjectName(QStringLiteral("table"));
    table->setFont(verdanaFont(11, false));
    setCentralWidget(table);
    const TableLabels labels = createTableLabels(table);
    const TableButtons buttons = createTableButtons(table);
    connect(buttons[TableButton::Deal], &QPushButton::clicked, this, &MainWindow::deal);
    connect(buttons[TableButton::Stay], &QPushButton::clicked, this, &MainWindow::check);
    connect(buttons[TableButton::Raise], &QPushButton::clicked, this, &MainWindow::raise);
    connect(buttons[TableButton::Fold], &QPushButton::clicked, this, &MainWindow::fold);

    rulesWindow_ = new RulesWindow(this);
    historyWindow_ = new HistoryWindow(history_, this);
    // The table's keys work from the history window too, so that reading it, or copying from
    // it, never leaves the keyboard dead.
    historyWindow_->addActions(commands);
    pressWithKeysFrom(buttons, historyWindow_);
    // The table fills the client area below the menu bar.
    resize(kTableWidth, kTableHeight + menuBar()->sizeHint().height());

    view_ = std::make_unique<WindowTableView>(this, *table, labels, buttons);
    game_ =
        std::make_unique<Game>(*view_, settings_, opponents ? *opponents : ownOpponents_, clock);
    table->setTable(&game_->table());
    optionsPanel_ = new OptionsPanel(*game_, table);

    // Before start-up, so that the history, the records and the coach have the first hand too.
    // The coach's source is seeded as omaha-sim seeds it for a game played from the same second.
    records_ = std::make_unique<RecordKeeper>(game_->table(), *view_);
    coach_ = new CoachBar(game_->table(), settings_, coachSeed(clock()), *this);
    coachCommand_->setChecked(coach_->isOn());
    connect(coachCommand_, &QAction::toggled, coach_, &CoachBar::switchOn);
    observers_.add(history_);
    observers_.add(records_->recorder());
    observers_.add(*coach_);
    if (HandRecords* records = records_->records()) {
        statistics_ = new StatisticsWindow(*records, this);
        observers_.add(*statistics_);
        // Play goes on from the statistics too, which follow it.
        statistics_->addActions(commands);
        pressWithKeysFrom(buttons, statistics_);
    }
    statisticsCommand_->setEnabled(statistics_ != nullptr);
    game_->observeHands(observers_);
    game_->startup();
    if (game_->startedAfresh())
        records_->beginFreshGame();
    optionsPanel_->fillFromTable();

    // Once everything is on the table, which scales as a whole.
    windowMemory_ = new WindowMemory(*this, *new TableScaling(*this, *table), settings_);
    windowMemory_->restore();
    scaleCommand_->setChecked(windowMemory_->scaled());
    connect(scaleCommand_, &QAction::toggled, windowMemory_, &WindowMemory::setScaled);
}

MainWindow::~MainWindow() = default;

QList<QAction*> MainWindow::buildMenu() {
    QMenu* game = addMenu(tr("Game"), "gameMenu");
    QAction* newGame =
        addCommand(game, tr("New game"), "newGameCommand", QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction* options =
        addCommand(game, tr("Options"), "optionsCommand", QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* about = addCommand(game, tr("About"), "aboutCommand", QKeySequence(Qt::Key_F1));
    game->addSeparator();
    QAction* quit = addCommand(game, tr("Quit"), "quitCommand", QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(newGame, &QAction::triggered, this, &MainWindow::startNewGame);
    connect(options, &QAction::triggered, this, &MainWindow::toggleOptions);
    connect(about, &QAction::triggered, this, &MainWindow::showRules);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* view = addMenu(tr("View"), "viewMenu");
    QAction* history = addCommand(view, tr("Hand history"), "handHistoryCommand",
                                  QKeySequence(Qt::CTRL | Qt::Key_H));
    connect(history, &QAction::triggered, this, &MainWindow::showHistory);
    coachCommand_ =
        addCommand(view, tr("Coach"), "coachCommand", QKeySequence(Qt::CTRL | Qt::Key_K));
    coachCommand_->setCheckable(true);
    statisticsCommand_ =
        addCommand(view, tr("Statistics"), "statisticsCommand", QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(statisticsCommand_, &QAction::triggered, this, &MainWindow::showStatistics);
    scaleCommand_ =
        addCommand(view, tr("Scale the table with the window"), "scaleTableCommand", {});
    scaleCommand_->setCheckable(true);

    QMenu* help = addMenu(tr("Help"), "helpMenu");
    QAction* aboutOmaha = addCommand(help, tr("About Omaha"), "aboutOmahaCommand", {});
    connect(aboutOmaha, &QAction::triggered, this, [this] { showAboutOmaha(this); });
    return {newGame, options, about, quit, history, coachCommand_, statisticsCommand_};
}

QMenu* MainWindow::addMenu(const QString& title, const char* objectName) {
    // The title's first letter, with Alt, opens the menu, in every language.
    QMenu* menu = menuBar()->addMenu(QLatin1Char('&') + title);
    menu->setObjectName(QLatin1String(objectName));
    menu->setAccessibleName(title);
    return menu;
}

QAction* MainWindow::addCommand(QMenu* menu, const QString& text, const char* objectName,
                                const QKeySequence& key) {
    QAction* command = menu->addAction(text);
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
    QMessageBox question(QMessageBox::Question, tr("New game"), tr("Are you sure?"),
                         QMessageBox::Yes | QMessageBox::No, this);
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

void MainWindow::showStatistics() {
    if (statistics_ != nullptr)
        statistics_->present();
}

void MainWindow::showRules() {
    rulesWindow_->exec();
}

} // namespace omaha
