// The CoG-to-surface mapping and the hit test, without widgets.

#include "Define.h"
#include "SurfaceMapping.h"

#include <QtTest>
#include <cfenv>
#include <limits>

Q_DECLARE_METATYPE(TZone)

namespace {

TZone zone(int x1, int x2, int dx, int y1, int y2, int dy, int mode = 0)
{
    TZone z;
    z.X1 = x1;
    z.X2 = x2;
    z.DX = dx;
    z.Y1 = y1;
    z.Y2 = y2;
    z.DY = dy;
    z.Mode = mode;
    return z;
}

TZone target(int x1, int x2, int y1, int y2, int mode)
{
    return zone(x1, x2, 0, y1, y2, 0, mode);
}

} // namespace

class TestSurfaceMapping : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mapCgToSurface_data();
    void mapCgToSurface();
    void mapIgnoresRoundingMode();
    void mapTakesOuterSize();

    void roundHalfEven_data();
    void roundHalfEven();

    void isHitPreviousBox_data();
    void isHitPreviousBox();
    void isHitDisc_data();
    void isHitDisc();
    void isHitOtherModes_data();
    void isHitOtherModes();
};

void TestSurfaceMapping::init()
{
    DefineReset();
    InitX = InitY = 0.0;
}

void TestSurfaceMapping::cleanup()
{
    DefineReset();
    InitX = InitY = 0.0;
}

void TestSurfaceMapping::mapCgToSurface_data()
{
    QTest::addColumn<int>("gameType");
    QTest::addColumn<int>("deltaX");
    QTest::addColumn<int>("deltaY");
    QTest::addColumn<int>("margeX");
    QTest::addColumn<int>("margeY");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("initX");
    QTest::addColumn<double>("initY");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<int>("surfaceX"); // expected; the cursor starts at (-7, -9)
    QTest::addColumn<int>("surfaceY");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    // One row per line reads as a table.
    // clang-format off
    // W = 600, H = 400, range 100 both ways, initial position (50, 20).
    QTest::newRow("at the initial position: middle") << 2 << 100 << 100 << 0 << 0 << 600 << 400 << 50.0 << 20.0 << 50.0 << 20.0 << 300 << 200;
    QTest::newRow("minus the range: left/top edge") << 2 << 100 << 100 << 0 << 0 << 600 << 400 << 50.0 << 20.0 << -50.0 << -80.0 << 0 << 0;
    QTest::newRow("plus the range: right/bottom edge") << 2 << 100 << 100 << 0 << 0 << 600 << 400 << 50.0 << 20.0 << 150.0 << 120.0 << 600 << 400;
    QTest::newRow("twice the range: beyond, not clamped") << 2 << 100 << 100 << 0 << 0 << 600 << 400 << 50.0 << 20.0 << 250.0 << 220.0 << 900 << 600;
    QTest::newRow("below the range: negative, not clamped") << 2 << 100 << 100 << 0 << 0 << 600 << 400 << 50.0 << 20.0 << -150.0 << -180.0 << -300 << -200;
    QTest::newRow("axes use their own range") << 2 << 100 << 50 << 0 << 0 << 600 << 400 << 0.0 << 0.0 << 50.0 << 25.0 << 450 << 300;

    // Halves go to the even neighbour, on both sides.
    QTest::newRow("300.5 down to 300, 200.5 down to 200") << 2 << 100 << 100 << 0 << 0 << 601 << 401 << 100.0 << 100.0 << 100.0 << 100.0 << 300 << 200;
    QTest::newRow("301.5 up to 302, 202.5 down to 202") << 2 << 100 << 100 << 0 << 0 << 603 << 405 << 100.0 << 100.0 << 100.0 << 100.0 << 302 << 202;
    QTest::newRow("301.5 and 298.5 off the initial position") << 2 << 100 << 100 << 0 << 0 << 600 << 600 << 0.0 << 0.0 << 0.5 << -0.5 << 302 << 298;
    QTest::newRow("negative halves") << 2 << 100 << 100 << 0 << 0 << 600 << 600 << 0.0 << 0.0 << -100.5 << -101.5 << -2 << -4;
    // W x (X - Init + R) / 2R would give exactly 238.5 (to 238) and 211.5 (to
    // 212); evaluated as the games expect, just above and just below a half.
    QTest::newRow("evaluated in the written order") << 2 << 100 << 100 << 0 << 0 << 600 << 600 << 0.3 << 0.2 << -20.2 << -29.3 << 239 << 211;

    // A zero range changes neither coordinate.
    QTest::newRow("DeltaY 0: nothing changes") << 2 << 100 << 0 << 0 << 0 << 600 << 400 << 0.0 << 0.0 << 10.0 << 10.0 << -7 << -9;
    QTest::newRow("DeltaX 0: nothing changes") << 2 << 0 << 100 << 0 << 0 << 600 << 400 << 0.0 << 0.0 << 10.0 << 10.0 << -7 << -9;

    // Which range applies.
    QTest::newRow("hula-hoop takes MargeHHoop") << 3 << 100 << 100 << 50 << 25 << 600 << 400 << 0.0 << 0.0 << 25.0 << -25.0 << 450 << 0;
    QTest::newRow("hula-hoop ignores Delta when its range is 0") << 3 << 100 << 100 << 50 << 0 << 600 << 400 << 0.0 << 0.0 << 25.0 << -25.0 << -7 << -9;
    QTest::newRow("pac-man takes Delta") << 4 << 100 << 100 << 50 << 25 << 600 << 400 << 0.0 << 0.0 << 25.0 << -25.0 << 375 << 150;
    QTest::newRow("pac-man ignores MargeHHoop of 0") << 4 << 100 << 100 << 0 << 0 << 600 << 400 << 0.0 << 0.0 << 25.0 << -25.0 << 375 << 150;
    QTest::newRow("no game chosen takes Delta") << -1 << 100 << 100 << 50 << 25 << 600 << 400 << 0.0 << 0.0 << 25.0 << -25.0 << 375 << 150;

    // Corrupt samples must not give undefined integers.
    QTest::newRow("NaN X keeps SurfaceX, Y maps") << 2 << 100 << 100 << 0 << 0 << 600 << 400 << 0.0 << 0.0 << nan << 50.0 << -7 << 300;
    QTest::newRow("infinite sample held at the limit") << 2 << 100 << 100 << 0 << 0 << 600 << 400 << 0.0 << 0.0 << inf << -inf << SurfaceLimit << -SurfaceLimit;
    QTest::newRow("huge sample held at the limit") << 2 << 1 << 1 << 0 << 0 << 600 << 400 << 0.0 << 0.0 << -1e12 << 1e12 << -SurfaceLimit << SurfaceLimit;
    // clang-format on
}

void TestSurfaceMapping::mapCgToSurface()
{
    QFETCH(int, gameType);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, x);
    QFETCH(double, y);
    CurrentGameType = gameType;
    QFETCH(int, deltaX);
    QFETCH(int, deltaY);
    QFETCH(int, margeX);
    QFETCH(int, margeY);
    DeltaX = deltaX;
    DeltaY = deltaY;
    MargeHHoopX = margeX;
    MargeHHoopY = margeY;
    QFETCH(double, initX);
    QFETCH(double, initY);
    InitX = initX;
    InitY = initY;
    SurfaceX = -7;
    SurfaceY = -9;

    MapCgToSurface(width, height, x, y);

    QTEST(SurfaceX, "surfaceX");
    QTEST(SurfaceY, "surfaceY");
}

void TestSurfaceMapping::mapIgnoresRoundingMode()
{
    DeltaX = DeltaY = 100;
    CurrentGameType = 2;
    InitX = InitY = 100.0;
    const int previous = std::fegetround();
    std::fesetround(FE_UPWARD);
    MapCgToSurface(601, 603, 100.0, 100.0); // 300.5 and 301.5
    std::fesetround(previous);
    QCOMPARE(SurfaceX, 300);
    QCOMPARE(SurfaceY, 302);
}

void TestSurfaceMapping::mapTakesOuterSize()
{
    DeltaX = DeltaY = 10;
    CurrentGameType = 1;
    MapCgToSurface(QSize(200, 100), 10.0, -10.0);
    QCOMPARE(SurfaceX, 200);
    QCOMPARE(SurfaceY, 0);
}

void TestSurfaceMapping::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("nearest");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("just below a half") << 2.4999999999999996 << 2;
    QTest::newRow("just above a half") << 2.5000000000000004 << 3;
    QTest::newRow("just inside -0.5") << -0.49999999999999994 << 0;
    QTest::newRow("just beyond -0.5") << -0.5000000000000001 << -1;
}

void TestSurfaceMapping::roundHalfEven()
{
    QFETCH(double, value);
    QTEST(RoundHalfEven(value), "nearest");
}

void TestSurfaceMapping::isHitPreviousBox_data()
{
    QTest::addColumn<TZone>("sprite");
    QTest::addColumn<TZone>("target");
    QTest::addColumn<bool>("hit");

    struct Row
    {
        const char* name;
        TZone sprite;
        int tx1, tx2, ty1, ty2;
        bool hit;
    };
    const Row rows[] = {
        // Previous box 120..140 x 105..115: its left edge lies on the target's right edge.
        {"previous left on the target's right edge", zone(130, 150, -10, 105, 115, 0), 100, 120,
         100, 120, true},
        {"previous left one past the right edge", zone(130, 150, -9, 105, 115, 0), 100, 120, 100,
         120, false},
        {"previous bottom on the target's top edge", zone(105, 115, 0, 60, 80, 20), 100, 120, 100,
         120, true},
        // From 88..98 to 110..120 across a target 100..104 in one step.
        {"jumped across a narrow target", zone(110, 120, -22, 105, 115, 0), 100, 104, 100, 120,
         false},
        {"inside now, outside before", zone(105, 115, -30, 105, 115, 0), 100, 120, 100, 120, false},
        {"outside now, inside before", zone(200, 210, -95, 105, 115, 0), 100, 120, 100, 120, true},
        {"previous top-right corner inside", zone(90, 100, 0, 130, 140, -20), 100, 120, 100, 120,
         true},
        {"previous bottom-left corner inside", zone(110, 130, 0, 80, 100, 10), 100, 120, 100, 120,
         true},
        {"only the previous centre inside", zone(92, 112, 0, 92, 112, 0), 100, 104, 100, 104, true},
        // Centre (102.5, 102.5): outside a target ending at 102, where a truncated centre would be
        // inside.
        {"centre at a half, not truncated", zone(95, 110, 0, 95, 110, 0), 100, 102, 100, 102,
         false},
        {"negative centre at a half, not truncated", zone(-110, -95, 0, -110, -95, 0), -102, -100,
         -102, -100, false},
        {"centre shifted by DX, DY", zone(192, 212, -100, 192, 212, -100), 100, 104, 100, 104,
         true},
    };
    for (const int mode : {2, 3}) {
        for (const Row& row : rows) {
            QTest::addRow("mode %d: %s", mode, row.name)
                << row.sprite << target(row.tx1, row.tx2, row.ty1, row.ty2, mode) << row.hit;
        }
    }
}

void TestSurfaceMapping::isHitPreviousBox()
{
    QFETCH(TZone, sprite);
    QFETCH(TZone, target);
    QTEST(IsHit(sprite, target), "hit");
}

void TestSurfaceMapping::isHitDisc_data()
{
    QTest::addColumn<TZone>("sprite");
    QTest::addColumn<TZone>("target");
    QTest::addColumn<bool>("hit");

    // Target 41 wide, 80 high: centre (20, 40), radius 20.
    const TZone ball = target(0, 41, 0, 80, 4);
    QTest::newRow("corner 20 right, 4 below: 20.40 rounds to 20")
        << zone(40, 60, 0, 44, 60, 0) << ball << true;
    QTest::newRow("corner 20 right, 5 below: 20.62 rounds to 21")
        << zone(40, 60, 0, 45, 60, 0) << ball << false;
    QTest::newRow("bottom-left corner 20 right, 4 above")
        << zone(40, 60, 0, 10, 36, 0) << ball << true;
    QTest::newRow("top-right corner 20 left, 4 below")
        << zone(-10, 0, 0, 44, 60, 0) << ball << true;
    // Half the height is 40, but only the width sets the radius.
    QTest::newRow("tall target: radius from the width")
        << zone(5, 6, 0, 50, 51, 0) << target(0, 10, 0, 80, 4) << false;
    QTest::newRow("flat target: radius from the width")
        << zone(40, 41, 0, 40, 41, 0) << target(0, 80, 0, 10, 4) << true;
    QTest::newRow("sprite covers the centre, corners outside")
        << zone(-20, 60, 0, -20, 60, 0) << target(0, 41, 0, 41, 4) << false;
    QTest::newRow("DX, DY play no part (current corner inside)")
        << zone(20, 30, 500, 40, 50, 500) << ball << true;
    QTest::newRow("DX, DY play no part (previous corner would be)")
        << zone(520, 530, -500, 40, 50, 0) << ball << false;
    // Centre -41 div 2 = -20 (toward zero), not -21: the corner is 20 away.
    QTest::newRow("centre truncated toward zero")
        << zone(0, 10, 0, -40, -30, 0) << target(-41, 0, -80, 0, 4) << true;
}

void TestSurfaceMapping::isHitDisc()
{
    QFETCH(TZone, sprite);
    QFETCH(TZone, target);
    QTEST(IsHit(sprite, target), "hit");
}

void TestSurfaceMapping::isHitOtherModes_data()
{
    QTest::addColumn<TZone>("sprite");
    QTest::addColumn<TZone>("target");
    QTest::addColumn<bool>("hit");

    const TZone onTop = zone(100, 120, 0, 100, 120, 0);
    QTest::newRow("mode 0: never") << onTop << target(100, 120, 100, 120, 0) << false;
    QTest::newRow("mode 5: never") << onTop << target(100, 120, 100, 120, 5) << false;
    QTest::newRow("mode -1: never") << onTop << target(100, 120, 100, 120, -1) << false;

    // Mode 1: the current boxes overlap.
    QTest::newRow("mode 1: overlap")
        << zone(110, 130, 0, 90, 105, 0) << target(100, 120, 100, 120, 1) << true;
    QTest::newRow("mode 1: edges touching")
        << zone(120, 140, 0, 120, 140, 0) << target(100, 120, 100, 120, 1) << true;
    QTest::newRow("mode 1: sprite around the target")
        << zone(0, 500, 0, 0, 500, 0) << target(100, 120, 100, 120, 1) << true;
    QTest::newRow("mode 1: one pixel apart")
        << zone(121, 140, 0, 100, 120, 0) << target(100, 120, 100, 120, 1) << false;
    QTest::newRow("mode 1: apart vertically")
        << zone(100, 120, 0, 121, 140, 0) << target(100, 120, 100, 120, 1) << false;
    QTest::newRow("mode 1: previous box plays no part")
        << zone(200, 220, -100, 100, 120, 0) << target(100, 120, 100, 120, 1) << false;
}

void TestSurfaceMapping::isHitOtherModes()
{
    QFETCH(TZone, sprite);
    QFETCH(TZone, target);
    QTEST(IsHit(sprite, target), "hit");
}

QTEST_APPLESS_MAIN(TestSurfaceMapping)
#include "tst_surfacemapping.moc"
