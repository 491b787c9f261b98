#pragma once
// The trial cycle every game window shares, without the window: the two
// flags CloseAllowed and AskReplay, which controls are enabled, whether the
// timers and the acquisition run, and what each handler must do next. The
// window calls the method named after its handler and then applies the
// state (controls, timers, StartAcq/StopAcq).
//
//            FormShow / level selection
//                      v
//   +-------------> Ready ---Start---> Running ---game over---> GameOver
//   |                 ^                 |   ^                  |      |
//   |    level        |              Stop   +--------Yes-------+     No
//   |   selection     |                 v                             |
//   +--------------- Finished <---------+-----------------------------+
//                     |  Start asks "Do you want to play again ?" first
//
// The differences between the five games that touch this cycle are in
// GameFrameTraits, one row per game.

#include "Define.h"

#include <QPoint>

struct GameFrameTraits
{
    int Type;              // TYPE written with the trial
    int TimerIntervalMs;   // sampling timer at design time
    int SecondsIntervalMs; // seconds timer; 0 when the game has none
    bool OpensMaximized;
    bool SkipZeroSample;        // a tick whose sample is exactly (0, 0) is skipped
    bool StartAlwaysLoadsLevel; // else only after a Yes to the replay question
    bool StartClearsAskReplay;
    bool EscapePressesStop;     // while a trial runs
    bool CloseStopsAcquisition; // on every close request, allowed or not
    bool MousePressSetsCursor;  // a press on the playfield sets SurfaceX, SurfaceY
    bool HasResize;
    bool ResizeLoadsLevel;
};

// One row per game. Ping-pong's timer only restarts its own step loop;
// pac-man sets its interval from the level, 50 ms is the designed value.
inline constexpr GameFrameTraits PingPongFrame{.Type = GameType::PingPong,
                                               .TimerIntervalMs = 100,
                                               .SecondsIntervalMs = 0,
                                               .OpensMaximized = true,
                                               .SkipZeroSample = false,
                                               .StartAlwaysLoadsLevel = false,
                                               .StartClearsAskReplay = true,
                                               .EscapePressesStop = false,
                                               .CloseStopsAcquisition = false,
                                               .MousePressSetsCursor = false,
                                               .HasResize = true,
                                               .ResizeLoadsLevel = true};
inline constexpr GameFrameTraits ClockFrame{.Type = GameType::Clock,
                                            .TimerIntervalMs = 50,
                                            .SecondsIntervalMs = 1000,
                                            .OpensMaximized = true,
                                            .SkipZeroSample = true,
                                            .StartAlwaysLoadsLevel = true,
                                            .StartClearsAskReplay = false,
                                            .EscapePressesStop = true,
                                            .CloseStopsAcquisition = true,
                                            .MousePressSetsCursor = true,
                                            .HasResize = true,
                                            .ResizeLoadsLevel = true};
inline constexpr GameFrameTraits TargetFrame{.Type = GameType::Target,
                                             .TimerIntervalMs = 100,
                                             .SecondsIntervalMs = 1000,
                                             .OpensMaximized = true,
                                             .SkipZeroSample = false,
                                             .StartAlwaysLoadsLevel = true,
                                             .StartClearsAskReplay = false,
                                             .EscapePressesStop = true,
                                             .CloseStopsAcquisition = false,
                                             .MousePressSetsCursor = true,
                                             .HasResize = true,
                                             .ResizeLoadsLevel = true};
inline constexpr GameFrameTraits HulaHoopFrame{.Type = GameType::HulaHoop,
                                               .TimerIntervalMs = 100,
                                               .SecondsIntervalMs = 1000,
                                               .OpensMaximized = true,
                                               .SkipZeroSample = false,
                                               .StartAlwaysLoadsLevel = true,
                                               .StartClearsAskReplay = false,
                                               .EscapePressesStop = true,
                                               .CloseStopsAcquisition = false,
                                               .MousePressSetsCursor = false,
                                               .HasResize = true,
                                               .ResizeLoadsLevel = false};
inline constexpr GameFrameTraits PacManFrame{.Type = GameType::PacMan,
                                             .TimerIntervalMs = 50,
                                             .SecondsIntervalMs = 60000,
                                             .OpensMaximized = false,
                                             .SkipZeroSample = false,
                                             .StartAlwaysLoadsLevel = true,
                                             .StartClearsAskReplay = false,
                                             .EscapePressesStop = true,
                                             .CloseStopsAcquisition = false,
                                             .MousePressSetsCursor = false,
                                             .HasResize = false,
                                             .ResizeLoadsLevel = false};

enum class FramePhase
{
    Ready,    // no trial; Start starts at once
    Running,  // a trial runs, timers on
    GameOver, // the trial ended: timers off, the row is being saved, the question is open
    Finished  // stopped, or No to the game-over question; Start asks first
};

class GameFrameState
{
public:
    explicit GameFrameState(const GameFrameTraits& traits) : m_traits(traits) {}

    const GameFrameTraits& Traits() const { return m_traits; }

    // FormShow, after the level selector has been filled: `levelSelected`
    // tells whether it has a selected item (false with an empty list).
    void FormShow(bool levelSelected);
    // cbLevelSelect (after LoadLevel): the next Start does not ask.
    void LevelSelected();

    // btStartClick. While a level is selected and no trial runs, Start may
    // be pressed; when StartAsksReplay() the window first asks "Do you want
    // to play again ?" and passes the answer.
    bool StartAsksReplay() const { return m_askReplay; }
    struct StartResult
    {
        bool Started = false;   // controls, flags, StartAcq and timers follow
        bool LoadLevel = false; // run LoadLevel before the timers start
    };
    StartResult Start(bool replayConfirmed = false);

    // btStopClick (also the way back after a failed trial row write).
    void Stop();

    // EndTrial: the game's end condition was met. Timers are off from here;
    // the window plays the end sound, saves the trial row and asks "Game
    // over ! Do you want to play again ?".
    void TrialEnded();
    // The answer. Yes: running again on the same level (the window runs
    // LoadLevel and restarts the timers; acquisition runs on). No: Finished,
    // acquisition stopped.
    void GameOverAnswered(bool playAgain);

    // FormClose / close box / Quit.
    struct CloseResult
    {
        bool Allowed = false;
        bool StopAcquisition = false;
    };
    CloseResult CloseRequested();

    // The Escape key presses Stop or Quit, whichever is the enabled cancel
    // button of this game at this moment, or nothing.
    enum class EscapeAction
    {
        None,
        Stop,
        Quit
    };
    EscapeAction Escape() const;

    // The sampling tick: whether this sample is mapped and stepped.
    bool TickPlays(float cgX, float cgY) const;
    // pSurfaceMouseDown: sets SurfaceX, SurfaceY to `point` in the games
    // that take the mouse; returns whether it did.
    bool MousePress(QPoint point) const;

    FramePhase Phase() const { return m_phase; }
    bool CloseAllowed() const { return m_closeAllowed; }
    bool AskReplay() const { return m_askReplay; }
    bool TimersOn() const { return m_phase == FramePhase::Running; }
    bool AcquisitionOn() const { return m_acquisition; }

    bool StartEnabled() const { return !TrialActive() && m_levelSelected; }
    bool StopEnabled() const { return TrialActive(); }
    bool LevelListEnabled() const { return !TrialActive(); }
    bool QuitEnabled() const { return !TrialActive(); }

private:
    bool TrialActive() const
    {
        return m_phase == FramePhase::Running || m_phase == FramePhase::GameOver;
    }
    void finish();

    GameFrameTraits m_traits;
    FramePhase m_phase = FramePhase::Ready;
    bool m_closeAllowed = true;
    bool m_askReplay = false;
    bool m_levelSelected = false;
    bool m_acquisition = false;
};
