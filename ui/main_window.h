#pragma once

#include <QMainWindow>

namespace omaha {

// The card table: an 800 x 520 surface below the Game menu.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
};

} // namespace omaha
