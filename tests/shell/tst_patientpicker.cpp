// The patient picker on the shared tables of a real database.

#include "Application.h"
#include "DBControls.h"
#include "MessageCapture.h"
#include "ShellFixture.h"
#include "TfmLoad.h"

#include <QHeaderView>
#include <QPushButton>
#include <QtTest>

class TestPatientPicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { DefineReset(); }
    void cleanup();

    void layout();
    void openingEmptiesTrialList();
    void pick_data();
    void pick();
    void tablesAfterClosing_data();
    void tablesAfterClosing();

private:
    // Anna (current at start), Bob, Cleo; each with trials of her own.
    void prepare();
    void clickPatient(const QString& nom);
    QStringList trialDates() const;

    QTemporaryDir m_home;
    std::unique_ptr<ShellFixture> m_shell;
    QMap<QString, int> m_keys;
    TfmLoad* m_picker = nullptr;
};

void TestPatientPicker::initTestCase()
{
    UsePrivateAliasRegistry(m_home);
}

void TestPatientPicker::prepare()
{
    m_shell = std::make_unique<ShellFixture>();
    m_keys.clear();
    for (const char* nom : {"Cleo", "Anna", "Bob"})
        m_keys.insert(QLatin1String(nom),
                      m_shell->addPatient(QLatin1String(nom), QStringLiteral("X")));
    m_shell->addTrial(m_keys["Anna"], 1, 1, "L", "1");
    m_shell->addTrial(m_keys["Bob"], 2, 2, "L", "2");
    m_shell->addTrial(m_keys["Bob"], 3, 3, "L", "3");
    m_shell->addTrial(m_keys["Cleo"], 4, 4, "L", "4");
    m_shell->startModules();
    QCOMPARE(CurrentPatient, m_keys["Anna"]);
    m_picker = new TfmLoad;
    m_picker->show();
}

void TestPatientPicker::cleanup()
{
    delete m_picker;
    m_picker = nullptr;
    m_shell.reset();
}

void TestPatientPicker::clickPatient(const QString& nom)
{
    const int row = QStringList{"Anna", "Bob", "Cleo"}.indexOf(nom);
    const QRect rect =
        m_picker->dbgPatient->visualRect(m_picker->dbgPatient->model()->index(row, 1));
    QTest::mouseClick(m_picker->dbgPatient->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList TestPatientPicker::trialDates() const
{
    QStringList dates;
    QAbstractItemModel* model = m_picker->dbgGame->model();
    for (int row = 0; row < model->rowCount(); ++row)
        dates.append(model->index(row, 0).data().toString());
    return dates;
}

void TestPatientPicker::layout()
{
    prepare();
    QCOMPARE(m_picker->windowTitle(), QStringLiteral("Loading"));
    QCOMPARE(m_picker->bOk->text(), QStringLiteral("&OK"));
    QCOMPARE(m_picker->bCancel->text(), QStringLiteral("&Cancel"));
    QVERIFY(!m_picker->dbeName->isVisible());
    QAbstractItemModel* patients = m_picker->dbgPatient->model();
    QCOMPARE(patients->columnCount(), 3);
    QCOMPARE(patients->headerData(0, Qt::Horizontal).toString(), QStringLiteral("NAME"));
    QCOMPARE(patients->headerData(1, Qt::Horizontal).toString(), QStringLiteral("FIRST NAME"));
    QVERIFY(m_picker->dbgPatient->isColumnHidden(2));
    QCOMPARE(patients->index(0, 0).data().toString(), QStringLiteral("Anna"));
    QAbstractItemModel* trials = m_picker->dbgGame->model();
    QCOMPARE((QStringList{trials->headerData(0, Qt::Horizontal).toString(),
                          trials->headerData(1, Qt::Horizontal).toString(),
                          trials->headerData(2, Qt::Horizontal).toString()}),
             (QStringList{"DATE", "TIME", "TYPE"}));
    QCOMPARE(m_picker->dbgPatient->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(m_picker->dbgGame->palette().color(QPalette::Base), QColor(0xC0, 0xDC, 0xC0));
}

void TestPatientPicker::openingEmptiesTrialList()
{
    prepare();
    QCOMPARE(m_picker->PickedPatient, -1);
    QCOMPARE(m_picker->dbeName->text(), QStringLiteral("-1"));
    QVERIFY(F_Data->tJeu->Active());
    QCOMPARE(F_Data->tJeu->Filter(), QStringLiteral("FK_PAT=-1"));
    QCOMPARE(trialDates(), QStringList{});
}

void TestPatientPicker::pick_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("picked"); // "" for none
    QTest::addColumn<QStringList>("trials");

    QTest::newRow("no click") << QStringList{} << "" << QStringList{};
    QTest::newRow("the row current at opening") << QStringList{"Anna"} << "" << QStringList{};
    QTest::newRow("A then B") << QStringList{"Cleo", "Bob"} << "Bob"
                              << QStringList{"01/02/2024", "01/03/2024"};
    QTest::newRow("another row, then the one current at opening")
        << QStringList{"Cleo", "Anna"} << "Anna" << QStringList{"01/01/2024"};
}

void TestPatientPicker::pick()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, picked);
    prepare();
    for (const QString& nom : clicks)
        clickPatient(nom);
    QTEST(trialDates(), "trials");
    QTest::mouseClick(m_picker->bOk, Qt::LeftButton);
    QCOMPARE(m_picker->result(), int(QDialog::Accepted));
    QCOMPARE(m_picker->PickedPatient, picked.isEmpty() ? -1 : m_keys[picked]);
    QVERIFY(!F_Data->tJeu->Active());
}

void TestPatientPicker::tablesAfterClosing_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("movedTo"); // a row reached by the keyboard after the click
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("shown");

    QTest::newRow("OK on a clicked patient") << "Bob"
                                             << "" << true << "Bob";
    QTest::newRow("OK, keyboard moved off the clicked patient") << "Bob"
                                                                << "Cleo" << true << "Bob";
    QTest::newRow("Cancel after a click") << "Cleo"
                                          << "" << false << "Anna";
    QTest::newRow("OK without a pick, keyboard moved") << ""
                                                       << "Bob" << true << "Anna";
}

void TestPatientPicker::tablesAfterClosing()
{
    QFETCH(QString, clicked);
    QFETCH(QString, movedTo);
    QFETCH(bool, ok);
    QFETCH(QString, shown);
    prepare();
    if (!clicked.isEmpty())
        clickPatient(clicked);
    if (!movedTo.isEmpty()) {
        m_picker->dbgPatient->setFocus();
        const int from = F_Data->tPat->RecNo();
        const int to = QStringList{"Anna", "Bob", "Cleo"}.indexOf(movedTo) + 1;
        for (int i = from; i != to; i += to > from ? 1 : -1)
            QTest::keyClick(m_picker->dbgPatient, to > from ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(F_Data->tPat->FieldByName("NOM")->AsString(), movedTo);
    }
    QTest::mouseClick(ok ? m_picker->bOk : m_picker->bCancel, Qt::LeftButton);

    // The patient table stands on the patient the main window goes on with,
    // and the trial table is filtered on that patient.
    QCOMPARE(F_Data->tPat->FieldByName("NOM")->AsString(), shown);
    QCOMPARE(F_Data->tJeu->Filter(), QStringLiteral("FK_PAT=%1").arg(m_keys[shown]));
    QVERIFY(F_Data->tJeu->Filtered());
    QVERIFY(!F_Data->tJeu->Active());
}

int main(int argc, char* argv[])
{
    VelunorApplication app(argc, argv);
    TestPatientPicker test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_patientpicker.moc"
