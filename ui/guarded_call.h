#pragma once

#include <exception>
#include <functional>

class QWidget;

namespace omaha {

// Runs one event handler. An error it raises (a settings file that cannot be written, a number
// that is not one) is shown in an error box over `parent`, and the event loop goes on.
void runGuarded(QWidget* parent, const std::function<void()>& handler);

// The error box, captioned "Error", over `parent`: the error's own message as the text and, when
// it has one, the system's reason behind it as the details the box shows on request.
void showError(QWidget* parent, const std::exception& error);

} // namespace omaha
