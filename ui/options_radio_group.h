#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace omaha {

// A column of exclusive choices inside an etched frame, spread evenly over the frame's height.
// Choosing an item that was not selected reports it through `chosen`; choosing the selected one
// again reports nothing, so a handler runs only when the selection really changes.
class OptionsRadioGroup : public QWidget {
    Q_OBJECT

public:
    OptionsRadioGroup(const QStringList& items, QWidget* parent = nullptr);

    // Selects `item` without reporting a choice: the program shows a value, the player did not
    // choose it. An index outside the items leaves the selection as it is.
    void setItemIndex(int item);

signals:
    void chosen(int item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int count() const { return static_cast<int>(items_.size()); }
    void placeItems();

    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> items_;
};

} // namespace omaha
