#include "engine/game.h"

#include <utility>

namespace omaha {

Game::Game(TableView& view, SettingsFile settings, Clock clock)
    : view_(view), settings_(std::move(settings)), clock_(std::move(clock)) {}

void Game::startup() {}
void Game::newgame() {}
void Game::playerstays() {}
void Game::playerbets() {}
void Game::playerpasses() {}
void Game::newGameCommand(std::string_view) {}
void Game::enterInitialCash(std::string_view) {}
void Game::enterTarget(std::string_view) {}
void Game::changeBetLevel(int) {}
void Game::chooseCardBack(int) {}
void Game::chooseLevel(int) {}
void Game::builddeck() {}
void Game::dealhand() {}
void Game::postblinds() {}
void Game::openbetting() {}
void Game::callorfold(SeatCode) {}
void Game::checkorraise(SeatCode) {}
void Game::computerpass(SeatCode) {}
void Game::humancalls() {}
void Game::showdown() {}
void Game::foldwin() {}
void Game::paintcards() {}

} // namespace omaha
