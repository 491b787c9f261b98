#pragma once
// The clock game's window: the frame's controls around a playfield that
// shows what ClockGame holds (balls with their numbers, the character and
// its trail, the centre marker, the cross). The rules are ClockGame's; the
// window feeds it the surface cursor and the seconds and paints it.

#include "clock/ClockGame.h"
#include "frame/TfmGame.h"

class TfmClock : public TfmGame
{
    Q_OBJECT
public:
    explicit TfmClock(TAcqCgPodo* acquisition = nullptr, QWidget* parent = nullptr);

    const ClockGame& Game() const { return m_game; }
    // Tests seed the random numbering through it.
    ClockGame& Game() { return m_game; }

protected:
    QStringList LevelNames() const override;
    void LoadLevel() override;
    void GameStep() override;
    void SecondsTick() override;
    void PaintSurface(QPainter& painter) override;

private:
    ClockGame m_game;
};

// The one clock window of the run.
extern TfmClock* fmClock;
// Creates fmClock, parented to `parent` (the main window), and returns it.
TfmClock* CreateClockWindow(QWidget* parent);
