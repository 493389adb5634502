#pragma once

#include <functional>
#include <utility>

class QObject;

namespace omaha {

// Work that the events of one press ask for many times and that is done once, after the press:
// in the next turn of the event loop, however often it was asked for before then. Nothing is done
// once `context` is gone.
class RunSoon {
public:
    RunSoon(QObject& context, std::function<void()> work)
        : context_(context), work_(std::move(work)) {}

    void request();

private:
    QObject& context_;
    std::function<void()> work_;
    bool pending_ = false;
};

} // namespace omaha
