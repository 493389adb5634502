#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace omaha {

// One bevel a pixel wide along the inside of `frame`: `topLeft` on the top and left edges,
// `bottomRight` on the bottom and right ones, which also take the two corners where the colours
// meet. A raised part has the light colour top left, a sunken one the dark colour.
void drawBevel(QPainter& painter, const QRect& frame, const QColor& topLeft,
               const QColor& bottomRight);

// A flat panel in one colour, framed by two sunken one-pixel bevels, the outer around the inner:
// shadow on the top and left edges, highlight on the bottom and right.
class BevelPanel : public QWidget {
    Q_OBJECT

public:
    BevelPanel(const QColor& fill, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
};

} // namespace omaha
