#pragma once
// The in-memory level list of one game type: `Configs` and its 8-bit count
// `NbConfigs`. The game type's level editor rebuilds it from the level table
// when it is created and whenever it closes; the game window of that type
// reads its levels only from here.
//
//   level table rows (NIVEAU, PARAM, FICHIER) --decode--> LevelList<TConfig>
//                           |                               | Configs() in name order
//             undecodable row: reported once, left out      v
//                                                      game window
//
// Every TConfig type has `Name` as its first field (the level name).

#include "MessageTable.h"
#include "Messages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <functional>

// One row of the level table as an editor reads it.
struct LevelRow
{
    QString Niveau;  // NIVEAU, the level name
    QString Param;   // PARAM, the game's parameter string
    QString Fichier; // FICHIER, a file name some games keep with the level
};

// The count is held in one byte everywhere it is read.
inline constexpr int MaxLevelsPerGame = 255;

// Order of level names in every list: without regard to case, then by the
// exact text so that names differing only in case keep a fixed order.
bool LevelNameLess(const QString& a, const QString& b);

// Whether a game type that already holds `levelsOfType` rows in the level
// table may take one more; the editor refuses a new level with
// Msg::TooManyLevels (TooManyLevelsText()) when it may not.
inline bool RoomForNewLevel(int levelsOfType)
{
    return levelsOfType < MaxLevelsPerGame;
}
QString TooManyLevelsText();

// Shows a text of the level list to the user (the default reporter).
void ReportLevelProblem(const QString& text);

template <class Config> class LevelList
{
public:
    using Reporter = std::function<void(const QString& text)>;

    // Replaces the list with the decodable rows of `rows`, in level-name
    // order. `decode` is the game's codec: bool(const LevelRow&, Config&,
    // QString* error). A row it refuses is reported once through `report`
    // (its error naming the level) and left out, so one bad row never hides
    // the others. Levels beyond MaxLevelsPerGame are left out too, named in
    // one report.
    template <class Decode>
    void Rebuild(const QList<LevelRow>& rows, Decode decode,
                 const Reporter& report = ReportLevelProblem)
    {
        QList<Config> decoded;
        decoded.reserve(rows.size());
        for (const LevelRow& row : rows) {
            Config config;
            QString error;
            if (decode(row, config, &error))
                decoded.append(std::move(config));
            else if (report)
                report(error + QLatin1Char(' ') + Msg::tr(Msg::LevelLeftOut));
        }
        std::stable_sort(decoded.begin(), decoded.end(), [](const Config& a, const Config& b) {
            return LevelNameLess(a.Name, b.Name);
        });
        if (decoded.size() > MaxLevelsPerGame) {
            QStringList leftOut;
            for (qsizetype i = MaxLevelsPerGame; i < decoded.size(); ++i)
                leftOut.append(QLatin1Char('"') + decoded[i].Name + QLatin1Char('"'));
            decoded.resize(MaxLevelsPerGame);
            if (report)
                report(Msg::tr(Msg::LevelListFull)
                           .arg(MaxLevelsPerGame)
                           .arg(leftOut.join(QStringLiteral(", "))));
        }
        m_configs = std::move(decoded);
    }

    void Clear() { m_configs.clear(); }

    const QList<Config>& Configs() const { return m_configs; }
    std::uint8_t NbConfigs() const { return static_cast<std::uint8_t>(m_configs.size()); }
    bool IsEmpty() const { return m_configs.isEmpty(); }

    // The level at position `index` of the list (and of the level selector,
    // which lists Names() in this order); nullptr outside the list.
    const Config* At(int index) const
    {
        return index >= 0 && index < m_configs.size() ? &m_configs[index] : nullptr;
    }
    // Position of the level named exactly `name`, -1 when there is none.
    int IndexOf(const QString& name) const
    {
        for (qsizetype i = 0; i < m_configs.size(); ++i) {
            if (m_configs[i].Name == name)
                return int(i);
        }
        return -1;
    }
    QStringList Names() const
    {
        QStringList names;
        names.reserve(m_configs.size());
        for (const Config& config : m_configs)
            names.append(config.Name);
        return names;
    }

private:
    QList<Config> m_configs;
};
