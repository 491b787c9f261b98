#include "GameModules.h"

namespace {
QList<GameModule>& modules()
{
    static QList<GameModule> list;
    return list;
}
} // namespace

void RegisterGameModule(GameModule module)
{
    for (GameModule& existing : modules()) {
        if (existing.type == module.type) {
            existing = std::move(module);
            return;
        }
    }
    modules().append(std::move(module));
}

std::optional<GameModule> FindGameModule(int type)
{
    for (const GameModule& module : modules()) {
        if (module.type == type)
            return module;
    }
    return std::nullopt;
}

void ClearGameModules()
{
    modules().clear();
}
