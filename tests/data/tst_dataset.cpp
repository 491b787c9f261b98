#include "DataFixture.h"
#include "DataSet.h"
#include "Database.h"
#include "DbError.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// The dataset layer against a real database file: browse order, cursor,
// filters, editing, key violations, master-detail.
class TestDataSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }
    void init();
    void cleanup();

    void browseOrder_data();
    void browseOrder();
    void cursorAtEnds();
    void emptyTable();

    void filter_data();
    void filter();
    void badFilter_data();
    void badFilter();
    void filterChangeMovesToFirst();

    void appendPostAndCancel();
    void levelNameUniqueness_data();
    void levelNameUniqueness();
    void keyViolationKeepsRowPending();
    void requiredLevelName_data();
    void requiredLevelName();
    void fieldValueChecks_data();
    void fieldValueChecks();
    void editOnEmptyTableInserts();
    void editPostAndCancel();
    void deleteMovesCursor();
    void trialKeyPerPatientAndSecond();

    void masterDetail();
    void controlsDisabled();
    void queryParameterIsOnlyAValue();
    void missingTableOrField_data();
    void missingTableOrField();

private:
    std::unique_ptr<TTable> table(const char* name, const char* index = nullptr);
    QStringList column(TDataSet& dataSet, const QString& field);

    QTemporaryDir m_home;
    std::unique_ptr<DataFixture> m_fx;
    std::unique_ptr<TDatabase> m_db;
};

void TestDataSet::init()
{
    m_fx = std::make_unique<DataFixture>();
    AliasRegistry registry;
    registry.DeleteAlias(QStringLiteral("TESTDB"));
    registry.AddStandardAlias(QStringLiteral("TESTDB"), m_fx->dataDir());
    m_db = std::make_unique<TDatabase>();
    m_db->SetAliasName(QStringLiteral("TESTDB"));
    m_db->Open();
}

void TestDataSet::cleanup()
{
    m_db.reset();
    m_fx.reset();
}

std::unique_ptr<TTable> TestDataSet::table(const char* name, const char* index)
{
    auto t = std::make_unique<TTable>();
    t->SetDatabase(m_db.get());
    t->SetTableName(QLatin1String(name));
    if (index)
        t->SetIndexName(QLatin1String(index));
    return t;
}

// Walks the dataset from its first row the way the windows do.
QStringList TestDataSet::column(TDataSet& dataSet, const QString& field)
{
    QStringList values;
    dataSet.First();
    while (!dataSet.Eof()) {
        values << dataSet.FieldByName(field)->AsString();
        dataSet.Next();
    }
    return values;
}

void TestDataSet::browseOrder_data()
{
    QTest::addColumn<QString>("tableName");
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("patients by name, any case")
        << "Patient.DB"
        << "Patient_Existant"
        << "NOM" << QStringList{"adam", "Bernard", "Bernard", "zoe"};
    QTest::newRow("patients in key order")
        << "Patient.DB"
        << ""
        << "NOM" << QStringList{"zoe", "Bernard", "adam", "Bernard"};
    QTest::newRow("levels by name") << "ParamJeu.DB"
                                    << "Niveau_Existant"
                                    << "NIVEAU" << QStringList{"alpha", "Beta", "gamma"};
    QTest::newRow("trials of a patient in the order played")
        << "Jeu.DB"
        << "FK_PAT"
        << "TIME" << QStringList{"10:00:02", "10:00:01", "09:00:00"};
    QTest::newRow("plates in storage order") << "Plates.DB"
                                             << ""
                                             << "Name" << QStringList{"PLT2020A", "ALPHA"};
}

void TestDataSet::browseOrder()
{
    QFETCH(QString, tableName);
    QFETCH(QString, index);
    QFETCH(QString, field);
    QFETCH(QStringList, expected);
    m_fx->addPatient("zoe");
    m_fx->addPatient("Bernard", "B");
    m_fx->addPatient("adam");
    m_fx->addPatient("Bernard", "A");
    m_fx->addLevel(1, "gamma");
    m_fx->addLevel(1, "alpha");
    m_fx->addLevel(1, "Beta");
    m_fx->addTrial(7, 1, "01/01/2026", "10:00:02");
    m_fx->addTrial(7, 1, "01/01/2026", "10:00:01");
    m_fx->addTrial(7, 1, "01/02/2026", "09:00:00");
    m_fx->addPlate("PLT2020A", 48);
    m_fx->addPlate("ALPHA", 32);

    TTable t;
    t.SetDatabase(m_db.get());
    t.SetTableName(tableName);
    t.SetIndexName(index);
    t.Open();
    QCOMPARE(column(t, field), expected);
    if (tableName == QLatin1String("Patient.DB") && !index.isEmpty()) {
        t.First();
        t.Next();
        QCOMPARE(t.FieldByName("PRENOM")->AsString(),
                 QStringLiteral("A")); // same name: by first name
    }
}

void TestDataSet::cursorAtEnds()
{
    m_fx->addLevel(0, "a");
    m_fx->addLevel(0, "b");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->Open();
    QVERIFY(t->Bof());
    QVERIFY(!t->Eof());
    QCOMPARE(t->RecNo(), 1);
    t->Next();
    QVERIFY(!t->Eof());
    t->Next();
    // Past the last row: at the end, but the last row stays readable.
    QVERIFY(t->Eof());
    QCOMPARE(t->FieldByName("NIVEAU")->AsString(), QStringLiteral("b"));
    t->Prior();
    QCOMPARE(t->FieldByName("NIVEAU")->AsString(), QStringLiteral("a"));
    QVERIFY(!t->Eof());
    t->Prior();
    QVERIFY(t->Bof());
    t->Last();
    QVERIFY(t->Eof());
    QCOMPARE(t->RecNo(), 2);
}

void TestDataSet::emptyTable()
{
    auto t = table(Tables::Patient, Indexes::PatientExistant);
    t->Open();
    QVERIFY(t->Bof());
    QVERIFY(t->Eof());
    QVERIFY(t->IsEmpty());
    QCOMPARE(t->RecordCount(), 0);
    QCOMPARE(t->RecNo(), 0);
    QVERIFY(t->FieldByName("PK_PAT")->IsNull());
    QCOMPARE(t->FieldByName("PK_PAT")->AsInteger(), 0);
    QCOMPARE(t->FieldByName("NOM")->AsString(), QString());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Delete());
}

void TestDataSet::filter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("type 0") << "TYPE=0" << QStringList{"p1", "p2"};
    QTest::newRow("type 2, blanks") << " TYPE = 2 " << QStringList{"t1"};
    QTest::newRow("lower-case field") << "type=1" << QStringList{"c1"};
    QTest::newRow("no such type") << "TYPE=4" << QStringList{};
    QTest::newRow("negative") << "TYPE=-1" << QStringList{};
    QTest::newRow("empty filter shows all, by type") << "" << QStringList{"p1", "p2", "c1", "t1"};
}

void TestDataSet::filter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    m_fx->addLevel(0, "p2");
    m_fx->addLevel(1, "c1");
    m_fx->addLevel(2, "t1");
    m_fx->addLevel(0, "p1");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->SetFilter(filter);
    t->SetFiltered(true);
    t->Open();
    QCOMPARE(column(*t, "NIVEAU"), expected);
    QCOMPARE(t->RecordCount(), expected.size());
    t->SetFiltered(false);
    QCOMPARE(t->RecordCount(), 4);
}

void TestDataSet::badFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("not a number") << "TYPE=abc";
    QTest::newRow("unknown field") << "FOO=1";
    QTest::newRow("other operator") << "TYPE>1";
    QTest::newRow("statement smuggled in") << "TYPE=1 OR 1=1";
    QTest::newRow("quote") << "TYPE='1'";
}

void TestDataSet::badFilter()
{
    QFETCH(QString, filter);
    m_fx->addLevel(1, "c1");
    auto t = table(Tables::ParamJeu);
    t->SetFilter(filter);
    t->SetFiltered(true);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->Open());
    QVERIFY(!t->Active());
}

void TestDataSet::filterChangeMovesToFirst()
{
    m_fx->addLevel(1, "a");
    m_fx->addLevel(1, "b");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->SetFilter("TYPE=1");
    t->SetFiltered(true);
    t->Open();
    while (!t->Eof())
        t->Next();
    // The editors leave the table at its end; setting the filter again (even
    // to the same type) must bring back a current row.
    t->SetFilter("TYPE=1");
    QVERIFY(!t->Eof());
    QCOMPARE(t->FieldByName("NIVEAU")->AsString(), QStringLiteral("a"));
}

void TestDataSet::appendPostAndCancel()
{
    m_fx->addLevel(1, "b");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->SetFilter("TYPE=1");
    t->SetFiltered(true);
    t->Open();
    QSignalSpy changed(t.get(), &TDataSet::DataSetChanged);

    t->Append();
    QCOMPARE(t->State(), TDataSetState::Insert);
    QCOMPARE(t->ViewRowCount(), 2); // the grid shows the pending row
    QVERIFY(t->FieldByName("NIVEAU")->IsNull());
    t->FieldByName("NIVEAU")->SetAsString("a");
    t->FieldByName("TYPE")->SetAsInteger(1);
    t->FieldByName("PARAM")->SetAsString("5;6");
    t->Post();
    QCOMPARE(t->State(), TDataSetState::Browse);
    QVERIFY(changed.count() >= 2);
    // The posted row takes its place in the index and stays current.
    QCOMPARE(t->FieldByName("NIVEAU")->AsString(), QStringLiteral("a"));
    QCOMPARE(t->RecNo(), 1);
    const int key = t->FieldByName("PK_Param")->AsInteger();
    QVERIFY(key > 0);
    QCOMPARE(m_fx->exec("SELECT PARAM FROM ParamJeu WHERE PK_Param = ?", {key}).toString(),
             QStringLiteral("5;6"));

    t->Append();
    t->FieldByName("NIVEAU")->SetAsString("c");
    t->Cancel();
    QCOMPARE(t->State(), TDataSetState::Browse);
    QCOMPARE(t->RecordCount(), 2);
    QCOMPARE(m_fx->count("ParamJeu"), 2);
}

void TestDataSet::levelNameUniqueness_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("violation");
    QTest::newRow("same type, same name") << 1 << "Easy" << true;
    QTest::newRow("same type, other case") << 1 << "EASY" << true;
    QTest::newRow("other game, same name") << 2 << "Easy" << false;
    QTest::newRow("same type, other name") << 1 << "Easy 2" << false;
}

void TestDataSet::levelNameUniqueness()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(bool, violation);
    m_fx->addLevel(1, "Easy");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->Open();
    t->Append();
    t->FieldByName("TYPE")->SetAsInteger(type);
    t->FieldByName("NIVEAU")->SetAsString(name);
    int code = EngineCode::None;
    try {
        t->Post();
    } catch (const EDBEngineError& error) {
        code = error.ErrorCode();
    }
    QCOMPARE(code, violation ? EngineCode::KeyViolation : EngineCode::None);
    QCOMPARE(m_fx->count("ParamJeu"), violation ? 1 : 2);
}

void TestDataSet::keyViolationKeepsRowPending()
{
    m_fx->addLevel(3, "Easy");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->Open();
    t->Append();
    t->FieldByName("TYPE")->SetAsInteger(3);
    t->FieldByName("PARAM")->SetAsString("10;0;0;255");
    t->FieldByName("NIVEAU")->SetAsString("Easy");
    try {
        t->Post();
        QFAIL("a second level of the same name was stored");
    } catch (const EDBEngineError& error) {
        QCOMPARE(error.ErrorCode(), 9729);
        QCOMPARE(error.message(), QStringLiteral("Key violation."));
    }
    // Still pending with everything typed, so the name can be changed.
    QCOMPARE(t->State(), TDataSetState::Insert);
    QCOMPARE(t->FieldByName("PARAM")->AsString(), QStringLiteral("10;0;0;255"));
    t->FieldByName("NIVEAU")->SetAsString("Hard");
    t->Post();
    QCOMPARE(m_fx->count("ParamJeu", "NIVEAU = 'Hard' AND PARAM = '10;0;0;255'"), 1);
}

void TestDataSet::requiredLevelName_data()
{
    QTest::addColumn<QVariant>("name");
    QTest::newRow("never set") << QVariant();
    QTest::newRow("empty") << QVariant(QString());
    QTest::newRow("blanks") << QVariant(QStringLiteral("   "));
}

void TestDataSet::requiredLevelName()
{
    QFETCH(QVariant, name);
    auto t = table(Tables::ParamJeu);
    t->Open();
    t->Append();
    t->FieldByName("TYPE")->SetAsInteger(0);
    if (name.isValid())
        t->FieldByName("NIVEAU")->SetValue(name);
    try {
        t->Post();
        QFAIL("a level without a name was stored");
    } catch (const EDBEngineError& error) {
        QCOMPARE(error.ErrorCode(), EngineCode::RequiredField);
        QVERIFY(error.message().contains("NIVEAU"));
    }
    QCOMPARE(t->State(), TDataSetState::Insert);
    QCOMPARE(m_fx->count("ParamJeu"), 0);
}

void TestDataSet::fieldValueChecks_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("error"); // "" accepted, "db" EDatabaseError, "convert" EConvertError
    QTest::newRow("PARAM of 255") << "PARAM" << QVariant(QString(255, '1')) << "";
    QTest::newRow("PARAM of 256 is refused, not cut")
        << "PARAM" << QVariant(QString(256, '1')) << "db";
    QTest::newRow("name of 31") << "NIVEAU" << QVariant(QString(31, 'x')) << "db";
    QTest::newRow("type as text") << "TYPE" << QVariant(QStringLiteral("2")) << "";
    QTest::newRow("type not a number") << "TYPE" << QVariant(QStringLiteral("2.5")) << "convert";
    QTest::newRow("type beyond 16 bits") << "TYPE" << QVariant(40000) << "db";
    QTest::newRow("key is read-only") << "PK_Param" << QVariant(5) << "db";
}

void TestDataSet::fieldValueChecks()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QString, error);
    auto t = table(Tables::ParamJeu);
    t->Open();
    t->Append();
    TField* f = t->FieldByName(field);
    QString raised;
    try {
        f->SetValue(value);
    } catch (const EConvertError&) {
        raised = "convert";
    } catch (const EDatabaseError&) {
        raised = "db";
    }
    QCOMPARE(raised, error);
    if (error.isEmpty())
        QCOMPARE(f->AsString(), value.toString());
    else
        QVERIFY(f->IsNull());
}

void TestDataSet::editOnEmptyTableInserts()
{
    auto t = table(Tables::ParamJeu);
    t->Open();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, t->FieldByName("NIVEAU")->SetAsString("x"));
    t->Edit();
    QCOMPARE(t->State(), TDataSetState::Insert);
}

void TestDataSet::editPostAndCancel()
{
    const int key = m_fx->addLevel(2, "Old", "1;1");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->Open();
    t->Edit();
    t->FieldByName("NIVEAU")->SetAsString("Changed");
    QVERIFY(t->Modified());
    t->Cancel();
    QCOMPARE(t->FieldByName("NIVEAU")->AsString(), QStringLiteral("Old"));
    QCOMPARE(m_fx->exec("SELECT NIVEAU FROM ParamJeu WHERE PK_Param = ?", {key}).toString(),
             QStringLiteral("Old"));

    t->Edit();
    t->FieldByName("PARAM")->SetAsString("9;9");
    t->Post();
    QCOMPARE(t->FieldByName("PARAM")->AsString(), QStringLiteral("9;9"));
    QCOMPARE(m_fx->exec("SELECT PARAM FROM ParamJeu WHERE PK_Param = ?", {key}).toString(),
             QStringLiteral("9;9"));
    QCOMPARE(m_fx->exec("SELECT NIVEAU FROM ParamJeu WHERE PK_Param = ?", {key}).toString(),
             QStringLiteral("Old"));

    // Moving on posts a pending change, as the engine does.
    t->Edit();
    t->FieldByName("PARAM")->SetAsString("8;8");
    t->First();
    QCOMPARE(t->State(), TDataSetState::Browse);
    QCOMPARE(m_fx->exec("SELECT PARAM FROM ParamJeu WHERE PK_Param = ?", {key}).toString(),
             QStringLiteral("8;8"));
}

void TestDataSet::deleteMovesCursor()
{
    for (const char* name : {"a", "b", "c"})
        m_fx->addLevel(0, name);
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    t->Open();
    t->Next(); // on b
    t->Delete();
    QCOMPARE(t->FieldByName("NIVEAU")->AsString(),
             QStringLiteral("c")); // the next row took its place
    t->Delete();
    QCOMPARE(t->FieldByName("NIVEAU")->AsString(),
             QStringLiteral("a")); // the last one gone: previous
    QVERIFY(!t->Eof());
    t->Delete();
    QVERIFY(t->Eof());
    QVERIFY(t->IsEmpty());
    QCOMPARE(m_fx->count("ParamJeu"), 0);
}

void TestDataSet::trialKeyPerPatientAndSecond()
{
    m_fx->addTrial(1, 1, "03/07/2026", "10:11:12");
    auto t = table(Tables::Jeu, Indexes::JeuFkPat);
    t->Open();
    auto append = [&](int patient, const char* time) {
        t->Append();
        t->FieldByName("DATE_JEU")->SetAsString("03/07/2026");
        t->FieldByName("TIME")->SetAsString(time);
        t->FieldByName("FK_PAT")->SetAsInteger(patient);
        t->FieldByName("TYPE")->SetAsInteger(1);
        t->FieldByName("NIVEAU")->SetAsString("Easy");
        t->FieldByName("SCORE")->SetAsString(
            "-1234567"); // a hula-hoop score longer than six digits
        t->Post();
    };
    append(2, "10:11:12"); // another patient at the same second
    append(1, "10:11:13");
    try {
        append(1, "10:11:12");
        QFAIL("two trials of one patient at one second");
    } catch (const EDBEngineError& error) {
        QCOMPARE(error.ErrorCode(), EngineCode::KeyViolation);
    }
    t->Cancel();
    QCOMPARE(m_fx->count("Jeu"), 3);
    QCOMPARE(m_fx->count("Jeu", "SCORE = '-1234567'"), 2);
}

void TestDataSet::masterDetail()
{
    const int anna = m_fx->addPatient("Anna");
    const int bob = m_fx->addPatient("Bob");
    m_fx->addTrial(anna, 1, "01/01/2026", "10:00:00");
    m_fx->addTrial(bob, 1, "01/01/2026", "10:00:00");
    m_fx->addTrial(bob, 2, "01/01/2026", "11:00:00");

    auto pat = table(Tables::Patient, Indexes::PatientExistant);
    TDataSource source;
    source.SetDataSet(pat.get());
    auto jeu = table(Tables::Jeu, Indexes::JeuFkPat);
    jeu->SetMasterSource(&source, "PK_PAT", "FK_PAT");
    pat->Open();
    jeu->Open();
    QCOMPARE(jeu->RecordCount(), 1); // Anna's

    QSignalSpy detailChanged(jeu.get(), &TDataSet::DataSetChanged);
    pat->Next();
    QCOMPARE(detailChanged.count(), 1);
    QCOMPARE(jeu->RecordCount(), 2); // Bob's

    // The filter and the link apply together.
    jeu->SetFilter(QStringLiteral("FK_PAT=%1").arg(anna));
    jeu->SetFiltered(true);
    QCOMPARE(jeu->RecordCount(), 0);
    jeu->SetFilter(QStringLiteral("FK_PAT=%1").arg(bob));
    QCOMPARE(jeu->RecordCount(), 2);

    // A new detail row starts with the master's key.
    jeu->Append();
    QCOMPARE(jeu->FieldByName("FK_PAT")->AsInteger(), bob);
    jeu->Cancel();

    // The filter survives closing.
    jeu->Close();
    jeu->Open();
    QCOMPARE(jeu->Filter(), QStringLiteral("FK_PAT=%1").arg(bob));
    QCOMPARE(jeu->RecordCount(), 2);
}

void TestDataSet::controlsDisabled()
{
    m_fx->addLevel(0, "a");
    m_fx->addLevel(0, "b");
    auto t = table(Tables::ParamJeu, Indexes::NiveauExistant);
    TDataSource source;
    source.SetDataSet(t.get());
    t->Open();
    QSignalSpy scrolled(&source, &TDataSource::Scrolled);
    QSignalSpy changed(&source, &TDataSource::DataSetChanged);
    t->DisableControls();
    t->Next();
    t->Delete();
    QCOMPARE(scrolled.count(), 0);
    QCOMPARE(changed.count(), 0);
    t->EnableControls();
    QCOMPARE(changed.count(), 1);
    t->Next();
    QCOMPARE(scrolled.count(), 0); // already on the last row: no move
    t->First();
    QCOMPARE(scrolled.count(), 1);
}

void TestDataSet::queryParameterIsOnlyAValue()
{
    m_fx->addUser("ADMIN", "secret");
    TQuery query;
    query.SetDatabase(m_db.get());
    query.SetSQL("select PASS_WD from USERS where NOM=:NOM");
    query.SetParam("NOM", "X\" or \"1\"=\"1");
    query.Open();
    QVERIFY(query.Eof());
    query.Close();
    query.SetParam("NOM", "ADMIN");
    query.Open();
    QVERIFY(!query.Eof());
    QCOMPARE(query.FieldByName("PASS_WD")->AsString(), QStringLiteral("secret"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, query.Edit());
}

void TestDataSet::missingTableOrField_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("words");
    QTest::newRow("table dropped") << "DROP TABLE ParamJeu"
                                   << "ParamJeu.DB";
    QTest::newRow("column missing") << "ALTER TABLE ParamJeu DROP COLUMN FICHIER"
                                    << "FICHIER";
}

void TestDataSet::missingTableOrField()
{
    QFETCH(QString, statement);
    QFETCH(QString, words);
    m_db->Close();
    m_fx->exec(statement);
    auto t = table(Tables::ParamJeu);
    try {
        t->Open();
        QFAIL("opened a broken table");
    } catch (const EDBEngineError& error) {
        QVERIFY2(error.message().contains(words), qPrintable(error.message()));
    }
    QVERIFY(!t->Active());
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
