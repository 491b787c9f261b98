// The main window on a real database: driver start, game choice, the trial
// history and its chart, deleting trials, the patient choice, the patient
// page, the menus.

#include "Application.h"
#include "DBControls.h"
#include "GameModules.h"
#include "IniFile.h"
#include "MessageCapture.h"
#include "ModalDriver.h"
#include "Playfields.h"
#include "PrintModule.h"
#include "ShellFixture.h"
#include "TF_Confirm.h"
#include "TfmInitPos.h"
#include "TfmLanguage.h"
#include "TfmLoad.h"

#include <QChart>
#include <QChartView>
#include <QColorDialog>
#include <QComboBox>
#include <QLineSeries>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

using Points = QList<QPointF>;

namespace {

QToolButton* gameButton(TfmBalvoroMain* window, int type)
{
    static const char* names[] = {"btPingPong", "btClock", "btTarget", "btHoolaHoop", "btPacMan"};
    return window->findChild<QToolButton*>(QLatin1String(names[type]));
}

QStringList gridRows(TfmBalvoroMain* window)
{
    QStringList rows;
    for (int row = 1; row < window->TrialRowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 4; ++column)
            cells.append(window->TrialCell(row, column));
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

QList<bool> checkedButtons(TfmBalvoroMain* window)
{
    QList<bool> checked;
    for (int type = 0; type < 5; ++type)
        checked.append(gameButton(window, type)->isChecked());
    return checked;
}

QStringList logLines(const ShellFixture& shell)
{
    QStringList lines =
        QString::fromUtf8(shell.db.inst.read(QStringLiteral("_mirado.log"))).split("\r\n");
    lines.removeAll(QString());
    return lines;
}

// A game window that records how it was opened and closes at once; it may
// store a trial as a real game does.
class FakeGameWindow : public QDialog
{
public:
    FakeGameWindow(QWidget* parent, std::function<void()> onShow)
        : QDialog(parent), m_onShow(std::move(onShow))
    {
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        if (m_onShow)
            m_onShow();
        QTimer::singleShot(0, this, &QDialog::accept);
    }

private:
    std::function<void()> m_onShow;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { AcqThreadModuleEnd(); }

    void driverStart_data();
    void driverStart();
    void plateAbsentNeverEnablesStart();
    void windowsCreatedInTypeOrder();
    void closeReleasesDriverOnce_data();
    void closeReleasesDriverOnce();

    void chosenGameButtonStaysDown();
    void gameButtonsExclusive();
    void trialsOfPatientAndGame_data();
    void trialsOfPatientAndGame();
    void chart_data();
    void chart();
    void chartFollowsSelectedRow();
    void chartOfNonNumericScore();

    void deleteTrial_data();
    void deleteTrial();
    void deleteWithoutTrialAsksNothing();
    void deleteKeepsTrialsChangedElsewhere();

    void choosePatient_data();
    void choosePatient();
    void patientFieldsVisible_data();
    void patientFieldsVisible();
    void sexFollowsPatient_data();
    void sexFollowsPatient();
    void sexIgnoresKeys();

    void startGame_data();
    void startGame();
    void levelEditor_data();
    void levelEditor();
    void print_data();
    void print();
    void backgroundColor();
    void language_data();
    void language();
    void quitAndAbout();

private:
    QTemporaryDir m_home;
};

void TestMainWindow::initTestCase()
{
    UsePrivateAliasRegistry(m_home);
    QGuiApplication::setApplicationName(QStringLiteral("Velunor"));
    AcqThreadModuleStart();
}

void TestMainWindow::init()
{
    DefineReset();
    ClearGameModules();
    TF_Confirm::ClearQueuedAnswers();
    AcqThread->SetPeriod(100);
}

void TestMainWindow::cleanup()
{
    ClearGameModules();
    TF_Confirm::ClearQueuedAnswers();
}

// ---------------------------------------------------------------- driver start

void TestMainWindow::driverStart_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("deviceReady");
    QTest::addColumn<bool>("plateConnected");

    QTest::newRow("ready 0") << 0 << QStringList{} << true << true;
    QTest::newRow("ready 3") << 3 << QStringList{} << true << true;
    QTest::newRow("plate absent -5")
        << -5 << QStringList{"Plate disconnected or defective !"} << true << false;
    QTest::newRow("fatal -1") << -1 << QStringList{"Erreur DLL Steplink code : -1"} << false
                              << true;
    QTest::newRow("fatal -4") << -4 << QStringList{"Erreur DLL Steplink code : -4"} << false
                              << true;
}

void TestMainWindow::driverStart()
{
    QFETCH(int, result);
    QFETCH(bool, deviceReady);

    int editorsCreated = 0;
    RegisterGameModule({1,
                        [&](QWidget* parent) {
                            ++editorsCreated;
                            return new QDialog(parent);
                        },
                        {}});

    ShellFixture shell;
    shell.db.addPatient("Anna");
    MessageCapture messages;
    TfmBalvoroMain* window = shell.open(result);

    QTEST(messages.texts(), "messages");
    QCOMPARE(DeviceReady, deviceReady);
    QCOMPARE(window->EndRequested(), !deviceReady);
    QTEST(window->PlateConnected, "plateConnected");
    QCOMPARE(FakeDriver::initCalls, 1);
    QCOMPARE(FakeDriver::initAlias, QByteArray("QXDATA"));
    QCOMPARE(FakeDriver::initCode, 763);
    QVERIFY(FakeDriver::initWindow != nullptr);
    QCOMPARE(logLines(shell).mid(logLines(shell).indexOf("main create")),
             (QStringList{"main create", "main end creation"}));

    // Nothing of the ready state happens after a fatal driver error.
    QCOMPARE(AcqThread->Period(), deviceReady ? 20 : 100);
    QCOMPARE(editorsCreated, deviceReady ? 1 : 0);
    QCOMPARE(window->windowTitle() == QLatin1String("Velunor"), deviceReady);
    QCOMPARE(window->TrialCell(0, 0) == QLatin1String("Date"), deviceReady);
    if (deviceReady) {
        QCOMPARE(window->PC_PAGE->currentWidget(), window->TS_Patient);
        QCOMPARE((QStringList{window->TrialCell(0, 0), window->TrialCell(0, 1),
                              window->TrialCell(0, 2), window->TrialCell(0, 3)}),
                 (QStringList{"Date", "Time", "Level", "Score"}));
        QVERIFY(PrintModule != nullptr);
    }
}

void TestMainWindow::plateAbsentNeverEnablesStart()
{
    ShellFixture shell;
    shell.db.addPatient("Anna");
    MessageCapture messages;
    TfmBalvoroMain* window = shell.open(-5);
    for (int type : {1, 0, 4, 2, 3}) {
        gameButton(window, type)->click();
        QVERIFY(window->btParam->isEnabled());
        QVERIFY(!window->btStart->isEnabled());
        QVERIFY(window->sgTrials->isEnabled());
    }
    QCOMPARE(messages.texts(), QStringList{"Plate disconnected or defective !"});
}

void TestMainWindow::windowsCreatedInTypeOrder()
{
    QStringList created;
    auto make = [&created](const QString& what) {
        return [&created, what](QWidget* parent) {
            created.append(what);
            return new QDialog(parent);
        };
    };
    // Registered out of order, one game without editor, one without game.
    RegisterGameModule({4, make("editor 4"), make("game 4")});
    RegisterGameModule({0, make("editor 0"), make("game 0")});
    RegisterGameModule({2, {}, make("game 2")});
    RegisterGameModule({3, make("editor 3"), {}});

    ShellFixture shell;
    TfmBalvoroMain* window = shell.open();
    QCOMPARE(created,
             (QStringList{"editor 0", "editor 3", "editor 4", "game 0", "game 2", "game 4"}));
    QVERIFY(window->LevelEditor(0) && window->GameWindow(0));
    QVERIFY(!window->LevelEditor(2) && window->GameWindow(2));
    QVERIFY(!window->LevelEditor(1) && !window->GameWindow(1));
    QCOMPARE(window->LevelEditor(0)->parent(), window);
}

void TestMainWindow::closeReleasesDriverOnce_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("exitCalls");
    QTest::newRow("ready") << 0 << 1;
    QTest::newRow("plate absent") << -5 << 1;
    QTest::newRow("fatal") << -2 << 0;
}

void TestMainWindow::closeReleasesDriverOnce()
{
    QFETCH(int, result);
    ShellFixture shell;
    MessageCapture messages;
    TfmBalvoroMain* window = shell.open(result);
    QSignalSpy closed(window, &TfmBalvoroMain::Closed);
    window->close();
    window->FormClose();
    QTEST(FakeDriver::exitCalls, "exitCalls");
    QCOMPARE(closed.count(), 1);
}

// ---------------------------------------------------------------- games and history

void TestMainWindow::chosenGameButtonStaysDown()
{
    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    shell.addTrial(anna, 1, 1, "Easy", "10");
    TfmBalvoroMain* window = shell.open();

    gameButton(window, 1)->click();
    QCOMPARE(gridRows(window), QStringList{"01/01/2024|10:00:01|Easy|10"});
    // A trial stored meanwhile shows only at the next reload: clicking the
    // chosen game again reloads nothing.
    shell.addTrial(anna, 1, 2, "Easy", "11");
    window->sgTrials->setCurrentCell(0, 0);
    gameButton(window, 1)->click();
    QVERIFY(gameButton(window, 1)->isChecked());
    QCOMPARE(CurrentGameType, 1);
    QCOMPARE(gridRows(window), QStringList{"01/01/2024|10:00:01|Easy|10"});
}

void TestMainWindow::gameButtonsExclusive()
{
    ShellFixture shell;
    shell.addPatient("Anna", "A");
    TfmBalvoroMain* window = shell.open();
    QCOMPARE(checkedButtons(window), (QList<bool>{false, false, false, false, false}));
    QVERIFY(!window->btParam->isEnabled());
    QVERIFY(!window->btStart->isEnabled());
    QVERIFY(!window->sgTrials->isEnabled());
    for (int type = 0; type < 5; ++type)
        QCOMPARE(gameButton(window, type)->property("tag").toInt(), type);

    gameButton(window, 2)->click();
    QCOMPARE(checkedButtons(window), (QList<bool>{false, false, true, false, false}));
    gameButton(window, 4)->click();
    QCOMPARE(checkedButtons(window), (QList<bool>{false, false, false, false, true}));
    QCOMPARE(CurrentGameType, 4);
    QVERIFY(window->btParam->isEnabled());
    QVERIFY(window->btStart->isEnabled());
    QVERIFY(window->sgTrials->isEnabled());
}

void TestMainWindow::trialsOfPatientAndGame_data()
{
    QTest::addColumn<int>("gameType");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("clock") << 1
                           << QStringList{"01/01/2024|10:00:01|Easy|30",
                                          "01/03/2024|10:00:03|Hard|45"};
    QTest::newRow("target") << 2 << QStringList{"01/02/2024|10:00:02|T1|7"};
    QTest::newRow("no trial of the game") << 0 << QStringList{"|||"};
}

void TestMainWindow::trialsOfPatientAndGame()
{
    QFETCH(int, gameType);
    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    const int bob = shell.addPatient("Bob", "B");
    shell.addTrial(anna, 1, 1, "Easy", "30");
    shell.addTrial(anna, 2, 2, "T1", "7");
    shell.addTrial(bob, 1, 4, "Easy", "99");
    shell.addTrial(bob, 0, 5, "Pong", "3");
    shell.addTrial(anna, 1, 3, "Hard", "45");
    TfmBalvoroMain* window = shell.open();
    QCOMPARE(CurrentPatient, anna);

    gameButton(window, gameType)->click();
    QTEST(gridRows(window), "rows");
    QCOMPARE(window->SelectedTrialRow(), 1);
}

void TestMainWindow::chart_data()
{
    QTest::addColumn<int>("gameType");
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<QStringList>("scores");
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("leftTitle");
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("leftMin"); // NaN: not checked
    QTest::addColumn<double>("leftMax");

    const double any = qQNaN();
    QTest::newRow("one score of 12")
        << 1 << QStringList{"Easy"} << QStringList{"12"} << 1 << "Clock Easy"
        << "Time (s)" << Points{{1, 12}} << 11.0 << 13.0;
    QTest::newRow("Easy apart from easy") << 0 << QStringList{"Easy", "easy", "Easy"}
                                          << QStringList{"5", "7", "9"} << 1 << "Ping Pong Easy"
                                          << "Score" << Points{{1, 5}, {2, 9}} << any << any;
    QTest::newRow("easy apart from Easy") << 4 << QStringList{"Easy", "easy", "Easy"}
                                          << QStringList{"5", "7", "9"} << 2 << "PacMan easy"
                                          << "Score" << Points{{1, 7}} << 6.0 << 8.0;
    QTest::newRow("negative single score")
        << 2 << QStringList{"L"} << QStringList{"-3"} << 1 << "Target L"
        << "Time (s)" << Points{{1, -3}} << -4.0 << -2.0;
    QTest::newRow("hula-hoop levels mixed")
        << 3 << QStringList{"A", "B", "A", "A"} << QStringList{"100", "50", "300", "200"} << 3
        << "HoolaHoop A"
        << "Surface Area" << Points{{1, 100}, {2, 300}, {3, 200}} << any << any;
}

void TestMainWindow::chart()
{
    QFETCH(int, gameType);
    QFETCH(QStringList, levels);
    QFETCH(QStringList, scores);
    QFETCH(int, selectedRow);
    QFETCH(Points, points);
    QFETCH(double, leftMin);
    QFETCH(double, leftMax);

    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    for (int i = 0; i < levels.size(); ++i)
        shell.addTrial(anna, gameType, i + 1, levels[i], scores[i]);
    TfmBalvoroMain* window = shell.open();
    gameButton(window, gameType)->click();
    window->sgTrials->setCurrentCell(selectedRow - 1, 0);

    QTEST(window->chart->title(), "title");
    QTEST(window->axisLeft->titleText(), "leftTitle");
    QCOMPARE(window->axisBottom->titleText(), QStringLiteral("Trial"));
    QCOMPARE(window->Series1->points(), points);
    if (!qIsNaN(leftMin)) {
        QCOMPARE(window->axisLeft->min(), leftMin);
        QCOMPARE(window->axisLeft->max(), leftMax);
    } else {
        // Every point lies inside the scaled axis.
        for (const QPointF& point : points)
            QVERIFY(point.y() >= window->axisLeft->min() && point.y() <= window->axisLeft->max());
    }
    QVERIFY(!window->chart->legend()->isVisible());
    QCOMPARE(window->Series1->pen().color(), QColor(Qt::red));
    // Point marks only where a line cannot be drawn: a single trial.
    QCOMPARE(window->Series1->pointsVisible(), points.size() == 1);
}

void TestMainWindow::chartFollowsSelectedRow()
{
    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    shell.addTrial(anna, 1, 1, "Easy", "12");
    shell.addTrial(anna, 1, 2, "Hard", "40");
    shell.addTrial(anna, 1, 3, "Hard", "35");
    TfmBalvoroMain* window = shell.open();

    gameButton(window, 1)->click(); // the first row is selected by the reload
    QCOMPARE(window->chart->title(), QStringLiteral("Clock Easy"));
    QCOMPARE(window->Series1->points(), (Points{{1, 12}}));

    // A click on a row of the grid, as the user does it.
    const QRect row3 = window->sgTrials->visualRect(window->sgTrials->model()->index(2, 1));
    QTest::mouseClick(window->sgTrials->viewport(), Qt::LeftButton, {}, row3.center());
    QCOMPARE(window->SelectedTrialRow(), 3);
    QCOMPARE(window->chart->title(), QStringLiteral("Clock Hard"));
    QCOMPARE(window->Series1->points(), (Points{{1, 40}, {2, 35}}));

    // Another game without trials: its title words, no level, no points.
    gameButton(window, 3)->click();
    QCOMPARE(window->chart->title(), QStringLiteral("HoolaHoop "));
    QCOMPARE(window->axisLeft->titleText(), QStringLiteral("Surface Area"));
    QVERIFY(window->Series1->points().isEmpty());
}

void TestMainWindow::chartOfNonNumericScore()
{
    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    shell.addTrial(anna, 1, 1, "Easy", "12");
    shell.addTrial(anna, 1, 2, "Easy", "1x");
    TfmBalvoroMain* window = shell.open();
    MessageCapture messages;
    gameButton(window, 1)->click();
    // Reported once; the grid and the buttons still follow the choice.
    QCOMPARE(messages.texts(), QStringList{"'1x' is not a valid integer value."});
    QVERIFY(window->Series1->points().isEmpty());
    QCOMPARE(window->TrialRowCount(), 3);
    QVERIFY(window->btStart->isEnabled());
}

// ---------------------------------------------------------------- deleting trials

void TestMainWindow::deleteTrial_data()
{
    QTest::addColumn<int>("selectedRow");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("levelsLeft");
    QTest::newRow("Yes, second row") << 2 << int(TF_Confirm::Yes) << QStringList{"A", "C"};
    QTest::newRow("Yes, first row") << 1 << int(TF_Confirm::Yes) << QStringList{"B", "C"};
    QTest::newRow("Yes, last row") << 3 << int(TF_Confirm::Yes) << QStringList{"A", "B"};
    QTest::newRow("No") << 2 << int(TF_Confirm::No) << QStringList{"A", "B", "C"};
}

void TestMainWindow::deleteTrial()
{
    QFETCH(int, selectedRow);
    QFETCH(int, answer);
    QFETCH(QStringList, levelsLeft);

    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    const int bob = shell.addPatient("Bob", "B");
    shell.addTrial(anna, 1, 1, "A", "1");
    shell.addTrial(anna, 2, 2, "other game", "1");
    shell.addTrial(bob, 1, 3, "other patient", "1");
    shell.addTrial(anna, 1, 4, "B", "2");
    shell.addTrial(anna, 1, 5, "C", "3");
    TfmBalvoroMain* window = shell.open();
    gameButton(window, 1)->click();
    window->sgTrials->setCurrentCell(selectedRow - 1, 0);

    TF_Confirm::QueueAnswer(answer);
    window->btDelete->click();
    QCOMPARE(TF_Confirm::TakeAskedQuestions(),
             QStringList{"Do you want to delete the selected trial ?"});

    QStringList levels;
    for (int row = 1; row < window->TrialRowCount(); ++row)
        levels.append(window->TrialCell(row, 2));
    QCOMPARE(levels, levelsLeft);
    QCOMPARE(shell.db.count("Jeu"), 2 + levelsLeft.size());
    QCOMPARE(shell.db.count("Jeu", "NIVEAU IN ('other game', 'other patient')"), 2);
}

void TestMainWindow::deleteWithoutTrialAsksNothing()
{
    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    shell.addTrial(anna, 2, 1, "T", "1");
    TfmBalvoroMain* window = shell.open();
    gameButton(window, 1)->click();
    QCOMPARE(window->TrialRowCount(), 2);
    QVERIFY(window->TrialCell(1, 0).isEmpty());

    TF_Confirm::QueueAnswer(TF_Confirm::Yes);
    window->btDelete->click();
    QCOMPARE(TF_Confirm::TakeAskedQuestions(), QStringList{});
    QCOMPARE(shell.db.count("Jeu"), 1);
}

void TestMainWindow::deleteKeepsTrialsChangedElsewhere()
{
    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    const int first = shell.addTrial(anna, 1, 1, "A", "1");
    shell.addTrial(anna, 1, 2, "B", "2");
    shell.addTrial(anna, 1, 3, "C", "3");
    TfmBalvoroMain* window = shell.open();
    gameButton(window, 1)->click();

    // Another workstation removes the first trial while B is selected here:
    // B goes, never C, which now stands second in the table.
    shell.db.exec("DELETE FROM Jeu WHERE PK_JEU = ?", {first});
    window->sgTrials->setCurrentCell(1, 0);
    TF_Confirm::QueueAnswer(TF_Confirm::Yes);
    window->btDelete->click();
    QCOMPARE(gridRows(window), QStringList{"01/03/2024|10:00:03|C|3"});
    QCOMPARE(shell.db.count("Jeu"), 1);
}

// ---------------------------------------------------------------- patient

void TestMainWindow::choosePatient_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("changes");
    QTest::newRow("OK after a click on Bob") << "ok Bob" << true;
    QTest::newRow("Cancel after a click on Bob") << "cancel Bob" << false;
    QTest::newRow("OK without a click") << "ok" << false;
    QTest::newRow("Escape after a click on Bob") << "escape Bob" << false;
}

void TestMainWindow::choosePatient()
{
    QFETCH(QString, action);
    QFETCH(bool, changes);

    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    const int bob = shell.addPatient("Bob", "B", "M");
    shell.addTrial(anna, 1, 1, "Easy", "12");
    shell.addTrial(bob, 1, 2, "Bobs", "50");
    TfmBalvoroMain* window = shell.open();
    fmLoad = new TfmLoad(window);
    gameButton(window, 1)->click();
    const QStringList rowsBefore = gridRows(window);

    WhenModalShown([action](QWidget* modal) {
        auto* picker = qobject_cast<TfmLoad*>(modal);
        QVERIFY(picker);
        if (action.endsWith(QLatin1String("Bob"))) {
            const QRect bobRow =
                picker->dbgPatient->visualRect(picker->dbgPatient->model()->index(1, 0));
            QTest::mouseClick(picker->dbgPatient->viewport(), Qt::LeftButton, {}, bobRow.center());
        }
        if (action.startsWith(QLatin1String("ok")))
            QTest::mouseClick(picker->bOk, Qt::LeftButton);
        else if (action.startsWith(QLatin1String("cancel")))
            QTest::mouseClick(picker->bCancel, Qt::LeftButton);
        else
            QTest::keyClick(picker, Qt::Key_Escape);
    });
    window->btPatient->click();

    if (changes) {
        QCOMPARE(CurrentPatient, bob);
        QCOMPARE(window->T_Nom->text(), QStringLiteral("Bob"));
        QCOMPARE(window->cbSex->currentText(), QStringLiteral("Male"));
        QCOMPARE(window->TrialRowCount(), 2);
        QVERIFY(window->TrialCell(1, 0).isEmpty());
        QCOMPARE(checkedButtons(window), (QList<bool>{false, false, false, false, false}));
        QCOMPARE(CurrentGameType, -1);
        QVERIFY(!window->btParam->isEnabled());
        QVERIFY(!window->btStart->isEnabled());
        QVERIFY(!window->sgTrials->isEnabled());
        QVERIFY(window->Series1->points().isEmpty());
        QVERIFY(window->chart->title().isEmpty());
        QVERIFY(window->axisLeft->titleText().isEmpty());
        QVERIFY(window->axisBottom->titleText().isEmpty());
        // The next choice of a game lists the new patient's trials.
        gameButton(window, 1)->click();
        QCOMPARE(gridRows(window), QStringList{"01/02/2024|10:00:02|Bobs|50"});
    } else {
        QCOMPARE(CurrentPatient, anna);
        QCOMPARE(window->T_Nom->text(), QStringLiteral("Anna"));
        QCOMPARE(window->cbSex->currentText(), QStringLiteral("Female"));
        QCOMPARE(gridRows(window), rowsBefore);
        QCOMPARE(checkedButtons(window), (QList<bool>{false, true, false, false, false}));
        QCOMPARE(CurrentGameType, 1);
        QVERIFY(window->btStart->isEnabled());
        QCOMPARE(window->chart->title(), QStringLiteral("Clock Easy"));
        QCOMPARE(F_Data->tJeu->Filter(), QStringLiteral("FK_PAT=%1").arg(anna));
        // The history reads the current patient's trials, as before.
        window->LoadTrials();
        QCOMPARE(gridRows(window), rowsBefore);
    }
    QVERIFY(!F_Data->tJeu->Active());
}

void TestMainWindow::patientFieldsVisible_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name : {"T_Nom", "T_Prenom", "T_BirthDT", "T_Pointure", "T_Adresse", "T_CP",
                             "T_Ville", "TM_Note", "cbSex"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestMainWindow::patientFieldsVisible()
{
    QFETCH(QString, control);
    ShellFixture shell;
    shell.addPatient("Anna", "A");
    TfmBalvoroMain* window = shell.open();
    QWidget* box = window->findChild<QWidget*>(control);
    QVERIFY(box);
    const QPalette::ColorRole textRole =
        qobject_cast<QComboBox*>(box) ? QPalette::ButtonText : QPalette::Text;
    QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(box->palette().color(textRole), QColor(Qt::white));
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        QVERIFY(edit->isReadOnly());
        QVERIFY(!edit->text().isEmpty());
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box)) {
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->toPlainText(), QStringLiteral("a note"));
    }

    QVERIFY(window->btVisible->isCheckable());
    window->btVisible->click();
    QVERIFY(window->btVisible->isChecked());
    QCOMPARE(box->palette().color(textRole), QColor(Qt::black));
    window->btVisible->click();
    QVERIFY(!window->btVisible->isChecked());
    QCOMPARE(box->palette().color(textRole), QColor(Qt::white));
}

void TestMainWindow::sexFollowsPatient_data()
{
    QTest::addColumn<QStringList>("sexes");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("M and F") << QStringList{"M", "F"} << QStringList{"Male", "Female"};
    QTest::newRow("only exactly M is male")
        << QStringList{"m", "", "M", "X"} << QStringList{"Female", "Female", "Male", "Female"};
}

void TestMainWindow::sexFollowsPatient()
{
    QFETCH(QStringList, sexes);
    QFETCH(QStringList, shown);
    ShellFixture shell;
    // All of one family: the last name alone never tells them apart.
    for (int i = 0; i < sexes.size(); ++i)
        shell.addPatient("Durand", QStringLiteral("P%1").arg(i), sexes[i]);
    TfmBalvoroMain* window = shell.open();
    QStringList seen;
    for (F_Data->tPat->First(); !F_Data->tPat->Eof(); F_Data->tPat->Next()) {
        seen.append(window->cbSex->currentText());
        if (F_Data->tPat->RecNo() == F_Data->tPat->RecordCount())
            break;
    }
    QCOMPARE(seen, shown);
}

void TestMainWindow::sexIgnoresKeys()
{
    ShellFixture shell;
    shell.addPatient("Anna", "A", "F");
    TfmBalvoroMain* window = shell.open();
    QCOMPARE(window->cbSex->count(), 2);
    QCOMPARE(window->cbSex->itemText(0), QStringLiteral("Male"));
    QCOMPARE(window->cbSex->itemText(1), QStringLiteral("Female"));
    window->cbSex->setFocus();
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_M, Qt::Key_Home, Qt::Key_Down})
        QTest::keyClick(window->cbSex, key);
    QCOMPARE(window->cbSex->currentText(), QStringLiteral("Female"));
}

// ---------------------------------------------------------------- start, levels, print

void TestMainWindow::startGame_data()
{
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QString>("initPos"); // "save", "cancel" or "" (not shown)
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("gameShown");

    QTest::newRow("saved position") << true << "save" << QStringList{} << true;
    QTest::newRow("cancelled position") << true << "cancel" << QStringList{} << false;
    QTest::newRow("game missing")
        << false << "" << QStringList{"The game Target is not part of this installation."} << false;
}

void TestMainWindow::startGame()
{
    QFETCH(bool, registered);
    QFETCH(QString, initPos);
    QFETCH(bool, gameShown);

    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "A");
    shell.db.addLevel(2, "T1");
    bool shownWithFilter = false;
    bool shown = false;
    if (registered) {
        RegisterGameModule({2, {}, [&](QWidget* parent) -> QDialog* {
                                return new FakeGameWindow(parent, [&] {
                                    shown = true;
                                    shownWithFilter =
                                        F_Data->tParam->Filter() == QLatin1String("TYPE=2") &&
                                        F_Data->tParam->Filtered();
                                    // The game stores its trial, as a real one does.
                                    shell.addTrial(anna, 2, 9, "T1", "77");
                                });
                            }});
    }
    TfmBalvoroMain* window = shell.open();
    CreateInitPosDialog(nullptr, window);
    MessageCapture messages;
    gameButton(window, 2)->click();

    bool initPosShown = false;
    if (!initPos.isEmpty()) {
        WhenModalShown([&initPosShown, initPos](QWidget* modal) {
            initPosShown = modal == fmInitPos;
            const char* button = initPos == QLatin1String("save") ? "BitBtn1" : "BitBtn2";
            // Save after a few ticks of the position timer.
            QTimer::singleShot(500, modal, [modal, button] {
                QTest::mouseClick(modal->findChild<QPushButton*>(QLatin1String(button)),
                                  Qt::LeftButton);
            });
        });
    }
    FakeDriver::stopCalls = 0;
    window->btStart->click();

    QTEST(messages.texts(), "messages");
    QCOMPARE(initPosShown, !initPos.isEmpty());
    QCOMPARE(shown, gameShown);
    QCOMPARE(shownWithFilter, gameShown);
    QVERIFY(!AcqThread->isSampling());
    if (!initPos.isEmpty())
        QCOMPARE(FakeDriver::stopCalls, 1);
    // The history is read again when the game window closes.
    QCOMPARE(gridRows(window),
             gameShown ? QStringList{"01/09/2024|10:00:09|T1|77"} : QStringList{"|||"});
    DestroyInitPosDialog();
}

void TestMainWindow::levelEditor_data()
{
    QTest::addColumn<int>("gameType");
    QTest::addColumn<bool>("registered");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("clock editor") << 1 << true << QStringList{};
    QTest::newRow("pac-man editor") << 4 << true << QStringList{};
    QTest::newRow("editor missing")
        << 3 << false
        << QStringList{"The level editor of the game HoolaHoop is not part of this installation."};
}

void TestMainWindow::levelEditor()
{
    QFETCH(int, gameType);
    QFETCH(bool, registered);
    ShellFixture shell;
    shell.addPatient("Anna", "A");
    shell.db.addLevel(gameType, "mine");
    shell.db.addLevel(gameType == 0 ? 1 : 0, "other");
    QStringList levelsShown;
    if (registered) {
        RegisterGameModule(
            {gameType,
             [&](QWidget* parent) -> QDialog* {
                 return new FakeGameWindow(parent, [&] {
                     for (F_Data->tParam->First(); !F_Data->tParam->Eof(); F_Data->tParam->Next()) {
                         levelsShown.append(F_Data->tParamNIVEAU->AsString());
                         if (F_Data->tParam->RecNo() == F_Data->tParam->RecordCount())
                             break;
                     }
                 });
             },
             {}});
    }
    TfmBalvoroMain* window = shell.open();
    MessageCapture messages;
    gameButton(window, gameType)->click();
    window->btParam->click();
    QTEST(messages.texts(), "messages");
    QCOMPARE(levelsShown, registered ? QStringList{"mine"} : QStringList{});
    QCOMPARE(F_Data->tParam->Filter(), QStringLiteral("TYPE=%1").arg(gameType));
}

void TestMainWindow::print_data()
{
    QTest::addColumn<int>("trials");
    QTest::addColumn<int>("selectedRow");
    QTest::newRow("no trial: nothing printed") << 0 << 0;
    QTest::newRow("second trial selected") << 3 << 2;
}

void TestMainWindow::print()
{
    QFETCH(int, trials);
    QFETCH(int, selectedRow);
    ShellFixture shell;
    const int anna = shell.addPatient("Anna", "Alice");
    for (int i = 1; i <= trials; ++i)
        shell.addTrial(anna, 3, i, i == 2 ? "B" : "A", QString::number(i * 10));
    TfmBalvoroMain* window = shell.open();
    QList<HistoryPrintInput> printed;
    window->SetHistoryPrinter(
        [&printed](const HistoryPrintInput& input) { printed.append(input); });
    gameButton(window, 3)->click();
    if (selectedRow > 0)
        window->sgTrials->setCurrentCell(selectedRow - 1, 0);
    window->btPrint->click();

    QCOMPARE(printed.size(), trials > 0 ? 1 : 0);
    if (trials > 0) {
        const HistoryPrintInput& input = printed.first();
        QCOMPARE(input.trialRows.size(), trials);
        QCOMPARE(input.trialRows[1], (QStringList{"01/02/2024", "10:00:02", "B", "20"}));
        QCOMPARE(input.selectedRow, selectedRow - 1);
        QCOMPARE(input.nom, QStringLiteral("Anna"));
        QCOMPARE(input.prenom, QStringLiteral("Alice"));
        QCOMPARE(input.gameType, 3);
        QCOMPARE(input.chart, window->grHistory);
    }
}

// ---------------------------------------------------------------- menus

void TestMainWindow::backgroundColor()
{
    ShellFixture shell;
    TfmBalvoroMain* window = shell.open();
    QWidget playfield;
    RegisterPlayfield(&playfield);
    MessageCapture messages;

    auto answer = [](QColor* startedFrom, QColor choice, bool accept) {
        WhenModalShown([=](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            QVERIFY(dialog);
            *startedFrom = dialog->currentColor();
            dialog->setCurrentColor(choice);
            accept ? dialog->accept() : dialog->reject();
        });
    };

    QColor startedFrom;
    answer(&startedFrom, Qt::red, true);
    window->mnuColor->trigger();
    QCOMPARE(startedFrom, QColor(Qt::black));
    QCOMPARE(BackGround_Color, TColor(255));
    QCOMPARE(playfield.palette().color(QPalette::Window), QColor(Qt::red));
    QCOMPARE(IniFile(shell.db.inst.filePath("Config/Balvoro.ini"))
                 .readInteger("General", "BackGround_Color", -1),
             255);

    // Cancelled: nothing changes; the next opening still starts from red.
    answer(&startedFrom, Qt::blue, false);
    window->mnuColor->trigger();
    QCOMPARE(startedFrom, QColor(Qt::red));
    QCOMPARE(BackGround_Color, TColor(255));
    answer(&startedFrom, Qt::yellow, true);
    window->mnuColor->trigger();
    QCOMPARE(startedFrom, QColor(Qt::red));
    QCOMPARE(BackGround_Color, TColor(65535));
    QCOMPARE(messages.texts(), QStringList{});
}

void TestMainWindow::language_data()
{
    QTest::addColumn<bool>("modules");
    QTest::addColumn<bool>("programIni");
    QTest::addColumn<QString>("choice"); // module name to pick, "" to cancel
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("written"); // -1: the file does not exist

    QTest::newRow("no modules") << false << true << "" << QStringList{"No dictionary files"} << 9
                                << 9;
    QTest::newRow("no modules, no INI")
        << false << false << "" << QStringList{"No dictionary files"} << 9 << -1;
    QTest::newRow("French chosen") << true << true << "français" << QStringList{} << 12 << 12;
    QTest::newRow("cancelled") << true << true << "" << QStringList{} << 9 << 9;
}

void TestMainWindow::language()
{
    QFETCH(bool, modules);
    QFETCH(bool, programIni);
    QFETCH(QString, choice);
    QFETCH(int, written);

    ShellFixture shell;
    TfmBalvoroMain* window = shell.open(0, programIni);
    Language = 9;
    if (modules)
        shell.db.inst.copyTranslations(QStringLiteral(VELUNOR_CONFIG_DIR));
    // The file was written with another value, to see the write.
    if (programIni)
        IniFile(shell.db.inst.filePath("Config/Balvoro.ini"))
            .writeInteger("General", "Language", 0);
    MessageCapture messages;
    QStringList listed;
    if (modules) {
        WhenModalShown([&listed, choice](QWidget* modal) {
            auto* dialog = qobject_cast<TfmLanguage*>(modal);
            QVERIFY(dialog);
            for (int i = 0; i < dialog->lbLanguage->count(); ++i)
                listed.append(dialog->lbLanguage->item(i)->text());
            const QList<QListWidgetItem*> items =
                dialog->lbLanguage->findItems(choice, Qt::MatchExactly);
            if (!choice.isEmpty() && !items.isEmpty()) {
                dialog->lbLanguage->setCurrentItem(items.first());
                QTest::mouseClick(dialog->btOk, Qt::LeftButton);
            } else {
                QTest::mouseClick(dialog->btCancel, Qt::LeftButton);
            }
        });
    }
    QVERIFY(!window->Language1->isVisible());
    window->Language1->trigger();

    QTEST(messages.texts(), "messages");
    QTEST(Language, "language");
    if (modules)
        QCOMPARE(listed, (QStringList{"American English", "français"}));
    const IniFile ini(shell.db.inst.filePath("Config/Balvoro.ini"));
    QCOMPARE(ini.exists() ? ini.readInteger("General", "Language", -2) : -1, written);
    SetLanguageResource(ConfigPath, 9);
}

void TestMainWindow::quitAndAbout()
{
    ShellFixture shell;
    TfmBalvoroMain* window = shell.open();
    int aboutShown = 0;
    window->mnuAbout->trigger(); // no About window yet: nothing happens
    window->ShowAbout = [&aboutShown] { ++aboutShown; };
    window->mnuAbout->trigger();
    QCOMPARE(aboutShown, 1);

    QSignalSpy closed(window, &TfmBalvoroMain::Closed);
    window->mnuQuit->trigger();
    QVERIFY(!window->isVisible());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(FakeDriver::exitCalls, 1);
}

int main(int argc, char* argv[])
{
    // The program's error box, so that an error raised in a handler is
    // reported as the program reports it.
    VelunorApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
