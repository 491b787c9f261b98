#pragma once
// From the centre of gravity to game geometry: the surface cursor and the
// hit test every game shares. Plain functions on the user-interface thread;
// no widgets, so the games' rules and their tests use them without a display.

#include <QSize>
#include <cstdint>

// The initial position saved by the initial-position check, in CoG units:
// 0 until the check first runs, then kept between runs. The mapping puts the
// cursor in the middle of the surface when the CoG is here.
extern double InitX;
extern double InitY;

// Converts a CoG sample (X, Y, usually CgX and CgY widened to double) into
// SurfaceX, SurfaceY: pixels of a surface `width` x `height` (the outer size
// of the game's playfield), origin top-left, Y downwards. The range of the
// current game type (MargeHHoopX/Y for the hula-hoop, DeltaX/Y otherwise)
// is the displacement from the initial position that reaches the edge.
// When either range is 0 nothing changes. The cursor is not kept inside the
// surface; the games do that.
void MapCgToSurface(int width, int height, double X, double Y);
inline void MapCgToSurface(const QSize& surface, double X, double Y)
{
    MapCgToSurface(surface.width(), surface.height(), X, Y);
}

// Cursor values are held within +/- SurfaceLimit. A sane sample lands within
// a few screen widths; only a wild one (a corrupt driver value, a range of 1)
// gets near this, and the margin keeps the games' pixel arithmetic on the
// cursor (adding a sprite's size, doubling) clear of integer overflow.
inline constexpr int SurfaceLimit = 1 << 29;

// The argument record of IsHit. For the moving sprite: its current box and
// DX, DY = previous left/top minus current left/top. For the target: its box
// and the kind of test in Mode.
struct TZone
{
    std::int32_t X1 = 0; // left edge
    std::int32_t X2 = 0; // right edge (left plus width)
    std::int32_t DX = 0;
    std::int32_t Y1 = 0; // top edge
    std::int32_t Y2 = 0; // bottom edge (top plus height)
    std::int32_t DY = 0;
    std::int32_t Mode = 0;
};

// Does `sprite` touch `target`, by the test `target.Mode` names:
//  1  the current boxes overlap (edges touching count);
//  2  a corner or the centre of the sprite's previous box lies in the
//     target's box (edges included); 3 is the same test;
//  4  a current corner of the sprite lies within the disc inscribed in the
//     target's width, distances rounded to whole pixels.
// Any other mode gives false.
bool IsHit(TZone sprite, TZone target);

// The integer nearest to `value`, halves going to the even neighbour,
// whatever the floating-point rounding mode. `value` must be finite and
// within the range of int.
int RoundHalfEven(double value);
