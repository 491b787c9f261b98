#pragma once
// The rules of the clock game, without widgets: numbered balls on a ring, a
// character steered by the surface cursor, touched in the order of the
// numbers. TfmClock owns the timers, feeds GameStep the mapped cursor on each
// sampling tick and SecondsTick on each seconds tick, and paints what this
// class holds; a test plays a whole trial by calling the same methods.
//
// Nothing in GameStep allocates or touches a file: the pictures it hands
// out are names prepared by LoadLevel.

#include "Sprite.h"
#include "clock/ClockLevel.h"

#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <random>

class ClockGame
{
public:
    static constexpr QSize CharacterSize{28, 33};
    static constexpr QSize GunSize{33, 33};
    // The size of the ball images before any ball picture was found.
    static constexpr QSize UnloadedBallSize{81, 81};
    static constexpr int TrailLength = 4;

    // The two pictures of the character: Image1 when it moved right, Image2
    // when it moved left.
    enum class Facing
    {
        Right,
        Left
    };
    struct Character
    {
        QRect Bounds;
        Facing Picture = Facing::Right;
        bool Visible = false;
    };
    // The number label of a ball; the window centres it on its ball with
    // Clock::CentredIn and the label's size in its font.
    struct BallNumber
    {
        QString Caption;
        int FontPoints = 10;
        TColor Color = 0;
        bool Visible = false;
    };

    // Tells whether a picture file (a name in ConfigPath) exists.
    using PictureCheck = std::function<bool(const QString& fileName)>;

    ClockGame();

    // Default: the file exists in ConfigPath (name compared without regard
    // to case).
    void SetPictureCheck(PictureCheck check);
    // The random numbering is drawn from a generator seeded from the clock
    // at construction; a test seeds it to get a known order.
    void SeedRandom(unsigned seed);

    // Lays the playfield of `playfield` size out for `level` and resets the
    // trial: balls on their ring and numbered, the character and the centre
    // marker on the cross, the counter at 0. Throws AppError (the level
    // stays unplayable, GameStep does nothing) when the target-colour
    // picture is missing or when fixed numbers do not number the balls.
    void LoadLevel(const Clock::TConfig& level, QSize playfield);
    // Forgets the level (no level selected).
    void Clear();

    // One step with the surface cursor (SurfaceX, SurfaceY already mapped).
    // Returns true on the step that touches the last ball: the window then
    // runs EndTrial with TYPE 1 and PointsText() as SCORE.
    bool GameStep(int surfaceX, int surfaceY);
    // The seconds timer: the counter shows the elapsed seconds.
    void SecondsTick();

    bool HasLevel() const { return m_hasLevel; }
    const Clock::TConfig& Level() const { return m_level; }
    QSize Playfield() const { return m_playfield; }

    int Points() const { return m_points; }
    QString PointsText() const { return QString::number(m_points); }

    int BallCount() const { return m_ballCount; }
    // The ball position k (1..16) that shows number rank + 1.
    int BallOrder(int rank) const { return m_ballOrder.at(std::size_t(rank)); }
    int TargetIndex() const { return m_targetIndex; }
    // The ball position to touch next; 0 when every ball is touched.
    int TargetBall() const;
    bool ReturnPending() const { return m_returnPending; }
    bool TrialOver() const { return m_hasLevel && m_targetIndex >= m_ballCount; }

    // Balls and numbers by position k = 1..16.
    const Sprite& Ball(int k) const { return m_balls.at(std::size_t(k - 1)); }
    const BallNumber& Number(int k) const { return m_numbers.at(std::size_t(k - 1)); }
    // 0 is the character, 1..4 its trail (most recent first).
    const Character& Figure(int i) const { return m_figures.at(std::size_t(i)); }
    const Sprite& Gun() const { return m_gun; }
    // The centre cross: the vertical line at x, the horizontal at y.
    QPoint Cross() const { return QPoint(m_playfield.width() / 2, m_playfield.height() / 2); }
    bool GridVisible() const { return m_gridVisible; }

    // The picture names of a colour: "Balle_" + colour word + ".bmp".
    static QString BallPicture(TColor color);

private:
    void numberBalls();
    QPointF reference() const;

    PictureCheck m_pictureExists;
    std::mt19937 m_random;

    bool m_hasLevel = false;
    Clock::TConfig m_level;
    QSize m_playfield;
    QString m_targetPicture;

    std::array<Sprite, Clock::MaxBalls> m_balls;
    std::array<BallNumber, Clock::MaxBalls> m_numbers;
    std::array<Character, 1 + TrailLength> m_figures;
    Sprite m_gun;
    bool m_gridVisible = false;

    int m_ballCount = 0;
    std::array<int, Clock::MaxBalls> m_ballOrder{};
    int m_targetIndex = 0;
    bool m_returnPending = false;
    int m_points = 0;
};
