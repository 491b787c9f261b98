#include "clock/ClockGame.h"

#include "AppError.h"
#include "Define.h"
#include "GameFrame.h"
#include "FileNames.h"
#include "MessageTable.h"
#include "ParamCodec.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <climits>

// The frame stores the trial under the type the clock levels are filtered by.
static_assert(ClockFrame.Type == Clock::GameType);

namespace {

bool movesWithTrail(std::int32_t movement)
{
    return movement == Clock::AbsoluteTrailing || movement == Clock::DifferentialTrailing;
}

int fontPointsFor(std::int32_t ballSize)
{
    switch (ballSize) {
    case 30:
        return 13;
    case 40:
        return 16;
    case 50:
        return 20;
    default:
        return 10;
    }
}

// Centres a box of `size` on `point` with integer halves.
QRect centredOn(QPoint point, QSize size)
{
    return QRect(QPoint(point.x() - size.width() / 2, point.y() - size.height() / 2), size);
}

} // namespace

ClockGame::ClockGame()
    : m_random(unsigned(std::chrono::system_clock::now().time_since_epoch().count()))
{
    m_pictureExists = [](const QString& fileName) {
        return QFileInfo(ResolveFileName(ConfigPath, fileName)).isFile();
    };
    for (Sprite& ball : m_balls)
        ball.Bounds.setSize(UnloadedBallSize);
    for (Character& figure : m_figures)
        figure.Bounds.setSize(CharacterSize);
    m_gun.Bounds.setSize(GunSize);
}

void ClockGame::SetPictureCheck(PictureCheck check)
{
    m_pictureExists = std::move(check);
}

void ClockGame::SeedRandom(unsigned seed)
{
    m_random.seed(seed);
}

QString ClockGame::BallPicture(TColor color)
{
    return QStringLiteral("Balle_") + ColorToName(color) + QStringLiteral(".bmp");
}

void ClockGame::Clear()
{
    m_hasLevel = false;
}

void ClockGame::LoadLevel(const Clock::TConfig& level, QSize playfield)
{
    // Whatever happens below, no step may run on a half-laid-out level.
    m_hasLevel = false;

    const int count = Clock::PlayedBallCount(level.BallNb);
    QString reason;
    if (!level.Random && !Clock::NumbersUsable(level.Numbers, count, &reason))
        throw AppError(Msg::tr(Msg::LevelUnreadable).arg(level.Name, reason));
    const QString targetPicture = BallPicture(level.TargetColor);
    if (!m_pictureExists(targetPicture)) {
        throw AppError(Msg::tr(Msg::FileMissing) +
                       QDir::toNativeSeparators(ResolveFileName(ConfigPath, targetPicture)));
    }

    m_level = level;
    m_level.BallNb = count;
    m_playfield = playfield;
    m_targetPicture = targetPicture;

    // A missing picture of the ball colour leaves the balls as they were:
    // they still count, and the window draws what it has.
    const QString ballPicture = BallPicture(level.BallColor);
    if (m_pictureExists(ballPicture)) {
        const int side = int(std::clamp<qint64>(2 * qint64(level.BallSize), 0, SurfaceLimit));
        for (Sprite& ball : m_balls) {
            ball.Picture = ballPicture;
            ball.Bounds.setSize(QSize(side, side));
        }
    }

    const Clock::BallCorners corners = Clock::PlaceBalls(
        Clock::Ring::Game, playfield, m_balls[0].Bounds.size(), level.TypeJeu, count, level.Dist);
    for (int i = 0; i < Clock::MaxBalls; ++i) {
        const bool shown = i < count;
        if (shown)
            m_balls[i].Bounds.moveTopLeft(corners[i]);
        m_balls[i].Visible = shown;
        m_numbers[i].Visible = shown;
    }

    m_ballCount = count;
    numberBalls();
    m_gridVisible = level.ShowGrid;
    m_balls[m_ballOrder[0] - 1].Picture = m_targetPicture;

    const QPoint cross = Cross();
    for (std::size_t i = 0; i < m_figures.size(); ++i) {
        m_figures[i].Bounds = centredOn(cross, CharacterSize);
        m_figures[i].Visible = i == 0 || movesWithTrail(level.Movement);
    }
    m_returnPending = false;
    m_targetIndex = 0;
    m_gun.Visible = false;
    m_gun.Bounds = centredOn(cross, GunSize);
    m_points = 0;
    m_hasLevel = true;
}

void ClockGame::numberBalls()
{
    const int points = fontPointsFor(m_level.BallSize);
    std::array<int, Clock::MaxBalls> drawn{};
    if (m_level.Random) {
        // Each number in turn takes a free position drawn at random: every
        // order of the numbers is equally likely.
        std::uniform_int_distribution<int> position(0, m_ballCount - 1);
        for (int r = 1; r <= m_ballCount; ++r) {
            int p = position(m_random);
            while (drawn[std::size_t(p)] != 0)
                p = position(m_random);
            drawn[std::size_t(p)] = r;
        }
    }
    for (int k = 1; k <= m_ballCount; ++k) {
        BallNumber& label = m_numbers[std::size_t(k - 1)];
        int shown = 0;
        if (m_level.Random) {
            shown = drawn[std::size_t(k - 1)];
            label.Caption = QString::number(shown);
        } else {
            label.Caption = m_level.Numbers.mid(2 * k - 2, 2);
            ParamCodec::ToInteger(label.Caption, shown); // checked by LoadLevel
        }
        label.FontPoints = points;
        label.Color = m_level.NbColor;
        m_ballOrder[std::size_t(shown - 1)] = k;
    }
}

int ClockGame::TargetBall() const
{
    if (!m_hasLevel || m_targetIndex >= m_ballCount)
        return 0;
    return m_ballOrder[std::size_t(m_targetIndex)];
}

QPointF ClockGame::reference() const
{
    const double w = m_playfield.width();
    const double h = m_playfield.height();
    // Without a plate model the sensor count is 0: the reference is then
    // where the mapping puts the initial position, the playfield's centre.
    if (PlateNbCapX == 0)
        return QPointF(RoundHalfEven(w / 2.0), RoundHalfEven(h / 2.0));
    return QPointF(w * InitX / PlateNbCapX, h * InitY / PlateNbCapX);
}

bool ClockGame::GameStep(int surfaceX, int surfaceY)
{
    if (!m_hasLevel || m_targetIndex >= m_ballCount)
        return false;

    Character& figure = m_figures[0];
    if (movesWithTrail(m_level.Movement)) {
        for (int i = TrailLength; i >= 1; --i) {
            Character& trail = m_figures[std::size_t(i)];
            const Character& ahead = m_figures[std::size_t(i - 1)];
            trail.Bounds.moveTopLeft(ahead.Bounds.topLeft());
            trail.Picture = ahead.Picture;
        }
    }

    const int w = figure.Bounds.width();
    const int h = figure.Bounds.height();
    // 64 bits: a level's speed is any 32-bit number, and the sums are held
    // to the playfield below.
    qint64 left = figure.Bounds.left();
    qint64 top = figure.Bounds.top();
    switch (m_level.Movement) {
    case Clock::Absolute:
    case Clock::AbsoluteTrailing:
        left = qint64(surfaceX) - w / 2;
        top = qint64(surfaceY) - h / 2;
        figure.Picture = left > m_figures[1].Bounds.left() ? Facing::Right : Facing::Left;
        break;
    case Clock::Differential:
    case Clock::DifferentialTrailing: {
        const QPointF ref = reference();
        const double dx = surfaceX - ref.x();
        const double dy = surfaceY - ref.y();
        if (dx > 0) {
            left += m_level.Speed;
            figure.Picture = Facing::Right;
        } else if (dx < 0) {
            left -= m_level.Speed;
            figure.Picture = Facing::Left;
        }
        if (dy < 0)
            top -= m_level.Speed;
        else if (dy > 0)
            top += m_level.Speed;
        break;
    }
    default:
        break;
    }

    const qint64 fieldW = m_playfield.width();
    const qint64 fieldH = m_playfield.height();
    if (left + w > fieldW)
        left = fieldW - w;
    if (left <= 0)
        left = 0;
    if (top + h >= fieldH)
        top = fieldH - h;
    if (top <= 0)
        top = 0;
    figure.Bounds.moveTo(int(left), int(top));

    // The character's corners against the disc of the ball to touch next.
    const TZone figureZone = ZoneOf(figure.Bounds);
    constexpr std::int32_t discTest = 4;
    const int target = m_ballOrder[std::size_t(m_targetIndex)];
    Sprite& targetBall = m_balls[std::size_t(target - 1)];
    if (!m_returnPending && IsHit(figureZone, targetBall.Zone(discTest))) {
        targetBall.Visible = false;
        m_numbers[std::size_t(target - 1)].Visible = false;
        if (m_level.Center) {
            m_returnPending = true;
            m_gun.Visible = true;
        }
        ++m_targetIndex;
        if (m_targetIndex < m_ballCount)
            m_balls[std::size_t(m_ballOrder[std::size_t(m_targetIndex)] - 1)].Picture =
                m_targetPicture;
    } else if (m_returnPending && m_level.Center) {
        if (IsHit(figureZone, m_gun.Zone(discTest))) {
            m_gun.Visible = false;
            m_returnPending = false;
        }
    }
    return m_targetIndex == m_ballCount;
}

void ClockGame::SecondsTick()
{
    if (m_points < INT_MAX)
        ++m_points;
}
