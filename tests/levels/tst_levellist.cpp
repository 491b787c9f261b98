// The level list of a game type as the editors build it and the game windows
// read it.

#include "LevelList.h"
#include "MessageCapture.h"
#include "clock/ClockLevel.h"

#include <QtTest>

namespace {

QString goodParam(int ballNb = 8)
{
    return QStringLiteral("01020304050607080910111213141516;0;0;0;0;0;0;0;0;10;15;10;40;0;%1;60;"
                          "16711935;0;255")
        .arg(ballNb);
}

LevelRow good(const QString& name, int ballNb = 8)
{
    return LevelRow{name, goodParam(ballNb), QString()};
}

LevelRow bad(const QString& name)
{
    return LevelRow{name, QStringLiteral("01020304;0;0"), QString()};
}

} // namespace

class TestLevelList : public QObject
{
    Q_OBJECT

private slots:
    void rebuild_data();
    void rebuild();
    void atMostTwoHundredFiftyFive_data();
    void atMostTwoHundredFiftyFive();
    void rebuildReplacesTheList();
    void defaultReportGoesToTheUser();
    void roomForNewLevel_data();
    void roomForNewLevel();
};

void TestLevelList::rebuild_data()
{
    QTest::addColumn<QList<LevelRow>>("rows");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("reportedLevels");

    QTest::newRow("empty table") << QList<LevelRow>{} << QStringList{} << QStringList{};
    QTest::newRow("name order without regard to case, then exact text")
        << QList<LevelRow>{good("beta"),  good("Gamma"),    good("alpha"),
                           good("Alpha"), good("10 balls"), good("1 ball")}
        << QStringList{"1 ball", "10 balls", "Alpha", "alpha", "beta", "Gamma"} << QStringList{};
    QTest::newRow("undecodable rows left out, each reported once")
        << QList<LevelRow>{good("b"), bad("broken one"), good("a"), bad("broken two")}
        << QStringList{"a", "b"} << QStringList{"broken one", "broken two"};
    QTest::newRow("only undecodable rows")
        << QList<LevelRow>{bad("x")} << QStringList{} << QStringList{"x"};
}

void TestLevelList::rebuild()
{
    QFETCH(QList<LevelRow>, rows);
    QFETCH(QStringList, names);
    QFETCH(QStringList, reportedLevels);

    LevelList<Clock::TConfig> list;
    QStringList reports;
    list.Rebuild(rows, Clock::Decode, [&](const QString& text) { reports.append(text); });

    QCOMPARE(list.Names(), names);
    QCOMPARE(int(list.NbConfigs()), names.size());
    QCOMPARE(list.IsEmpty(), names.isEmpty());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(list.At(i)->Name, names[i]);
        QCOMPARE(list.IndexOf(names[i]), i);
        QCOMPARE(list.At(i)->BallNb, 8); // the decoded record, not a blank one
    }
    QCOMPARE(list.At(-1), nullptr);
    QCOMPARE(list.At(names.size()), nullptr);
    QCOMPARE(list.IndexOf(QStringLiteral("no such level")), -1);

    QCOMPARE(reports.size(), reportedLevels.size());
    for (int i = 0; i < reports.size(); ++i) {
        QVERIFY2(reports[i].startsWith(
                     QStringLiteral("The level \"%1\" cannot be read: ").arg(reportedLevels[i])),
                 qPrintable(reports[i]));
        QVERIFY2(reports[i].endsWith(QStringLiteral("It is left out of the level list.")),
                 qPrintable(reports[i]));
    }
}

void TestLevelList::atMostTwoHundredFiftyFive_data()
{
    QTest::addColumn<int>("decodable");
    QTest::addColumn<int>("undecodable");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QStringList>("leftOut");

    QTest::newRow("255 fit") << 255 << 0 << 255 << QStringList{};
    QTest::newRow("the 256th is refused") << 256 << 0 << 255 << QStringList{"L255"};
    QTest::newRow("three beyond") << 258 << 0 << 255 << QStringList{"L255", "L256", "L257"};
    // Undecodable rows take no place in the list.
    QTest::newRow("255 good among bad ones") << 255 << 4 << 255 << QStringList{};
}

void TestLevelList::atMostTwoHundredFiftyFive()
{
    QFETCH(int, decodable);
    QFETCH(int, undecodable);
    QFETCH(int, kept);
    QFETCH(QStringList, leftOut);

    QList<LevelRow> rows;
    // Given in reverse so the order of the list, not of the rows, decides.
    for (int i = decodable - 1; i >= 0; --i)
        rows.append(good(QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0'))));
    for (int i = 0; i < undecodable; ++i)
        rows.append(bad(QStringLiteral("bad%1").arg(i)));

    LevelList<Clock::TConfig> list;
    QStringList reports;
    list.Rebuild(rows, Clock::Decode, [&](const QString& text) { reports.append(text); });

    QCOMPARE(list.Configs().size(), kept);
    QCOMPARE(int(list.NbConfigs()), kept);
    QCOMPARE(list.At(0)->Name, QStringLiteral("L000"));
    QCOMPARE(list.At(kept - 1)->Name, QStringLiteral("L254"));

    const int fullReports = leftOut.isEmpty() ? 0 : 1;
    QCOMPARE(reports.size(), undecodable + fullReports);
    if (fullReports) {
        const QString& text = reports.last();
        QVERIFY2(text.startsWith(QStringLiteral("A game offers at most 255 levels")),
                 qPrintable(text));
        for (const QString& name : leftOut)
            QVERIFY2(text.contains(QLatin1Char('"') + name + QLatin1Char('"')), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("\"L254\"")));
    }
}

void TestLevelList::rebuildReplacesTheList()
{
    LevelList<Clock::TConfig> list;
    list.Rebuild({good("old"), good("older")}, Clock::Decode, nullptr);
    QCOMPARE(list.NbConfigs(), 2);
    // The editor closes after a level was deleted and another changed.
    list.Rebuild({good("older", 12)}, Clock::Decode, nullptr);
    QCOMPARE(list.Names(), QStringList{"older"});
    QCOMPARE(list.At(0)->BallNb, 12);
    list.Clear();
    QVERIFY(list.IsEmpty());
}

void TestLevelList::defaultReportGoesToTheUser()
{
    MessageCapture capture;
    LevelList<Clock::TConfig> list;
    list.Rebuild({bad("hand edited"), good("fine")}, Clock::Decode);
    QCOMPARE(capture.texts().size(), 1);
    QVERIFY(capture.texts().first().contains(QStringLiteral("\"hand edited\"")));
    QCOMPARE(list.Names(), QStringList{"fine"});
}

void TestLevelList::roomForNewLevel_data()
{
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("room");
    QTest::newRow("none yet") << 0 << true;
    QTest::newRow("254: the 255th may come") << 254 << true;
    QTest::newRow("255: the 256th may not") << 255 << false;
    QTest::newRow("beyond, from a hand-edited table") << 300 << false;
}

void TestLevelList::roomForNewLevel()
{
    QFETCH(int, levels);
    QFETCH(bool, room);
    QCOMPARE(RoomForNewLevel(levels), room);
    QCOMPARE(TooManyLevelsText(),
             QStringLiteral(
                 "A game holds at most 255 levels. Delete a level before creating another one."));
}

QTEST_GUILESS_MAIN(TestLevelList)
#include "tst_levellist.moc"
