#pragma once

#include "core/table_state.h"
#include "settings/settings_store.h"

namespace omaha {

// Reads the twelve values that carry a game over and writes them straight back in one go (so a
// first run creates the file), then reads the AI level and the bet sizes, which are not written
// back. Values that the options panel limits read as their defaults when the store holds one
// outside those limits. True when the store held a game to carry on: some seat's cash; without
// one, as on a first run or once the settings file is gone, the game starts afresh.
bool loadSavedGame(TableState& table, SettingsStore& store);

// Writes every seat's cash: freak, player, geek, master, champ, pinhead, expert, robot.
void saveCash(const TableState& table, SettingsStore& store);

// A fresh start at `cash`: the initial cash and every seat's cash, in one write.
void saveFreshCash(std::int32_t cash, SettingsStore& store);

// What every Deal writes before anything else: the background colour, then every seat's cash.
void saveDealSettings(const TableState& table, SettingsStore& store);

} // namespace omaha
