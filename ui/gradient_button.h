#pragma once

#include <QPushButton>

namespace omaha {

// The push button of both windows: a rounded face shaded from top to bottom with a gloss line,
// and a bold caption. Hovering warms the face, pressing sinks it and shifts the caption down a
// pixel, and a disabled button turns flat grey. It is a QPushButton underneath, so clicks are
// ignored while it is disabled and it acts as a dialog's default button like any other.
class GradientButton : public QPushButton {
    Q_OBJECT

public:
    explicit GradientButton(const QString& caption, QWidget* parent = nullptr);

    // The four looks the face can take.
    enum class Look { Normal, Hover, Pressed, Disabled };

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look look() const;
};

} // namespace omaha
