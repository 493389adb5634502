#include "engine/hand_history.h"
#include "records/event_text.h"
#include "records/hand_records.h"
#include "records/replay.h"
#include "records/sqlite_connection.h"

#include <limits>
#include <ostream>

namespace omaha {

namespace {

std::vector<HandEvent> readEvents(SqliteStatement& events, std::int64_t hand) {
    std::vector<HandEvent> read;
    events.bind(1, hand);
    while (events.step()) {
        const auto kind = eventKindFromText(events.text(1));
        if (!kind)
            continue; // of a later version of the game, which this one cannot tell
        read.push_back({*kind, static_cast<Street>(events.integer(0)),
                        static_cast<SeatCode>(events.integer(2)),
                        static_cast<std::int32_t>(events.integer(3)), cardsFromText(events.text(4)),
                        events.text(5)});
    }
    events.reset();
    return read;
}

} // namespace

bool HandRecords::exportText(std::ostream& out) {
    const bool read = transact(false, [&](SqliteConnection& db) {
        SqliteStatement hands =
            db.prepare("SELECT id, session_id, pot FROM hands ORDER BY session_id, id");
        SqliteStatement events = db.prepare("SELECT street, kind, seat, amount, cards, name FROM "
                                            "hand_events WHERE hand_id = ? ORDER BY seq");
        // Each run of the game numbered its hands afresh, as its history window did.
        std::optional<HandHistory> history;
        std::int64_t session = 0;
        bool first = true;
        const auto flush = [&] {
            if (!history)
                return;
            out << (first ? "" : "\n") << history->text();
            first = false;
        };
        while (hands.step()) {
            if (!history || hands.integer(1) != session) {
                flush();
                history.emplace(std::numeric_limits<std::size_t>::max());
                session = hands.integer(1);
            }
            replayHand(readEvents(events, hands.integer(0)),
                       static_cast<std::int32_t>(hands.integer(2)), *history);
        }
        flush();
    });
    return read && out.good();
}

} // namespace omaha
