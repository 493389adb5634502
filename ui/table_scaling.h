#pragma once

#include <memory>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <vector>

class QWidget;

namespace omaha {

class ScaledControlsStyle;
class TableSurface;

// The player's choice to scale the table with the window. While it is on, the table and
// everything on it (the picture, the cards, the labels, the buttons and the options panel) take
// the largest size that fits the table's widget, keeping their proportions, centred between black
// bars; texts are set in fonts of the scaled size, and the window gets a maximise box and a
// minimum size of half the table. While it is off, everything stands as designed: the table at
// its own size in the top-left corner, and the window without a maximise box.
class TableScaling : public QObject {
    Q_OBJECT

public:
    // `window` is the top-level window whose central part is `table`. Scaling starts off.
    TableScaling(QWidget& window, TableSurface& table);
    ~TableScaling() override;

    bool isOn() const { return on_; }
    // Turning it off brings the window back to the size that shows the table whole.
    void setOn(bool on);

protected:
    // Follows the table widget's size while scaling is on.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A widget on the table as it was built, at scale 1.
    struct DesignPlace {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };

    void recordDesign();
    void layOut();
    void placeWidgets(qreal scale, QPoint origin);

    QWidget& window_;
    TableSurface& table_;
    bool on_ = false;
    std::vector<DesignPlace> design_;
    // The style of the table's widgets once they have been scaled.
    std::unique_ptr<ScaledControlsStyle> style_;
};

} // namespace omaha
