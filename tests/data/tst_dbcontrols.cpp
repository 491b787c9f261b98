#include "DBControls.h"
#include "DataFixture.h"
#include "Database.h"
#include "MessageCapture.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

// Data-aware edit, memo and grid on a real level table.
class TestDBControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }
    void init();
    void cleanup();

    void editFollowsCurrentRow();
    void typingWritesTheField();
    void refusedTextIsReverted();
    void memoShowsText();
    void gridShowsRowsAndFollows();
    void gridClickMovesBeforeCellClick();
    void gridShowsPendingRow();
    void disabledControlsWait();

private:
    QTemporaryDir m_home;
    std::unique_ptr<DataFixture> m_fx;
    std::unique_ptr<TDatabase> m_db;
    std::unique_ptr<TTable> m_table;
    std::unique_ptr<TDataSource> m_source;
};

void TestDBControls::init()
{
    m_fx = std::make_unique<DataFixture>();
    m_fx->addLevel(1, "Beta", "2;2");
    m_fx->addLevel(1, "alpha", "1;1");
    m_fx->addLevel(1, "Gamma", "3;3");
    m_fx->addLevel(0, "pong", "0");
    AliasRegistry registry;
    registry.DeleteAlias("TESTDB");
    registry.AddStandardAlias("TESTDB", m_fx->dataDir());
    m_db = std::make_unique<TDatabase>();
    m_db->SetAliasName("TESTDB");
    m_table = std::make_unique<TTable>();
    m_table->SetDatabase(m_db.get());
    m_table->SetTableName(Tables::ParamJeu);
    m_table->SetIndexName(Indexes::NiveauExistant);
    m_table->SetFilter("TYPE=1");
    m_table->SetFiltered(true);
    m_source = std::make_unique<TDataSource>();
    m_source->SetDataSet(m_table.get());
}

void TestDBControls::cleanup()
{
    m_source.reset();
    m_table.reset();
    m_db.reset();
    m_fx.reset();
}

void TestDBControls::editFollowsCurrentRow()
{
    TDBEdit edit;
    edit.SetDataSource(m_source.get());
    edit.SetDataField("NIVEAU");
    QCOMPARE(edit.text(), QString()); // closed table
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    m_table->Open();
    QCOMPARE(edit.text(), QStringLiteral("alpha"));
    QCOMPARE(edit.maxLength(), 30);
    m_table->Next();
    QCOMPARE(edit.text(), QStringLiteral("Beta"));
    // Every move to another row shows as a text change (the editors' T_CodeChange).
    QCOMPARE(changes.count(), 2);
    m_table->SetFilter("TYPE=4");
    QCOMPARE(edit.text(), QString());
}

void TestDBControls::typingWritesTheField()
{
    m_table->Open();
    TDBEdit edit;
    edit.SetDataSource(m_source.get());
    edit.SetDataField("NIVEAU");
    m_table->Append();
    QCOMPARE(edit.text(), QString());
    QTest::keyClicks(&edit, "Delta");
    QCOMPARE(m_table->FieldByName("NIVEAU")->AsString(), QStringLiteral("Delta"));
    m_table->FieldByName("TYPE")->SetAsInteger(1);
    m_table->Post();
    QCOMPARE(m_fx->count("ParamJeu", "NIVEAU = 'Delta'"), 1);
    QCOMPARE(edit.text(), QStringLiteral("Delta"));

    // Typing in browse state puts the row into editing; Cancel shows it back.
    m_table->First();
    QTest::keyClicks(&edit, "X");
    QCOMPARE(m_table->State(), TDataSetState::Edit);
    QCOMPARE(m_table->FieldByName("NIVEAU")->AsString(), QStringLiteral("alphaX"));
    m_table->Cancel();
    QCOMPARE(edit.text(), QStringLiteral("alpha"));

    // A read-only box never writes.
    edit.setReadOnly(true);
    QTest::keyClicks(&edit, "Y");
    QCOMPARE(m_table->State(), TDataSetState::Browse);
}

void TestDBControls::refusedTextIsReverted()
{
    m_table->Open();
    TDBEdit edit;
    edit.SetDataSource(m_source.get());
    edit.SetDataField("TYPE");
    MessageCapture messages;
    QTest::keyClicks(&edit, "x");
    QCOMPARE(messages.texts(), QStringList{"'1x' is not a valid integer value."});
    QCOMPARE(edit.text(), QStringLiteral("1"));
    QCOMPARE(m_table->FieldByName("TYPE")->AsInteger(), 1);
}

void TestDBControls::memoShowsText()
{
    m_fx->exec("UPDATE ParamJeu SET PARAM = ? WHERE NIVEAU = 'alpha'",
               {QStringLiteral("line 1\nline 2")});
    m_table->Open();
    TDBMemo memo;
    memo.setReadOnly(true);
    memo.SetDataSource(m_source.get());
    memo.SetDataField("PARAM");
    QCOMPARE(memo.toPlainText(), QStringLiteral("line 1\nline 2"));
    m_table->Next();
    QCOMPARE(memo.toPlainText(), QStringLiteral("2;2"));
}

void TestDBControls::gridShowsRowsAndFollows()
{
    TDBGrid grid;
    grid.AddColumn("NIVEAU", "Level");
    grid.AddColumn("PK_Param", "key", 0);
    grid.SetDataSource(m_source.get());
    m_table->Open();
    QAbstractItemModel* model = grid.model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Level"));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("Gamma"));
    QVERIFY(grid.isColumnHidden(1));
    QCOMPARE(grid.currentIndex().row(), 0);
    m_table->Last();
    QCOMPARE(grid.currentIndex().row(), 2);
    // Choosing a row with the keyboard moves the table.
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Up);
    QCOMPARE(m_table->FieldByName("NIVEAU")->AsString(), QStringLiteral("Beta"));
}

void TestDBControls::gridClickMovesBeforeCellClick()
{
    TDBGrid grid;
    grid.AddColumn("NIVEAU", "Level");
    grid.SetDataSource(m_source.get());
    m_table->Open();
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QString nameAtClick;
    connect(&grid, &TDBGrid::CellClick, this,
            [&](int) { nameAtClick = m_table->FieldByName("NIVEAU")->AsString(); });
    const QRect cell = grid.visualRect(grid.model()->index(1, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(nameAtClick, QStringLiteral("Beta"));
    QCOMPARE(m_table->RecNo(), 2);
}

void TestDBControls::gridShowsPendingRow()
{
    TDBGrid grid;
    grid.AddColumn("NIVEAU", "Level");
    grid.SetDataSource(m_source.get());
    m_table->Open();
    m_table->Append();
    QCOMPARE(grid.model()->rowCount(), 4);
    QCOMPARE(grid.currentIndex().row(), 3);
    m_table->FieldByName("NIVEAU")->SetAsString("Zeta");
    QCOMPARE(grid.model()->index(3, 0).data().toString(), QStringLiteral("Zeta"));
    m_table->Cancel();
    QCOMPARE(grid.model()->rowCount(), 3);
}

void TestDBControls::disabledControlsWait()
{
    m_table->Open();
    TDBEdit edit;
    edit.SetDataSource(m_source.get());
    edit.SetDataField("NIVEAU");
    m_table->DisableControls();
    m_table->Next();
    QCOMPARE(edit.text(), QStringLiteral("alpha"));
    m_table->EnableControls();
    QCOMPARE(edit.text(), QStringLiteral("Beta"));
}

QTEST_MAIN(TestDBControls)
#include "tst_dbcontrols.moc"
