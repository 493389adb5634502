#pragma once

#include <QColor>
#include <QWidget>

namespace omaha {

// A flat panel in one colour, framed by two sunken one-pixel bevels, the outer around the inner:
// shadow on the top and left edges, highlight on the bottom and right.
class BevelPanel : public QWidget {
    Q_OBJECT

public:
    BevelPanel(const QColor& fill, QWidget* parent = nullptr);

    QColor fill() const { return fill_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

} // namespace omaha
