#pragma once

#include <exception>
#include <functional>
#include <string>

class QWidget;

namespace omaha {

// Runs one event handler. An error it raises (a settings file that cannot be written, a number
// that is not one) is shown in an error box over `parent`, and the event loop goes on.
void runGuarded(QWidget* parent, const std::function<void()>& handler);

// The error box, captioned "Error", over `parent`: the error's own message as the text and, when
// it has one, the system's reason behind it as the details the box shows on request.
void showError(QWidget* parent, const std::exception& error);

// The modal box `showError` builds, with `detail` as its details; an empty `detail` gives a box
// without them.
void showErrorBox(QWidget* parent, const std::string& text, const std::string& detail);

// What the system said about `error`, as "No space left on device"; empty for an error that says
// all there is in its message, which is every error raised so far.
std::string errorDetail(const std::exception& error);

} // namespace omaha
