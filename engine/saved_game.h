#pragma once

#include "core/table_state.h"
#include "settings/settings_file.h"

namespace omaha {

// Reads the twelve values that carry a game over, writes them straight back (so a first run
// creates the file), then reads the AI level and the bet sizes, which are not written back.
void loadSavedGame(TableState& table, const SettingsFile& file);

// Writes every seat's cash: freak, player, geek, master, champ, pinhead, expert, robot.
void saveCash(const TableState& table, const SettingsFile& file);

// What every Deal writes before anything else: the background colour, then every seat's cash.
void saveDealSettings(const TableState& table, const SettingsFile& file);

} // namespace omaha
