#pragma once

#include <array>
#include <QDialog>

class QLabel;

namespace omaha {

class BevelPanel;
class GradientButton;

// The rules window: seventeen short lines on a green panel and an "Ok" button. It is made once,
// shown modally by the About command, and shown again unchanged; nothing is read back. The lines
// stand at fixed places, so resizing the window neither moves nor wraps them.
class RulesWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kLineCount = 17;

    explicit RulesWindow(QWidget* parent = nullptr);

    const BevelPanel* panel() const { return panel_; }
    const std::array<QLabel*, kLineCount>& lines() const { return lines_; }
    GradientButton* okButton() const { return okButton_; }

private:
    BevelPanel* panel_ = nullptr;
    std::array<QLabel*, kLineCount> lines_{};
    GradientButton* okButton_ = nullptr;
};

} // namespace omaha
