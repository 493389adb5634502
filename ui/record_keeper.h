#pragma once

#include "core/table_state.h"
#include "engine/hand_observer.h"

#include <chrono>
#include <memory>

namespace omaha {

class HandRecorder;
class HandRecords;
class WindowTableView;

// The player's hands as the window keeps them: every finished hand goes into the player's records
// file (records/records_path.h). Trouble with the file never stops the game: the records layer
// tells each kind of it once, and the player reads it in a box over the table after the press
// that met it, captioned "Hand records".
class RecordKeeper {
public:
    // How long a write waits for another copy of the game that holds the file. Two copies
    // writing their hands take turns within it; a file held longer (a copy stopped in the middle
    // of a write, a database tool left open) costs a press no more than this, and that hand is
    // not kept. The records layer on its own would wait seconds, with the window frozen.
    static constexpr std::chrono::milliseconds kBusyWait{250};

    // Records the hands played at `table`, telling trouble through `view`.
    RecordKeeper(const TableState& table, WindowTableView& view);
    ~RecordKeeper();
    RecordKeeper(const RecordKeeper&) = delete;
    RecordKeeper& operator=(const RecordKeeper&) = delete;

    // The records, or nullptr when there is no folder to keep them in: neither XDG_DATA_HOME nor
    // HOME names one.
    HandRecords* records() const { return records_.get(); }
    // Tell it the hands; it keeps the finished ones.
    HandObserver& recorder();
    // The next hand kept opens a game of its own in the records, rather than carrying on the last
    // one: the run started afresh, with no game saved in the settings.
    void beginFreshGame();

private:
    std::unique_ptr<HandRecords> records_;
    std::unique_ptr<HandRecorder> recorder_;
    HandObserver keepsNothing_;
};

} // namespace omaha
