#pragma once
// The window every game runs in: level selector, Start / Stop / Quit, the
// sampling and seconds timers, the end of a trial with its row in the trial
// table, and the playfield panel. A game window derives from it and supplies
// its level names, LoadLevel, GameStep and its painting; its rules live in a
// plain class of its own (ClockGame, ...), the window only owns timers and
// painting.
//
//   Start --> StartAcq, Timer + TimerTps on
//   Timer tick:  CgX, CgY --MapCgToSurface(pSurface)--> SurfaceX, SurfaceY --> GameStep
//   GameStep meets the end --> EndTrial: timers off, end sound, SaveTrial,
//                              "Game over ! Do you want to play again ?"
//   Stop (or No) --> StopAcq; the next Start asks "Do you want to play again ?"
//
// The flags and enabled states come from GameFrameState (games_core), the
// per-game differences from its GameFrameTraits row. Errors raised in a
// handler (a missing picture, a failed trial row) leave the handler and are
// shown by the application's default error box; Stop is always the way
// back to an idle window.

#include "GameFrame.h"
#include "frame/Sound.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QFrame;
class QLabel;
class QPainter;
class QPushButton;
class QTimer;
class TAcqCgPodo;
class TPaintBox;

class TfmGame : public QDialog
{
    Q_OBJECT
public:
    static constexpr int MinimumWidth = 800;
    static constexpr int MinimumHeight = 600;

    // `acquisition` is the thread the CoG comes from; null means the
    // program's AcqThread, looked up at each use.
    TfmGame(const GameFrameTraits& traits, TAcqCgPodo* acquisition = nullptr,
            QWidget* parent = nullptr);
    ~TfmGame() override;

    const GameFrameState& FrameState() const { return m_state; }

public slots:
    void FormShow();
    void cbLevelSelect();
    void btStartClick();
    void btStopClick();
    void TimerTimer();
    void TimerTpsTimer();
    void FormResize();
    // Every close request (Quit, the close box): refused while a trial runs.
    void reject() override;

protected:
    // What each game supplies.
    // The level names of this game type, in the order of its level list.
    virtual QStringList LevelNames() const = 0;
    // Lays the playfield out for the level selected in cbLevel and resets
    // the trial, lPoints to "0"; does nothing useful when none is selected.
    virtual void LoadLevel() = 0;
    // One step from SurfaceX, SurfaceY; calls EndTrial when the game's end
    // condition is met.
    virtual void GameStep() = 0;
    // The seconds timer; by default lPoints counts the seconds.
    virtual void SecondsTick();
    // Draws the playfield on pbSurface, in pSurface coordinates.
    virtual void PaintSurface(QPainter& painter);
    // Whether the playfield shows the centre cross ligneVert, ligneHor.
    virtual bool UsesCross() const { return true; }
    // The sound of the end of a trial.
    virtual QString EndSound() const { return QLatin1String(SoundFile::TrialEnd); }

    // The end of a trial: timers off, the end sound, the trial row, the
    // game-over question and its answer. Ping-pong, whose sequence differs,
    // overrides it and reuses the pieces below.
    virtual void EndTrial();
    // Appends the trial row to the trial table (open, append, post, close);
    // the table is closed also when the post fails, and the error goes on.
    void SaveTrial();
    // A press on the playfield at `point` (pSurface coordinates).
    void pSurfaceMouseDown(QPoint point);

    TAcqCgPodo* acquisition() const;

    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Common controls; each carries its name as objectName.
    QLabel* Label7;
    QComboBox* cbLevel;
    QLabel* lScore;
    QLabel* lPoints;
    QFrame* pSurface;
    QFrame* ligneVert;
    QFrame* ligneHor;
    TPaintBox* pbSurface;
    QPushButton* btStart;
    QPushButton* btStop;
    QPushButton* btQuit;
    QTimer* Timer;
    QTimer* TimerTps;

    // The flags and enabled states of the trial cycle.
    GameFrameState& MutableFrameState() { return m_state; }
    // Buttons and selector enabled as the state says.
    void ApplyControls();
    void StopTimers();
    // Timer, and TimerTps when the game has one.
    void StartTimers();

private:
    void PlaceCross();

    GameFrameState m_state;
    TAcqCgPodo* m_acquisition;
};
