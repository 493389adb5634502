#pragma once

#include <cstdint>
#include <QString>
#include <QStringList>

namespace omaha {

// The AI levels by name, in the order the options panel lists them: "Amateur" to "Genius".
QStringList aiLevelNames();

// A level as the records keep it, by its value: its name, or "Level 27" for a number that only a
// hand-edited settings file gives.
QString aiLevelName(std::int32_t value);

} // namespace omaha
