#include "ui/level_names.h"

#include "core/ai_level.h"

#include <QCoreApplication>

namespace omaha {

QStringList aiLevelNames() {
    return {QCoreApplication::translate("AiLevel", "Amateur"),
            QCoreApplication::translate("AiLevel", "Expert"),
            QCoreApplication::translate("AiLevel", "Master"),
            QCoreApplication::translate("AiLevel", "Genius")};
}

QString aiLevelName(std::int32_t value) {
    const QStringList names = aiLevelNames();
    for (qsizetype item = 0; item < names.size(); ++item)
        if (levelValue(kAiLevels[static_cast<std::size_t>(item)]) == value)
            return names[item];
    return QCoreApplication::translate("AiLevel", "Level %1").arg(value);
}

} // namespace omaha
