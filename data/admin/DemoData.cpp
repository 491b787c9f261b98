#include "DemoData.h"

#include "clock/ClockLevel.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace Demo {

namespace {

// Colours as the level editors write them (red in the low byte).
constexpr TColor Black = 0;
constexpr TColor Red = 255;
constexpr TColor Green = 32768;
constexpr TColor Yellow = 65535;
constexpr TColor Fuchsia = 16711935;

// Positions in Levels(), for the patients' programmes.
enum LevelIndex
{
    PingPongEasy,
    PingPongHard,
    ClockCircle,
    ClockFront,
    TargetCorners,
    TargetCross,
    HoopShort,
    HoopLong,
    PacManSmall,
    PacManLarge
};

Clock::TConfig clockLevel(Clock::Movement movement, int speed, bool center, int ballSize,
                          Clock::Layout layout, int balls, int dist, TColor target, TColor balls_)
{
    Clock::TConfig level;
    level.Numbers = Clock::IdentityNumbers();
    level.Movement = movement;
    level.ShowGrid = true;
    level.Center = center;
    level.Chenille = 10;
    level.PersSize = 15;
    level.Speed = speed;
    level.BallSize = ballSize;
    level.TypeJeu = layout;
    level.BallNb = balls;
    level.Dist = dist;
    level.TargetColor = target;
    level.NbColor = Black;
    level.BallColor = balls_;
    return level;
}

} // namespace

QList<Level> Levels()
{
    // The clock levels go through the clock's own codec.
    const QString clockCircle = Clock::Encode(
        clockLevel(Clock::Absolute, 10, true, 40, Clock::Circle, 8, 60, Fuchsia, Red));
    const QString clockFront = Clock::Encode(
        clockLevel(Clock::Differential, 5, false, 30, Clock::Front, 5, 80, Yellow, Green));

    // The other games' PARAM strings, literally in their layouts.
    //
    // Ping-pong, eleven fields: bricks; spare balls; speed; bat width / 3;
    // slope; start position (0 left, 1 right, 2 centre); orientation; sound;
    // brick colour; ball size; ball colour.
    const QString pingPongEasy = QStringLiteral("14;3;10;40;45;2;0;0;16711680;20;32768");
    const QString pingPongHard = QStringLiteral("28;5;15;30;60;0;0;0;255;20;255");
    // Target, fourteen fields: the 8 x 8 grid, two characters a cell row by
    // row from the top ("xx" none, "z1".."z9", "10".."18"); movement; lines;
    // return to centre; diag; cible; sound; trail; character size; speed;
    // delay in seconds; target radius; target colour; number colour.
    const QString targetCorners = QStringLiteral("xxxxxxxxxxxxxxxx"
                                                 "xxz1xxxxxxxxz2xx"
                                                 "xxxxxxxxxxxxxxxx"
                                                 "xxxxxxxxxxxxxxxx"
                                                 "xxxxxxxxxxxxxxxx"
                                                 "xxxxxxxxxxxxxxxx"
                                                 "xxz4xxxxxxxxz3xx"
                                                 "xxxxxxxxxxxxxxxx"
                                                 ";0;-1;-1;0;0;0;10;15;10;2;30;16711935;0");
    const QString targetCross = QStringLiteral("xxxxxxz3xxxxxxxx"
                                               "xxxxxxxxz7xxxxxx"
                                               "xxxxxxxxxxxxxxxx"
                                               "z1xxxxxxxxxxxxz2"
                                               "xxz5xxxxxxxxz6xx"
                                               "xxxxxxxxxxxxxxxx"
                                               "xxxxxxz8xxxxxxxx"
                                               "xxxxxxxxz4xxxxxx"
                                               ";1;-1;0;0;0;0;10;15;05;1;40;32768;0");
    // Hula-hoop, four fields: seconds; lines; sound; drawing colour.
    const QString hoopShort = QStringLiteral("20;-1;0;255");
    const QString hoopLong = QStringLiteral("35;0;0;32768");
    // Pac-man, four fields: minutes; sound; speed factor; start corner.
    const QString pacManSmall = QStringLiteral("02;0;02;0");
    const QString pacManLarge = QStringLiteral("05;0;05;0");

    // Pac-man labyrinths: "#" wall, " " dot, "!" pac-gum; both mirror
    // left-right and top-bottom, as the editor's symmetry draws them. The
    // second one opens tunnels through the side walls.
    const QStringList mazeSmall = {
        QStringLiteral("#######################"), QStringLiteral("#!    #         #    !#"),
        QStringLiteral("# ### # ### ### # ### #"), QStringLiteral("#                     #"),
        QStringLiteral("# # ### # ### # ### # #"), QStringLiteral("# #     #     #     # #"),
        QStringLiteral("# # # # ### ### # # # #"), QStringLiteral("# # # # ### ### # # # #"),
        QStringLiteral("# #     #     #     # #"), QStringLiteral("# # ### # ### # ### # #"),
        QStringLiteral("#                     #"), QStringLiteral("# ### # ### ### # ### #"),
        QStringLiteral("#!    #         #    !#"), QStringLiteral("#######################"),
    };
    const QStringList mazeLarge = {
        QStringLiteral("#######################"), QStringLiteral("#     #    !    #     #"),
        QStringLiteral("# ### # ####### # ### #"), QStringLiteral("# #       ###       # #"),
        QStringLiteral("# # # ###     ### # # #"), QStringLiteral("#   #   # # # #   #   #"),
        QStringLiteral("  # # #   # #   # # #  "), QStringLiteral("  # # #   # #   # # #  "),
        QStringLiteral("#   #   # # # #   #   #"), QStringLiteral("# # # ###     ### # # #"),
        QStringLiteral("# #       ###       # #"), QStringLiteral("# ### # ####### # ### #"),
        QStringLiteral("#     #    !    #     #"), QStringLiteral("#######################"),
    };

    // Scores as each game counts them: ping-pong bricks hit, clock and target
    // seconds (fewer is better), hula-hoop surface, pac-man points.
    return {
        {0, QStringLiteral("Bricks 14"), pingPongEasy, {}, 8, 24, 5, 1},
        {0, QStringLiteral("Bricks 28"), pingPongHard, {}, 12, 40, 8, 1},
        {1, QStringLiteral("Circle 8 balls"), clockCircle, {}, 75, 35, 8, 1},
        {1, QStringLiteral("Front quarter 5 balls"), clockFront, {}, 60, 28, 7, 1},
        {2, QStringLiteral("Four corners"), targetCorners, {}, 40, 18, 5, 1},
        {2, QStringLiteral("Cross 8 targets"), targetCross, {}, 70, 32, 8, 1},
        {3, QStringLiteral("Hoop 20 s"), hoopShort, {}, 7, 15, 3, 1},
        {3, QStringLiteral("Hoop 35 s"), hoopLong, {}, 9, 19, 3, 1},
        {4, QStringLiteral("Labyrinth 2 min"), pacManSmall, mazeSmall, 180, 480, 60, 10},
        {4, QStringLiteral("Labyrinth 5 min"), pacManLarge, mazeLarge, 900, 2400, 200, 10},
    };
}

QList<Patient> Patients()
{
    return {
        {"MARTIN",
         "Louise",
         QDate(1948, 3, 12),
         "38",
         "F",
         "4 rue des Lilas",
         "69003",
         "Lyon",
         "Fall in March; balance training twice a week.",
         {ClockCircle, TargetCorners, HoopShort}},
        {"BERNARD",
         "Paul",
         QDate(1955, 7, 22),
         "43",
         "M",
         "12 avenue Foch",
         "75016",
         "Paris",
         "Hip replacement, left side.",
         {PingPongEasy, ClockFront, PacManSmall}},
        {"DUBOIS",
         "Claire",
         QDate(1962, 11, 2),
         "39",
         "F",
         "8 place du Marché",
         "33000",
         "Bordeaux",
         "",
         {TargetCross, HoopLong, PacManLarge}},
        {"PETIT",
         "Jean",
         QDate(1940, 1, 30),
         "42",
         "M",
         "23 chemin Vert",
         "13008",
         "Marseille",
         "Walks with a cane.",
         {ClockCircle, HoopShort, PingPongEasy}},
        {"LEROY",
         "Emma",
         QDate(1971, 5, 17),
         "37",
         "F",
         "2 quai Rambaud",
         "69002",
         "Lyon",
         "",
         {PingPongHard, PacManLarge, TargetCorners}},
        {"MOREAU",
         "Henri",
         QDate(1951, 9, 4),
         "44",
         "M",
         "17 rue Nationale",
         "59000",
         "Lille",
         "Vestibular neuritis; dizzy when turning quickly.",
         {ClockFront, TargetCross, HoopLong}},
        {"GIRARD",
         "Sophie",
         QDate(1983, 12, 9),
         "38",
         "F",
         "5 allée des Tilleuls",
         "44000",
         "Nantes",
         "Ankle sprain, right side.",
         {PacManSmall, PingPongHard, ClockCircle}},
        {"ROUX",
         "Antoine",
         QDate(1946, 4, 25),
         "41",
         "M",
         "31 boulevard Carnot",
         "06000",
         "Nice",
         "Parkinson's disease, early stage.",
         {TargetCorners, HoopShort, PacManSmall, ClockFront}},
    };
}

QList<Trial> Trials(int patient, const QDate& today)
{
    const QList<Patient> patients = Patients();
    const QList<Level> levels = Levels();
    if (patient < 0 || patient >= patients.size())
        return {};
    const Patient& who = patients[patient];
    QRandomGenerator random(quint32(4711 + patient));

    // Two fixed weekdays, the same hour each time.
    const int firstDay = 1 + patient % 3;
    const int secondDay = firstDay + 2;
    const QTime start(9 + (patient % 4) * 2, 15 * (patient % 3));
    QList<QDate> sessions;
    for (QDate day = today.addDays(-120); day < today; day = day.addDays(1)) {
        if (day.dayOfWeek() == firstDay || day.dayOfWeek() == secondDay)
            sessions.append(day);
    }

    QList<Trial> trials;
    for (qsizetype s = 0; s < sessions.size(); ++s) {
        const double progress = sessions.size() > 1 ? double(s) / double(sessions.size() - 1) : 1;
        // Trials of one session follow one another by a few minutes, so one
        // patient never has two trials at the same second.
        QTime time = start.addSecs(random.bounded(600));
        for (const int index : who.levels) {
            // Now and then a game is left out of a session.
            if (random.bounded(4) == 0)
                continue;
            const Level& level = levels[index];
            const int repeats = 1 + random.bounded(2);
            for (int r = 0; r < repeats; ++r) {
                const double trend = level.first + (level.last - level.first) * progress;
                const double value = trend + random.bounded(2 * level.spread + 1) - level.spread;
                const int score = std::max(0, int(std::lround(value / level.step)) * level.step);
                trials.append({sessions[s], time, index, score});
                time = time.addSecs(180 + random.bounded(300));
            }
        }
    }
    return trials;
}

} // namespace Demo
