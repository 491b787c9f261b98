// The history report's data connections, event by event.

#include "PrintModule.h"

#include <QtTest>

namespace {

QStringList trial(const QString& date, const QString& level, const QString& score)
{
    return {date, QStringLiteral("10:00:00"), level, score};
}

// Raises the events the way the engine does and collects the rows.
QList<QStringList> pull(ReportCustomConnection& connection)
{
    QList<QStringList> rows;
    connection.first();
    while (!connection.eof() && rows.size() < 100)
        rows.append(connection.getRow());
    return rows;
}

} // namespace

class TestPrintModule : public QObject
{
    Q_OBJECT

private slots:
    void trialList_data();
    void trialList();
    void fieldsDeclared();
    void firstStartsOver();
    void rowAskedPastTheEnd();
    void chartConnection();
    void exerciseName_data();
    void exerciseName();
    void firstModuleIsTheProgramsOne();
};

void TestPrintModule::trialList_data()
{
    QTest::addColumn<QList<QStringList>>("grid");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<QStringList>>("expected"); // NumTrial, DateTrial, TimeTrial, ScoreTrial

    const QList<QStringList> twoLevels = {
        trial("01/01/2025", "Easy", "10"), trial("01/02/2025", "Hard", "20"),
        trial("01/03/2025", "Easy", "11"), trial("01/04/2025", "Hard", "21"),
        trial("01/05/2025", "Hard", "22"), trial("01/06/2025", "Easy", "12"),
    };
    QTest::newRow("level of the selected row, numbered from 1")
        << twoLevels << 3
        << QList<QStringList>{{"1", "01/02/2025", "10:00:00", "20"},
                              {"2", "01/04/2025", "10:00:00", "21"},
                              {"3", "01/05/2025", "10:00:00", "22"}};
    QTest::newRow("other level, last grid row is its last")
        << twoLevels << 0
        << QList<QStringList>{{"1", "01/01/2025", "10:00:00", "10"},
                              {"2", "01/03/2025", "10:00:00", "11"},
                              {"3", "01/06/2025", "10:00:00", "12"}};
    // The list ends with the level's last row, not with the grid: no empty
    // or foreign row follows.
    QTest::newRow("rows of another level after the last")
        << QList<QStringList>{trial("02/01/2025", "A", "1"), trial("02/02/2025", "B", "2"),
                              trial("02/03/2025", "B", "3")}
        << 0 << QList<QStringList>{{"1", "02/01/2025", "10:00:00", "1"}};
    QTest::newRow("case counts") << QList<QStringList>{trial("03/01/2025", "Easy", "5"),
                                                       trial("03/02/2025", "easy", "6"),
                                                       trial("03/03/2025", "EASY", "7"),
                                                       trial("03/04/2025", "easy", "8")}
                                 << 1
                                 << QList<QStringList>{{"1", "03/02/2025", "10:00:00", "6"},
                                                       {"2", "03/04/2025", "10:00:00", "8"}};
    QTest::newRow("no selection means the first trial")
        << QList<QStringList>{trial("04/01/2025", "X", "1"), trial("04/02/2025", "Y", "2")} << -1
        << QList<QStringList>{{"1", "04/01/2025", "10:00:00", "1"}};
    QTest::newRow("selection past the grid means the first trial")
        << QList<QStringList>{trial("04/01/2025", "X", "1"), trial("04/02/2025", "Y", "2")} << 7
        << QList<QStringList>{{"1", "04/01/2025", "10:00:00", "1"}};
    QTest::newRow("empty grid") << QList<QStringList>{} << 0 << QList<QStringList>{};
}

void TestPrintModule::trialList()
{
    QFETCH(QList<QStringList>, grid);
    QFETCH(int, selected);
    QFETCH(QList<QStringList>, expected);
    TPrintModule module;
    module.setTrialGrid(grid, selected);
    QCOMPARE(pull(module.RvCustomConnection1), expected);
}

void TestPrintModule::fieldsDeclared()
{
    TPrintModule module;
    const QList<ReportField>& fields = module.RvCustomConnection1.fields();
    QStringList names;
    for (const ReportField& field : fields) {
        names.append(field.name);
        QCOMPARE(field.type, ReportFieldType::String);
        QCOMPARE(field.width, 30);
    }
    QCOMPARE(names, (QStringList{"NumTrial", "DateTrial", "TimeTrial", "ScoreTrial"}));
}

void TestPrintModule::firstStartsOver()
{
    TPrintModule module;
    module.setTrialGrid({trial("01/01/2025", "A", "1"), trial("01/02/2025", "A", "2")}, 0);
    ReportCustomConnection& connection = module.RvCustomConnection1;
    connection.first();
    QCOMPARE(connection.getRow().first(), QStringLiteral("1"));
    // A second list (or a second run) starts from the top again.
    const QList<QStringList> rows = pull(connection);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].first(), QStringLiteral("1"));
    QCOMPARE(rows[1].first(), QStringLiteral("2"));
}

void TestPrintModule::rowAskedPastTheEnd()
{
    TPrintModule module;
    module.setTrialGrid({trial("01/01/2025", "A", "1"), trial("01/02/2025", "B", "2")}, 0);
    ReportCustomConnection& connection = module.RvCustomConnection1;
    connection.first();
    QVERIFY(!connection.eof());
    connection.getRow();
    QVERIFY(connection.eof());
    // Asked anyway: an empty row, never the row of level B.
    QCOMPARE(connection.getRow(), (QStringList{"", "", "", ""}));
    QVERIFY(connection.eof());
}

void TestPrintModule::chartConnection()
{
    TPrintModule module;
    const QList<ReportField>& fields = module.RvCustomConnectionChart.fields();
    QCOMPARE(fields.size(), 1);
    QCOMPARE(fields[0].name, QStringLiteral("PieChart"));
    QCOMPARE(fields[0].type, ReportFieldType::Graphic);
    QVERIFY(pull(module.RvCustomConnectionChart).isEmpty());
    QCOMPARE(module.connections().size(), 2);
}

void TestPrintModule::exerciseName_data()
{
    QTest::addColumn<int>("gameType");
    QTest::addColumn<QString>("name");
    QTest::newRow("ping-pong") << 0 << "PingPong";
    QTest::newRow("clock") << 1 << "Clock";
    QTest::newRow("target") << 2 << "Target";
    QTest::newRow("hula-hoop") << 3 << "HoolaHoop";
    QTest::newRow("pac-man") << 4 << "PacMan";
    QTest::newRow("none chosen") << -1 << "";
    QTest::newRow("unknown") << 5 << "";
}

void TestPrintModule::exerciseName()
{
    QFETCH(int, gameType);
    QFETCH(QString, name);
    QCOMPARE(ExerciseName(gameType), name);
}

void TestPrintModule::firstModuleIsTheProgramsOne()
{
    QVERIFY(!PrintModule);
    {
        TPrintModule first;
        TPrintModule second;
        QCOMPARE(PrintModule, &first);
    }
    QVERIFY(!PrintModule);
}

QTEST_GUILESS_MAIN(TestPrintModule)
#include "tst_printmodule.moc"
