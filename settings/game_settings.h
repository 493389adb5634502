#pragma once

#include "engine/table_state.h"
#include "settings/settings_file.h"

namespace omaha {

// Clears away the temporary files of writes cut short, then reads the twelve values that carry a
// game over and writes them straight back in one replacement (so a first run creates the file),
// then reads the AI level and the bet sizes, which are not written back. Values that the options
// panel limits read as their defaults when the file holds one outside those limits.
void loadsettings(TableState& table, const SettingsFile& file);

// Writes every seat's cash in one replacement: freak, player, geek, master, champ, pinhead,
// expert, robot.
void savecash(const TableState& table, const SettingsFile& file);

// What a deal writes, in one replacement: the background colour, then every seat's cash as
// savecash writes it.
void saveDealSettings(const TableState& table, const SettingsFile& file);

} // namespace omaha
