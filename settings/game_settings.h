#pragma once

#include "engine/table_state.h"
#include "settings/settings_file.h"

namespace omaha {

// Reads the twelve values that carry a game over, writes them straight back (so a first run
// creates the file), then reads the AI level and the bet sizes, which are not written back.
void loadsettings(TableState& table, const SettingsFile& file);

// Writes every seat's cash: freak, player, geek, master, champ, pinhead, expert, robot.
void savecash(const TableState& table, const SettingsFile& file);

} // namespace omaha
