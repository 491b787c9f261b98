#pragma once
// What a game's rules hold of a picture on the playfield; the window paints
// it. Coordinates are playfield pixels, origin top-left.

#include "SurfaceMapping.h"

#include <QRect>
#include <QString>

// A box as the hit test sees it: right = left + width, bottom = top +
// height (not QRect's right()).
inline TZone ZoneOf(const QRect& box, std::int32_t mode = 0)
{
    TZone zone;
    zone.X1 = box.x();
    zone.X2 = box.x() + box.width();
    zone.Y1 = box.y();
    zone.Y2 = box.y() + box.height();
    zone.Mode = mode;
    return zone;
}

struct Sprite
{
    QRect Bounds;    // left, top, width, height
    QString Picture; // picture file name in ConfigPath; empty while none is loaded
    bool Visible = false;

    TZone Zone(std::int32_t mode = 0) const { return ZoneOf(Bounds, mode); }
};
