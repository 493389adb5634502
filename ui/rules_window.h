#pragma once

#include <QDialog>

namespace omaha {

// The rules window: seventeen short lines on a green panel and an "Ok" button. It is made once,
// shown modally by the About command, and shown again unchanged; nothing is read back. The lines
// stand at fixed places, so resizing the window neither moves nor wraps them.
class RulesWindow : public QDialog {
    Q_OBJECT

public:
    explicit RulesWindow(QWidget* parent = nullptr);
};

} // namespace omaha
