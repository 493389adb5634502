#include "ui/main_window.h"

namespace omaha {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) { setFixedSize(800, 520); }

} // namespace omaha
