#include "ClockLevel.h"

#include "MessageTable.h"
#include "ParamCodec.h"
#include "SurfaceMapping.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <numbers>

namespace Clock {

LevelList<TConfig> Configs;

QString IdentityNumbers()
{
    QString numbers;
    for (int k = 1; k <= MaxBalls; ++k)
        numbers += QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
    return numbers;
}

int PlayedBallCount(std::int32_t ballNb)
{
    // Only 1..16 balls exist on the playfield; a count of 0 would leave the
    // game without a first target, so it plays like any count out of range.
    return ballNb >= 1 && ballNb <= MaxBalls ? int(ballNb) : 5;
}

bool NumbersUsable(const QString& numbers, int count, QString* reason)
{
    std::bitset<MaxBalls + 1> seen;
    bool usable = count >= 0 && count <= MaxBalls;
    for (int k = 1; usable && k <= count; ++k) {
        const QString pair = numbers.mid(2 * k - 2, 2);
        int n = 0;
        usable =
            pair.size() == 2 && ParamCodec::ToInteger(pair, n) && n >= 1 && n <= count && !seen[n];
        if (usable)
            seen[n] = true;
    }
    if (!usable && reason)
        *reason = Msg::tr(Msg::ClockNumbersInvalid).arg(numbers, QString::number(count));
    return usable;
}

bool Decode(const LevelRow& row, TConfig& config, QString* error)
{
    ParamCodec::Reader reader(row.Param, Field::Count);
    TConfig level;
    level.Name = row.Niveau;
    level.Fichier = row.Fichier;
    level.Numbers = reader.text(Field::Numbers);
    level.Movement = reader.integer(Field::Movement);
    level.ShowGrid = reader.flag(Field::ShowGrid);
    level.Center = reader.flag(Field::Center);
    level.Diag = reader.flag(Field::Diag);
    level.Cible = reader.flag(Field::Cible);
    level.Son = reader.flag(Field::Son);
    level.Random = reader.flag(Field::Random);
    level.Visible = reader.flag(Field::Visible);
    level.Chenille = reader.integer(Field::Chenille);
    level.PersSize = reader.integer(Field::PersSize);
    level.Speed = reader.integer(Field::Speed);
    level.BallSize = reader.integer(Field::BallSize);
    level.TypeJeu = reader.integer(Field::TypeJeu);
    level.BallNb = reader.integer(Field::BallNb);
    level.Dist = reader.integer(Field::Dist);
    level.TargetColor = reader.color(Field::TargetColor);
    level.NbColor = reader.color(Field::NbColor);
    level.BallColor = reader.color(Field::BallColor);

    QString reason = reader.error();
    if (reason.isEmpty() && !level.Random)
        NumbersUsable(level.Numbers, PlayedBallCount(level.BallNb), &reason);
    if (!reason.isEmpty()) {
        if (error)
            *error = Msg::tr(Msg::LevelUnreadable).arg(row.Niveau, reason);
        return false;
    }
    config = std::move(level);
    return true;
}

QString Encode(const TConfig& config)
{
    return ParamCodec::Writer()
        .text(config.Numbers)
        .integer(config.Movement)
        .flag(config.ShowGrid)
        .flag(config.Center)
        .flag(config.Diag)
        .flag(config.Cible)
        .flag(config.Son)
        .flag(config.Random)
        .flag(config.Visible)
        .integer(config.Chenille)
        .integer(config.PersSize)
        .text(QStringLiteral("%1").arg(config.Speed, 2, 10, QLatin1Char('0')))
        .integer(config.BallSize)
        .integer(config.TypeJeu)
        .integer(config.BallNb)
        .integer(config.Dist)
        .color(config.TargetColor)
        .color(config.NbColor)
        .color(config.BallColor)
        .result();
}

namespace {

// Sine of an angle in degrees, exact where the value is 0, 1/2 or 1: balls on
// an axis must land exactly on it, and a half must stay a half for the
// rounding to even.
double sinDegrees(double degrees)
{
    double reduced = std::fmod(degrees, 360.0);
    if (reduced < 0)
        reduced += 360.0;
    if (std::fmod(reduced, 30.0) == 0.0) {
        static const double s3 = std::sqrt(3.0) / 2.0;
        static const double table[12] = {0, 0.5, s3, 1, s3, 0.5, 0, -0.5, -s3, -1, -s3, -0.5};
        return table[int(reduced / 30.0) % 12];
    }
    return std::sin(degrees * std::numbers::pi / 180.0);
}

double cosDegrees(double degrees)
{
    return sinDegrees(degrees + 90.0);
}

int toPixel(double value)
{
    // A wild distance or size must not take the position beyond what an int
    // holds; no playfield comes near these bounds.
    return RoundHalfEven(std::clamp(value, double(-SurfaceLimit), double(SurfaceLimit)));
}

} // namespace

BallCorners PlaceBalls(Ring ring, QSize surface, QSize ball, std::int32_t layout, int count,
                       std::int32_t dist)
{
    BallCorners corners{};
    count = std::clamp(count, 0, MaxBalls);
    const qint64 w = surface.width();
    const qint64 h = surface.height();
    double rx, ry;
    if (ring == Ring::Editor) {
        rx = ry = double(qint64(dist) + 10);
    } else {
        rx = double((w - ball.height()) / 2 - 110 + dist);
        ry = double((h - ball.height()) / 2 - 110 + dist);
    }
    const double cx = double(w / 2);
    const double cy = double(h / 2);

    double quarterStart = 225.0; // right, and any unknown layout
    switch (layout) {
    case Front:
        quarterStart = 315.0;
        break;
    case Posterior:
        quarterStart = 135.0;
        break;
    case Left:
        quarterStart = 45.0;
        break;
    default:
        break;
    }

    for (int k = 1; k <= count; ++k) {
        double angle;
        if (layout == Circle)
            angle = 180.0 - double(k * 360) / count;
        else if (count == 1)
            angle = quarterStart - 45.0; // a single ball: the middle of its quarter
        else
            angle = quarterStart - double((k - 1) * 90) / (count - 1);
        const double top = sinDegrees(angle) * ry + cy - ball.height() / 2.0;
        const double left = cx - cosDegrees(angle) * rx - ball.width() / 2.0;
        corners[k - 1] = QPoint(toPixel(left), toPixel(top));
    }
    return corners;
}

QPoint CentredIn(const QRect& box, QSize item)
{
    return QPoint(box.left() + (box.width() - item.width()) / 2,
                  box.top() + (box.height() - item.height()) / 2);
}

} // namespace Clock
