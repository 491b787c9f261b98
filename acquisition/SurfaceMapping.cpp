#include "SurfaceMapping.h"

#include "Define.h"

#include <cmath>

double InitX = 0.0;
double InitY = 0.0;

namespace {

constexpr int HulaHoopGameType = 3;

// The whole number nearest to `value`, halves to the even one. Done by hand
// rather than with nearbyint so that a changed rounding mode cannot move it.
double nearestHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below; // exact for any finite double
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return below + 1.0;
    return below;
}

// One axis of the mapping, evaluated in exactly this order: an algebraically
// equal form can land on the other side of a half and move the cursor by a
// pixel.
void mapAxis(int size, double value, double init, int range, int& cursor)
{
    const double twiceRange = 2.0 * range;
    const double pixel = size * value / twiceRange - (init - range) * size / twiceRange;
    // A value that is no number (a corrupt sample) would give no pixel at
    // all: the cursor stays where it was, as for a zero range.
    if (std::isnan(pixel))
        return;
    if (pixel >= SurfaceLimit)
        cursor = SurfaceLimit;
    else if (pixel <= -SurfaceLimit)
        cursor = -SurfaceLimit;
    else
        cursor = RoundHalfEven(pixel);
}

bool pointInBox(double x, double y, const TZone& box)
{
    return box.X1 <= x && x <= box.X2 && box.Y1 <= y && y <= box.Y2;
}

// Mode 2: the sprite where it was before this step, so that a fast sprite is
// caught where it came from. Sums in 64 bits: the fields are arbitrary 32-bit
// values.
bool previousBoxHits(const TZone& sprite, const TZone& target)
{
    const std::int64_t x1 = std::int64_t(sprite.X1) + sprite.DX;
    const std::int64_t x2 = std::int64_t(sprite.X2) + sprite.DX;
    const std::int64_t y1 = std::int64_t(sprite.Y1) + sprite.DY;
    const std::int64_t y2 = std::int64_t(sprite.Y2) + sprite.DY;
    const double centreX = (double(sprite.X1) + sprite.X2) / 2.0 + sprite.DX;
    const double centreY = (double(sprite.Y1) + sprite.Y2) / 2.0 + sprite.DY;
    return pointInBox(double(x1), double(y1), target) ||
           pointInBox(double(x2), double(y1), target) ||
           pointInBox(double(x2), double(y2), target) ||
           pointInBox(double(x1), double(y2), target) || pointInBox(centreX, centreY, target);
}

// Mode 4: the disc follows the target's width only; its height plays no part
// in the radius.
bool cornerInDisc(const TZone& sprite, const TZone& target)
{
    // Integer halves truncate toward zero, as C++ division does.
    const std::int64_t cx = (std::int64_t(target.X1) + target.X2) / 2;
    const std::int64_t cy = (std::int64_t(target.Y1) + target.Y2) / 2;
    const std::int64_t r = (std::int64_t(target.X2) - target.X1) / 2;
    const std::int64_t xs[] = {sprite.X1, sprite.X1, sprite.X2, sprite.X2};
    const std::int64_t ys[] = {sprite.Y1, sprite.Y2, sprite.Y1, sprite.Y2};
    for (int i = 0; i < 4; ++i) {
        const double dx = double(xs[i] - cx);
        const double dy = double(ys[i] - cy);
        if (nearestHalfEven(std::sqrt(dx * dx + dy * dy)) <= double(r))
            return true;
    }
    return false;
}

} // namespace

int RoundHalfEven(double value)
{
    return static_cast<int>(nearestHalfEven(value));
}

void MapCgToSurface(int width, int height, double X, double Y)
{
    const bool hulaHoop = CurrentGameType == HulaHoopGameType;
    const int rangeX = hulaHoop ? MargeHHoopX : DeltaX;
    const int rangeY = hulaHoop ? MargeHHoopY : DeltaY;
    if (rangeX == 0 || rangeY == 0)
        return;
    mapAxis(width, X, InitX, rangeX, SurfaceX);
    mapAxis(height, Y, InitY, rangeY, SurfaceY);
}

bool IsHit(TZone sprite, TZone target)
{
    switch (target.Mode) {
    case 1:
        // No game asks for mode 1; it is the plain overlap of the current
        // boxes, edges touching counting as a hit like in the other modes.
        return sprite.X1 <= target.X2 && target.X1 <= sprite.X2 && sprite.Y1 <= target.Y2 &&
               target.Y1 <= sprite.Y2;
    case 2:
    case 3:
        return previousBoxHits(sprite, target);
    case 4:
        return cornerInDisc(sprite, target);
    default:
        return false;
    }
}
