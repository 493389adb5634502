#include "ui/run_soon.h"

#include <QTimer>

namespace omaha {

void RunSoon::request() {
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, &context_, [this] {
        pending_ = false;
        work_();
    });
}

} // namespace omaha
