#pragma once

#include <QFont>

namespace omaha {

// The table's texts ask for Verdana and the rules window's for Tahoma by family name, at a
// character height in pixels; where the family is missing, the system's sans font stands in.
QFont verdanaFont(int pixelHeight, bool bold);
QFont tahomaFont(int pixelHeight, bool bold);

} // namespace omaha
