// The clock level: PARAM layout, decoding, encoding and the ball ring.

#include "clock/ClockLevel.h"

#include <QtTest>
#include <cmath>

Q_DECLARE_METATYPE(Clock::TConfig)
Q_DECLARE_METATYPE(Clock::Ring)

namespace {

const QString identity = QStringLiteral("01020304050607080910111213141516");

// The differential level with eight balls of radius 40 on a circle at
// distance 60, grid and return to centre on, fuchsia target, black numbers
// and red balls.
QString exampleParam()
{
    return identity + QStringLiteral(";1;-1;-1;0;0;0;0;0;10;15;05;40;0;8;60;16711935;0;255");
}

Clock::TConfig exampleConfig(const QString& name)
{
    Clock::TConfig c;
    c.Name = name;
    c.Numbers = identity;
    c.Fichier = QStringLiteral("perso.bmp");
    c.Movement = Clock::Differential;
    c.ShowGrid = true;
    c.Center = true;
    c.Chenille = 10;
    c.PersSize = 15;
    c.Speed = 5;
    c.BallSize = 40;
    c.TypeJeu = Clock::Circle;
    c.BallNb = 8;
    c.Dist = 60;
    c.TargetColor = 16711935;
    c.NbColor = 0;
    c.BallColor = 255;
    return c;
}

// The example with field `n` replaced by `text`.
QString withField(int n, const QString& text)
{
    QStringList fields = exampleParam().split(QLatin1Char(';'));
    fields[n - 1] = text;
    return fields.join(QLatin1Char(';'));
}

} // namespace

class TestClockLevel : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void malformed_data();
    void malformed();
    void encodeCanonicalForm_data();
    void encodeCanonicalForm();
    void playedBallCount_data();
    void playedBallCount();

    void placeBalls_data();
    void placeBalls();
    void previewRingIsDistancePlusTen();
    void wildValuesStayOnTheGrid();
    void centredIn();
};

void TestClockLevel::decode_data()
{
    QTest::addColumn<QString>("param");
    QTest::addColumn<Clock::TConfig>("expected");

    const QString name = QStringLiteral("Eight balls");
    QTest::newRow("example level") << exampleParam() << exampleConfig(name);

    Clock::TConfig quarter = exampleConfig(name);
    quarter.Numbers = QStringLiteral("05040302010607080910111213141516");
    quarter.Movement = Clock::AbsoluteTrailing;
    quarter.ShowGrid = quarter.Center = false;
    quarter.Diag = quarter.Cible = quarter.Son = quarter.Visible = true;
    quarter.Speed = 10;
    quarter.BallSize = 20;
    quarter.TypeJeu = Clock::Left;
    quarter.BallNb = 5;
    quarter.Dist = 100;
    quarter.TargetColor = 128;
    quarter.NbColor = 16777215;
    quarter.BallColor = 32768;
    QTest::newRow("quarter, reversed numbers, hidden flags set")
        << QStringLiteral("05040302010607080910111213141516;2;0;0;-1;-1;-1;0;-1;10;15;10;20;3;5;"
                          "100;128;16777215;32768")
        << quarter;

    Clock::TConfig random = exampleConfig(name);
    random.Numbers = QString(); // not used by a random level, so not checked
    random.Random = true;
    random.BallNb = 12;
    random.TargetColor = 0xFF00000Fu; // a system colour, stored negative
    QTest::newRow("random level with empty numbers and a system colour")
        << QStringLiteral(";1;-1;-1;0;0;0;-1;0;10;15;05;40;0;12;60;-16777201;0;255") << random;

    Clock::TConfig outOfRange = exampleConfig(name);
    outOfRange.BallNb = 17; // kept as stored; the game plays 5
    QTest::newRow("ball count 17 is stored as is") << withField(15, "17") << outOfRange;
}

void TestClockLevel::decode()
{
    QFETCH(QString, param);
    QFETCH(Clock::TConfig, expected);

    const LevelRow row{expected.Name, param, expected.Fichier};
    Clock::TConfig config;
    QString error;
    QVERIFY2(Clock::Decode(row, config, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    QCOMPARE(config.Numbers, expected.Numbers);
    QCOMPARE(config.Movement, expected.Movement);
    QCOMPARE(config.Speed, expected.Speed);
    QCOMPARE(config.BallSize, expected.BallSize);
    QCOMPARE(config.BallNb, expected.BallNb);
    QCOMPARE(config.TargetColor, expected.TargetColor);
    QVERIFY(config == expected);

    // What the editor writes back is the stored text itself.
    QCOMPARE(Clock::Encode(config), param);
}

void TestClockLevel::malformed_data()
{
    QTest::addColumn<QString>("param");
    QTest::addColumn<QString>("reason");

    QTest::newRow("eighteen fields")
        << exampleParam().section(QLatin1Char(';'), 0, 17) << "18 fields instead of 19";
    QTest::newRow("twenty fields")
        << exampleParam() + QStringLiteral(";0") << "20 fields instead of 19";
    QTest::newRow("empty string") << QString() << "1 fields instead of 19";
    QTest::newRow("letters in the ball size") << withField(13, "big") << "field 13 (\"big\")";
    QTest::newRow("empty distance") << withField(16, "") << "field 16 (\"\")";
    QTest::newRow("decimal point in the ball count") << withField(15, "8.") << "field 15 (\"8.\")";
    QTest::newRow("blank in a flag") << withField(3, " -1") << "field 3";
    QTest::newRow("colour beyond 32 bits") << withField(19, "4294967295") << "field 19";
    QTest::newRow("numbers too short for eight balls")
        << withField(1, "01020304050607") << "ball numbers \"01020304050607\"";
    QTest::newRow("a number given twice")
        << withField(1, "01020304050607070910111213141516") << "1 to 8 exactly once";
    QTest::newRow("a number beyond the ball count")
        << withField(1, "01020304050607091011121314151608") << "1 to 8 exactly once";
    QTest::newRow("numbers that are no numbers")
        << withField(1, "01020304050607 8") << "1 to 8 exactly once";
    // Seventeen balls play as five: the first five numbers must be 1 to 5.
    QTest::newRow("seventeen balls numbered for sixteen")
        << withField(15, "17").replace(identity, "16151413121110090807060504030201")
        << "1 to 5 exactly once";
}

void TestClockLevel::malformed()
{
    QFETCH(QString, param);
    QFETCH(QString, reason);

    const LevelRow row{QStringLiteral("Broken level"), param, QString()};
    Clock::TConfig config = exampleConfig(QStringLiteral("untouched"));
    QString error;
    QVERIFY(!Clock::Decode(row, config, &error));
    QVERIFY2(error.startsWith(QStringLiteral("The level \"Broken level\" cannot be read: ")),
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(config.Name, QStringLiteral("untouched")); // nothing half-decoded
    QVERIFY(!Clock::Decode(row, config));               // the error text is optional
}

void TestClockLevel::encodeCanonicalForm_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written");

    // Other spellings of the same values come back in the editor's form.
    QTest::newRow("flag 1 is yes") << withField(5, "1") << withField(5, "-1");
    QTest::newRow("speed without leading zero") << withField(12, "5") << exampleParam();
    QTest::newRow("plus sign") << withField(16, "+60") << exampleParam();
    QTest::newRow("leading zero on the distance") << withField(16, "060") << exampleParam();
}

void TestClockLevel::encodeCanonicalForm()
{
    QFETCH(QString, stored);
    QFETCH(QString, written);
    Clock::TConfig config;
    QVERIFY(Clock::Decode({QStringLiteral("x"), stored, QString()}, config));
    QCOMPARE(Clock::Encode(config), written);
}

void TestClockLevel::playedBallCount_data()
{
    QTest::addColumn<int>("ballNb");
    QTest::addColumn<int>("played");
    QTest::newRow("3") << 3 << 3;
    QTest::newRow("16") << 16 << 16;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("17") << 17 << 5;
    QTest::newRow("-1") << -1 << 5;
    QTest::newRow("0 has no first target") << 0 << 5;
    QTest::newRow("huge") << 2147483647 << 5;
}

void TestClockLevel::playedBallCount()
{
    QFETCH(int, ballNb);
    QFETCH(int, played);
    QCOMPARE(Clock::PlayedBallCount(ballNb), played);
}

void TestClockLevel::placeBalls_data()
{
    QTest::addColumn<Clock::Ring>("ring");
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QSize>("ball");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("dist");
    QTest::addColumn<QList<QPoint>>("corners");

    const QSize field(800, 600);
    const QSize ball(80, 80);
    // RX = (800 - 80) / 2 - 110 + 100 = 350, RY = 250, centre (400, 300):
    // at distance 100 the outer edges stand 10 pixels from the border.
    QTest::newRow("circle of 4: below, left, above, right")
        << Clock::Ring::Game << field << ball << 0 << 4 << 100
        << QList<QPoint>{{360, 510}, {10, 260}, {360, 10}, {710, 260}};
    QTest::newRow("odd playfield halves truncate")
        << Clock::Ring::Game << QSize(801, 601) << ball << 0 << 4 << 100
        << QList<QPoint>{{360, 510}, {10, 260}, {360, 10}, {710, 260}};
    QTest::newRow("distance 60 pulls the ring in by 40")
        << Clock::Ring::Game << field << ball << 0 << 4 << 60
        << QList<QPoint>{{360, 470}, {50, 260}, {360, 50}, {670, 260}};
    QTest::newRow("front quarter of 3: upper left to upper right, ball 2 straight above")
        << Clock::Ring::Game << field << ball << 1 << 3 << 100
        << QList<QPoint>{{113, 83}, {360, 10}, {607, 83}};
    QTest::newRow("posterior quarter of 3: lower right to lower left")
        << Clock::Ring::Game << field << ball << 2 << 3 << 100
        << QList<QPoint>{{607, 437}, {360, 510}, {113, 437}};
    QTest::newRow("left quarter of 3: lower left to upper left")
        << Clock::Ring::Game << field << ball << 3 << 3 << 100
        << QList<QPoint>{{113, 437}, {10, 260}, {113, 83}};
    QTest::newRow("right quarter of 3: upper right to lower right")
        << Clock::Ring::Game << field << ball << 4 << 3 << 100
        << QList<QPoint>{{607, 83}, {710, 260}, {607, 437}};
    QTest::newRow("unknown layout is the right quarter")
        << Clock::Ring::Game << field << ball << 9 << 3 << 100
        << QList<QPoint>{{607, 83}, {710, 260}, {607, 437}};
    QTest::newRow("one ball on a quarter stands in its middle")
        << Clock::Ring::Game << field << ball << 1 << 1 << 100 << QList<QPoint>{{360, 10}};
    QTest::newRow("one ball on the circle stands at the right")
        << Clock::Ring::Game << field << ball << 0 << 1 << 100 << QList<QPoint>{{710, 260}};
    // 244-pixel preview, 33-pixel circles at radius 60: 122 + 60 - 16.5 =
    // 165.5 goes to the even 166, 122 - 16.5 = 105.5 to 106.
    QTest::newRow("preview circle of 4 at distance 50, halves to even")
        << Clock::Ring::Editor << QSize(244, 244) << QSize(33, 33) << 0 << 4 << 50
        << QList<QPoint>{{106, 166}, {46, 106}, {106, 46}, {166, 106}};
}

void TestClockLevel::placeBalls()
{
    QFETCH(Clock::Ring, ring);
    QFETCH(QSize, surface);
    QFETCH(QSize, ball);
    QFETCH(int, layout);
    QFETCH(int, count);
    QFETCH(int, dist);
    QFETCH(QList<QPoint>, corners);

    const Clock::BallCorners placed = Clock::PlaceBalls(ring, surface, ball, layout, count, dist);
    for (int i = 0; i < corners.size(); ++i)
        QCOMPARE(placed[std::size_t(i)], corners[i]);
    for (int i = corners.size(); i < Clock::MaxBalls; ++i)
        QCOMPARE(placed[std::size_t(i)], QPoint(0, 0));
}

void TestClockLevel::previewRingIsDistancePlusTen()
{
    // Eight balls at distance 50 on the 244-pixel preview: every centre 60
    // pixels from the panel's centre (within the rounding of a corner).
    const Clock::BallCorners placed =
        Clock::PlaceBalls(Clock::Ring::Editor, QSize(244, 244), QSize(33, 33), 0, 8, 50);
    for (int i = 0; i < 8; ++i) {
        const double cx = placed[std::size_t(i)].x() + 16.5;
        const double cy = placed[std::size_t(i)].y() + 16.5;
        const double distance = std::hypot(cx - 122.0, cy - 122.0);
        QVERIFY2(std::abs(distance - 60.0) <= 0.75, qPrintable(QString::number(distance)));
    }
    // Ball 8 at the right, ball 2 below: clockwise on the screen.
    QCOMPARE(placed[7], QPoint(166, 106));
    QCOMPARE(placed[1], QPoint(106, 166));
}

void TestClockLevel::wildValuesStayOnTheGrid()
{
    // A hand-edited distance or count must neither crash nor overflow.
    const Clock::BallCorners far =
        Clock::PlaceBalls(Clock::Ring::Game, QSize(800, 600), QSize(80, 80), 0, 4, 2147483647);
    QVERIFY(far[0].y() > 600);
    QVERIFY(far[1].x() < 0);
    const Clock::BallCorners many =
        Clock::PlaceBalls(Clock::Ring::Game, QSize(800, 600), QSize(80, 80), 0, 99, 100);
    QCOMPARE(many[15], QPoint(710, 260)); // held to sixteen: the last at the right
    const Clock::BallCorners none =
        Clock::PlaceBalls(Clock::Ring::Game, QSize(800, 600), QSize(80, 80), 1, 0, 100);
    QCOMPARE(none[0], QPoint(0, 0));
}

void TestClockLevel::centredIn()
{
    QCOMPARE(Clock::CentredIn(QRect(100, 200, 80, 80), QSize(20, 15)), QPoint(130, 232));
    QCOMPARE(Clock::CentredIn(QRect(0, 0, 33, 33), QSize(24, 24)), QPoint(4, 4));
    QCOMPARE(Clock::CentredIn(QRect(10, 10, 20, 20), QSize(30, 30)), QPoint(5, 5));
}

QTEST_GUILESS_MAIN(TestClockLevel)
#include "tst_clocklevel.moc"
