#include "tools/event_json.h"

#include "core/card_text.h"

#include <cstdio>

namespace omaha {

namespace {

void appendString(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

// Writes `"name":[...]` with one item per seat in table order.
template <typename Item>
void appendSeats(std::string& out, std::string_view name, Item item) {
    out += ",\"";
    out += name;
    out += "\":[";
    bool first = true;
    for (const SeatCode seat : kTableOrder) {
        if (!first)
            out += ',';
        first = false;
        item(seat);
    }
    out += ']';
}

void appendNumber(std::string& out, std::string_view name, std::int64_t value) {
    out += ",\"";
    out += name;
    out += "\":";
    out += std::to_string(value);
}

const char* boolText(bool value) {
    return value ? "true" : "false";
}

} // namespace

std::string eventJson(std::string_view event, const TableState& table, const RecordingView& view,
                      const std::vector<std::string>& messages) {
    std::string out = "{\"event\":";
    appendString(out, event);
    appendNumber(out, "street", streetNumber(table.street));
    appendNumber(out, "pot", table.pot);
    appendNumber(out, "outcount", table.seatsOut);
    appendNumber(out, "opener", table.opener);
    appendNumber(out, "blindmarker", table.blindMarker);
    appendNumber(out, "tocall", table.amountToCall);
    appendSeats(out, "cash", [&](SeatCode s) { out += std::to_string(table.seats[s].cash); });
    appendSeats(out, "folded", [&](SeatCode s) { out += boolText(table.seats[s].folded); });
    appendSeats(out, "raised", [&](SeatCode s) { out += boolText(table.seats[s].raised); });
    appendSeats(out, "status", [&](SeatCode s) { appendString(out, view.status(s)); });
    appendSeats(out, "yellow", [&](SeatCode s) { out += boolText(view.yellow(s)); });
    out += ",\"result\":";
    appendString(out, view.result());
    out += ",\"stay\":";
    appendString(out, view.stayCaption());
    out += ",\"buttons\":[";
    out += boolText(view.enabled(TableButton::Deal));
    out += ',';
    out += boolText(view.enabled(TableButton::Stay));
    out += ',';
    out += boolText(view.enabled(TableButton::Raise));
    out += ',';
    out += boolText(view.enabled(TableButton::Fold));
    out += "],\"messages\":[";
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (i > 0)
            out += ',';
        appendString(out, messages[i]);
    }
    out += "],\"board\":[";
    for (std::size_t k = 0; k < table.board.size(); ++k) {
        if (k > 0)
            out += ',';
        appendString(out, cardCode(table.board[k]));
    }
    out += ']';
    appendSeats(out, "hole", [&](SeatCode s) {
        out += '[';
        for (std::size_t k = 0; k < table.seats[s].hole.size(); ++k) {
            if (k > 0)
                out += ',';
            appendString(out, cardCode(table.seats[s].hole[k]));
        }
        out += ']';
    });
    out += '}';
    return out;
}

} // namespace omaha
