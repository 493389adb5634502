#include "ui/record_keeper.h"

#include "records/hand_recorder.h"
#include "records/hand_records.h"
#include "records/records_path.h"
#include "ui/window_view.h"

#include <QCoreApplication>
#include <QTimer>

namespace omaha {

namespace {

// Shows `text` once the present press is over: the records layer tells its trouble from inside
// a write or a query, which must not wait on the player.
void tellSoon(WindowTableView& view, const std::string& text) {
    QTimer::singleShot(0, &view, [&view, text] {
        view.showMessage(text,
                         QCoreApplication::translate("RecordKeeper", "Hand records").toStdString());
    });
}

} // namespace

RecordKeeper::RecordKeeper(const TableState& table, WindowTableView& view) {
    const auto path = playerRecordsPath();
    if (!path) {
        tellSoon(view, QCoreApplication::translate(
                           "RecordKeeper", "Hands are not recorded: neither XDG_DATA_HOME nor "
                                           "HOME names a folder to keep them in.")
                           .toStdString());
        return;
    }
    records_ = std::make_unique<HandRecords>(
        *path, [&view](const std::string& text) { tellSoon(view, text); },
        HandRecords::Options{kBusyWait, {}});
    recorder_ = std::make_unique<HandRecorder>(table, *records_);
}

RecordKeeper::~RecordKeeper() = default;

void RecordKeeper::beginFreshGame() {
    if (recorder_)
        recorder_->beginFreshGame();
}

HandObserver& RecordKeeper::recorder() {
    if (recorder_)
        return *recorder_;
    return keepsNothing_;
}

} // namespace omaha
