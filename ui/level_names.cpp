#include "ui/level_names.h"

#include "core/ai_level.h"

namespace omaha {

QStringList aiLevelNames() {
    return {QStringLiteral("Amateur"), QStringLiteral("Expert"), QStringLiteral("Master"),
            QStringLiteral("Genius")};
}

QString aiLevelName(std::int32_t value) {
    const QStringList names = aiLevelNames();
    for (qsizetype item = 0; item < names.size(); ++item)
        if (levelValue(kAiLevels[static_cast<std::size_t>(item)]) == value)
            return names[item];
    return QStringLiteral("Level %1").arg(value);
}

} // namespace omaha
