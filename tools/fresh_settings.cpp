#include "tools/fresh_settings.h"

#include "core/card_backs.h"
#include "core/seat_facts.h"

namespace omaha {

std::string freshSettingsText(const PlayOptions& options) {
    std::string text = "[Background]\nColor=0\n\n[Cash]\n";
    for (const SeatCode seat : kCashKeyOrder)
        text += std::string(seatFacts(seat).cashKey) + "=" + options.cash + "\n";
    text += "until=" + options.until + "\ninitial=" + options.cash + "\n\n";
    text += "[Card]\nback=" + std::to_string(kFirstCardBack) + "\n\n";
    text += "[Levels]\ncomp=" + options.level + "\n\n";
    text += "[Bet]\nsmall=" + options.small + "\nbig=" + options.big + "\n";
    return text;
}

} // namespace omaha
