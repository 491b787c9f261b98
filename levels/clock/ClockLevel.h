#pragma once
// The clock level: its PARAM layout, its decoded record and the ring the
// balls stand on. Shared by the clock game and the clock level editor.
//
// Each game keeps its level record in a namespace of its own (Clock::TConfig,
// Target::TConfig, ...), so the five records and their codecs live side by
// side and a game window names its type as <Game>::TConfig.

#include "Define.h"
#include "LevelList.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

namespace Clock {

inline constexpr int GameType = ::GameType::Clock;
inline constexpr int MaxBalls = 16;

// PARAM layout: nineteen fields, numbered as the readers count them.
namespace Field {
inline constexpr int Numbers = 1;  // two digits per ball, "01".."16"
inline constexpr int Movement = 2; // index of the movement mode
inline constexpr int ShowGrid = 3;
inline constexpr int Center = 4;
inline constexpr int Diag = 5;
inline constexpr int Cible = 6;
inline constexpr int Son = 7;
inline constexpr int Random = 8;
inline constexpr int Visible = 9;
inline constexpr int Chenille = 10;
inline constexpr int PersSize = 11;
inline constexpr int Speed = 12; // two digits, as the speed box lists it
inline constexpr int BallSize = 13;
inline constexpr int TypeJeu = 14; // index of the layout
inline constexpr int BallNb = 15;
inline constexpr int Dist = 16;
inline constexpr int TargetColor = 17;
inline constexpr int NbColor = 18;
inline constexpr int BallColor = 19;
inline constexpr int Count = 19;
} // namespace Field

// Values of TypeJeu; any other value lays the balls out as Right.
enum Layout : std::int32_t
{
    Circle = 0,
    Front = 1,
    Posterior = 2,
    Left = 3,
    Right = 4
};
// Values of Movement.
enum Movement : std::int32_t
{
    Absolute = 0,
    Differential = 1,
    AbsoluteTrailing = 2,
    DifferentialTrailing = 3
};

struct TConfig
{
    QString Name;    // NIVEAU
    QString Numbers; // field 1
    QString Fichier; // FICHIER: a picture chosen in the editor; the game does not use it
    std::int32_t TypeJeu = Circle;
    std::int32_t Movement = Absolute;
    std::int32_t Speed = 10;
    std::int32_t Dist = 100;
    std::int32_t BallSize = 20;
    std::int32_t BallNb = 4;
    std::int32_t PersSize = 15;
    std::int32_t Chenille = 10;
    bool ShowGrid = false;
    bool Center = false;
    bool Random = false;
    bool Diag = false;
    bool Cible = false;
    bool Son = false;
    bool Visible = false;
    TColor BallColor = 0;
    TColor TargetColor = 0;
    TColor NbColor = 0;

    bool operator==(const TConfig&) const = default;
};

// The clock level list for the whole run: the clock level editor rebuilds it
// (Configs.Rebuild(rows, Clock::Decode)) when it is created and whenever it
// closes; TfmClock lists Configs.Names() and plays Configs.At(index). It lives
// here rather than in the editor's window library so that the game window
// reads it without linking the editor.
extern LevelList<TConfig> Configs;

// The identity numbering "0102...16".
QString IdentityNumbers();

// Decodes one level row. On failure returns false and, when `error` is
// given, the reason naming the level (Msg::LevelUnreadable). A row fails when
// its PARAM does not hold exactly nineteen fields, when a field after the
// first is no strict decimal integer, or when a level with fixed numbers
// (Random off) does not number its played balls 1 to N once each, which the
// game could not play.
bool Decode(const LevelRow& row, TConfig& config, QString* error = nullptr);

// The PARAM string of a level, in the form the editor writes: flags "-1" or
// "0", Speed with two digits like the items of the speed box, every other
// number plainly. A row in that form decodes and encodes back to itself.
QString Encode(const TConfig& config);

// The number of balls a level plays: BallNb when it is 1 to 16, else 5.
int PlayedBallCount(std::int32_t ballNb);

// Checks that characters 2k-1 and 2k of `numbers` (k = 1..count) hold the
// numbers 1..count once each. `reason` receives the translated reason.
bool NumbersUsable(const QString& numbers, int count, QString* reason = nullptr);

// Ring radii: the editor's preview stands its balls at distance + 10 on both
// axes; the game window derives them from its playfield and ball height so
// that distance 100 brings the balls' outer edges to 10 pixels from the
// border.
enum class Ring
{
    Game,
    Editor
};

using BallCorners = std::array<QPoint, MaxBalls>;

// Top-left corners of balls 1..count (entries 0..count-1; the rest stay 0,0)
// on a surface of `surface` pixels, every ball `ball` in size, for layout
// `layout` at distance `dist`. `count` beyond 0..16 is held to it. One ball
// on a quarter circle stands in the middle of the quarter. Halves of the
// surface truncate; positions are rounded half to even.
BallCorners PlaceBalls(Ring ring, QSize surface, QSize ball, std::int32_t layout, int count,
                       std::int32_t dist);

// Where an item of `item` size goes to stand centred on `box` (integer
// halves): the ball numbers on their balls.
QPoint CentredIn(const QRect& box, QSize item);

} // namespace Clock
