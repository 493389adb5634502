#pragma once

#include <QWidget>

class QToolButton;

namespace omaha {

// A horizontal up-down control: two arrow buttons side by side holding a level between `lowest`
// and `highest`, with no number of its own. The left arrow steps down and the right arrow up; a
// press against either end leaves the level there, it does not wrap. Every press is reported,
// also one against an end, and holding an arrow down repeats the press.
class OptionsUpDown : public QWidget {
    Q_OBJECT

public:
    OptionsUpDown(int lowest, int highest, QWidget* parent = nullptr);

    // Moves to `level`, kept within the range, without reporting a step.
    void setLevel(int level);

signals:
    // An arrow press, with the level after the step.
    void stepped(int level);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int by);

    int lowest_;
    int highest_;
    int level_;
    QToolButton* down_ = nullptr;
    QToolButton* up_ = nullptr;
};

} // namespace omaha
