#pragma once

#include <functional>

class QWidget;

namespace omaha {

// Runs one event handler. An error it raises (a settings file that cannot be written, a number
// that is not one) is shown in an error box over `parent`, and the event loop goes on.
void runGuarded(QWidget* parent, const std::function<void()>& handler);

} // namespace omaha
