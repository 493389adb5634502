#include "tools/fresh_settings.h"

#include "core/table_state.h"

namespace omaha {

std::string freshSettingsText(const PlayOptions& options) {
    std::string text = "[Background]\nColor=0\n\n[Cash]\n";
    for (const char* key :
         {"freak", "player", "geek", "master", "champ", "pinhead", "expert", "robot"})
        text += std::string(key) + "=" + options.cash + "\n";
    text += "until=" + options.until + "\ninitial=" + options.cash + "\n\n";
    text += "[Card]\nback=" + std::to_string(kFirstCardBack) + "\n\n";
    text += "[Levels]\ncomp=" + options.level + "\n\n";
    text += "[Bet]\nsmall=" + options.small + "\nbig=" + options.big + "\n";
    return text;
}

} // namespace omaha
