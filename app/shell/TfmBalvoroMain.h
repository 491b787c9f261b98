#pragma once
// The main window: the current patient, the choice of a game, the patient's
// trials of that game with the history chart of the selected level, and the
// way to the level editor and to the game. Created once at start-up; at its
// creation it initialises the platform driver library and creates the level
// editors, the game windows and the report module, which then live as long.
//
// The trial grid shows its column titles in its header, so the grid's first
// row holds the first trial. The operations below count rows as the history
// always has: row 0 is the title row, trials start at row 1.

#include "PrintHistory.h"

#include <QMainWindow>
#include <QMap>
#include <functional>

class QAction;
class QChart;
class QChartView;
class QColorDialog;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineSeries;
class QTabWidget;
class QTableWidget;
class QToolBar;
class QToolButton;
class QValueAxis;
class TDBEdit;
class TDBMemo;

class TfmBalvoroMain : public QMainWindow
{
    Q_OBJECT
public:
    // Builds the window and runs FormCreate. Needs the data module (F_Data)
    // and the driver table (SteplinkDriver).
    explicit TfmBalvoroMain(QWidget* parent = nullptr);
    ~TfmBalvoroMain() override;

    // False when the driver library reported a disconnected plate: no game
    // can be started, everything else works.
    bool PlateConnected = true;
    // True when the driver library failed at creation: start-up must end
    // without running the message loop.
    bool EndRequested() const { return m_endRequested; }

    // The history grid.
    void LoadTrials();
    // Deletes the trial listed in grid row n (1 = first trial).
    void DeleteTrial(int n);
    // The scores of the listed trials whose level is exactly `level`, in
    // grid order.
    QList<int> ScoresOfLevel(const QString& level) const;
    // Number of grid rows, the title row included (2 for an empty history).
    int TrialRowCount() const;
    // Row 0 gives the column titles.
    QString TrialCell(int row, int column) const;
    // The selected grid row, 1 for the first trial; 0 without a selection.
    int SelectedTrialRow() const;

    // The windows created from the game modules; null when a game type has
    // none in this installation.
    QDialog* LevelEditor(int type) const { return m_editors.value(type); }
    QDialog* GameWindow(int type) const { return m_games.value(type); }

    // The chart's title word and left axis title of a game type.
    static QString GameWord(int type);
    static QString LeftAxisTitle(int type);

    // Print of the history. The default prints the report with a preview;
    // tests take the input instead.
    using HistoryPrinter = std::function<void(const HistoryPrintInput& input)>;
    void SetHistoryPrinter(HistoryPrinter printer) { m_printHistory = std::move(printer); }

    // What the About item shows; start-up sets it to its splash window.
    std::function<void()> ShowAbout;

    // Controls, named as the program's other windows and the tests know them.
    QTabWidget* PC_PAGE;
    QWidget* TS_Patient;
    QWidget* TS_Exos;
    QToolBar* TB_Patient;
    QToolButton* btPatient;
    QToolButton* btVisible;
    QGroupBox* gbPatients;
    TDBEdit* T_Nom;
    TDBEdit* T_Prenom;
    TDBEdit* T_BirthDT;
    TDBEdit* T_Pointure;
    QComboBox* cbSex;
    QGroupBox* gbPatAdresse;
    TDBEdit* T_Adresse;
    TDBEdit* T_CP;
    TDBEdit* T_Ville;
    QGroupBox* gbPatNote;
    TDBMemo* TM_Note;
    QToolBar* TB_Exo;
    QToolButton* btPingPong;
    QToolButton* btClock;
    QToolButton* btTarget;
    QToolButton* btHoolaHoop;
    QToolButton* btPacMan;
    QToolButton* btParam;
    QToolButton* btStart;
    QGroupBox* gbTrials;
    QTableWidget* sgTrials;
    QToolButton* btPrint;
    QToolButton* btDelete;
    QChartView* grHistory;
    QChart* chart;
    QLineSeries* Series1;
    QValueAxis* axisLeft;
    QValueAxis* axisBottom;
    QAction* mnuQuit;
    QAction* mnuColor;
    QAction* N1; // the hidden separator above the language item
    QAction* Language1;
    QAction* mnuAbout;
    QColorDialog* ColorDialog;

signals:
    // The window closed: the program ends.
    void Closed();

public slots:
    void FormClose();
    void mnuQuitClick();
    void mnuAboutClick();
    void btPatientClick();
    void T_NomChange();
    void btVisibleClick();
    void btExerciseClick(QToolButton* button);
    void btParamClick();
    void btStartClick();
    void btDeleteClick();
    void btPrintClick();
    // The history chart of the selected row's level; runs whenever the
    // selected row changes and after every reload of the grid.
    void sgTrialsDrawCell();
    void mnuColorClick();
    void Language1Click();

public:
    // Discards every key typed into cbSex; returns true (consumed).
    bool cbSexKeyPress(QKeyEvent* event);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildPatientPage();
    void BuildExercisesPage();
    void BuildMenus();
    void CreateGameWindows();
    void ClearTrialGrid();
    void SetPatientTextColor(const QColor& color);
    QList<QToolButton*> GameButtons() const;
    QDialog* WindowOfType(const QMap<int, QDialog*>& windows, int type,
                          const char* missingMessage) const;

    bool m_endRequested = false;
    bool m_driverReleased = false;
    bool m_loadingTrials = false;
    QColor m_lastChosenColor = Qt::black;
    QMap<int, QDialog*> m_editors;
    QMap<int, QDialog*> m_games;
    HistoryPrinter m_printHistory;
};

extern TfmBalvoroMain* fmBalvoroMain;
