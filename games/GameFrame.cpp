#include "GameFrame.h"

#include "Define.h"

void GameFrameState::FormShow(bool levelSelected)
{
    m_phase = FramePhase::Ready;
    m_closeAllowed = true;
    m_askReplay = false;
    m_levelSelected = levelSelected;
}

void GameFrameState::LevelSelected()
{
    if (TrialActive())
        return; // the selector is disabled during a trial
    m_levelSelected = true;
    m_askReplay = false;
    m_phase = FramePhase::Ready;
}

GameFrameState::StartResult GameFrameState::Start(bool replayConfirmed)
{
    StartResult result;
    // Without a level the steps would have nothing to play: Start stays
    // disabled then, and a stray click does nothing.
    if (!StartEnabled())
        return result;
    if (m_askReplay && !replayConfirmed)
        return result;
    const bool askedAndConfirmed = m_askReplay && replayConfirmed;
    m_phase = FramePhase::Running;
    m_closeAllowed = false;
    if (m_traits.StartClearsAskReplay)
        m_askReplay = false;
    m_acquisition = true;
    result.Started = true;
    result.LoadLevel = m_traits.StartAlwaysLoadsLevel || askedAndConfirmed;
    return result;
}

void GameFrameState::Stop()
{
    if (!TrialActive())
        return;
    finish();
}

void GameFrameState::TrialEnded()
{
    if (m_phase == FramePhase::Running)
        m_phase = FramePhase::GameOver;
}

void GameFrameState::GameOverAnswered(bool playAgain)
{
    if (m_phase != FramePhase::GameOver)
        return;
    if (playAgain)
        m_phase = FramePhase::Running;
    else
        finish();
}

void GameFrameState::finish()
{
    m_phase = FramePhase::Finished;
    m_acquisition = false;
    m_closeAllowed = true;
    m_askReplay = true;
}

GameFrameState::CloseResult GameFrameState::CloseRequested()
{
    CloseResult result;
    result.Allowed = m_closeAllowed;
    result.StopAcquisition = m_traits.CloseStopsAcquisition;
    if (result.StopAcquisition)
        m_acquisition = false;
    return result;
}

GameFrameState::EscapeAction GameFrameState::Escape() const
{
    if (StopEnabled())
        return m_traits.EscapePressesStop ? EscapeAction::Stop : EscapeAction::None;
    return QuitEnabled() ? EscapeAction::Quit : EscapeAction::None;
}

bool GameFrameState::TickPlays(float cgX, float cgY) const
{
    if (!TimersOn())
        return false;
    return !(m_traits.SkipZeroSample && cgX == 0.0f && cgY == 0.0f);
}

bool GameFrameState::MousePress(QPoint point) const
{
    if (!m_traits.MousePressSetsCursor)
        return false;
    SurfaceX = point.x();
    SurfaceY = point.y();
    return true;
}
