#include "clock/TfmClock.h"

#include "TfmColor.h"
#include "clock/ClockLevel.h"
#include "frame/PaintBox.h"
#include "frame/Pictures.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>

TfmClock* fmClock = nullptr;

TfmClock* CreateClockWindow(QWidget* parent)
{
    fmClock = new TfmClock(nullptr, parent);
    QObject::connect(fmClock, &QObject::destroyed, [] { fmClock = nullptr; });
    return fmClock;
}

TfmClock::TfmClock(TAcqCgPodo* acquisition, QWidget* parent)
    : TfmGame(ClockFrame, acquisition, parent)
{
    setObjectName(QStringLiteral("fmClock"));
    setWindowTitle(tr("Clock"));
    Label7->setText(tr("Exercise Name :"));
    Label7->adjustSize();
}

QStringList TfmClock::LevelNames() const
{
    return Clock::Configs.Names();
}

void TfmClock::LoadLevel()
{
    // The selected name is looked up in the level list, so the order of
    // the selector never has to match the list's.
    const Clock::TConfig* level = Clock::Configs.At(Clock::Configs.IndexOf(cbLevel->currentText()));
    if (cbLevel->currentIndex() < 0 || !level) {
        m_game.Clear();
        pbSurface->update();
        return;
    }
    // Throws when the target picture is missing: the default error box
    // shows it and the handler that ran LoadLevel stops here.
    pbSurface->update();
    m_game.LoadLevel(*level, pSurface->size());
    ligneHor->setVisible(m_game.GridVisible());
    ligneVert->setVisible(m_game.GridVisible());
    lPoints->setText(m_game.PointsText());
}

void TfmClock::GameStep()
{
    const bool allTouched = m_game.GameStep(SurfaceX, SurfaceY);
    pbSurface->update();
    if (allTouched)
        EndTrial();
}

void TfmClock::SecondsTick()
{
    m_game.SecondsTick();
    lPoints->setText(m_game.PointsText());
}

namespace {

void drawPicture(QPainter& painter, const QRect& bounds, const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    const QPixmap picture = GamePicture(fileName);
    if (!picture.isNull())
        painter.drawPixmap(bounds, picture);
}

// The runner and the marker are part of the window: should their files be
// missing from an installation, a plain drawing keeps the game playable.
void drawCharacter(QPainter& painter, const QRect& bounds, bool facingRight)
{
    const QPixmap picture = GamePicture(
        QLatin1String(facingRight ? PictureFile::CharacterRight : PictureFile::CharacterLeft));
    if (!picture.isNull()) {
        painter.drawPixmap(bounds, picture);
        return;
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(255, 200, 0));
    painter.drawEllipse(bounds.adjusted(1, 1, -1, -1));
}

void drawCentreMark(QPainter& painter, const QRect& bounds)
{
    const QPixmap picture = GamePicture(QLatin1String(PictureFile::CentreMark));
    if (!picture.isNull()) {
        painter.drawPixmap(bounds, picture);
        return;
    }
    painter.setPen(QPen(QColor(0, 200, 255), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(bounds.adjusted(2, 2, -2, -2));
}

} // namespace

void TfmClock::PaintSurface(QPainter& painter)
{
    if (!m_game.HasLevel())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);

    for (int k = 1; k <= Clock::MaxBalls; ++k) {
        const Sprite& ball = m_game.Ball(k);
        if (ball.Visible)
            drawPicture(painter, ball.Bounds, ball.Picture);
    }
    for (int k = 1; k <= Clock::MaxBalls; ++k) {
        const ClockGame::BallNumber& number = m_game.Number(k);
        if (!number.Visible)
            continue;
        // Drawn as an auto-sized label, centred on its ball.
        QFont font(QStringLiteral("Lucida Bright"));
        font.setStyleHint(QFont::Serif);
        font.setBold(true);
        font.setPointSize(number.FontPoints);
        const QFontMetrics metrics(font, pbSurface);
        const QSize label(metrics.horizontalAdvance(number.Caption), metrics.height());
        const QRect box(Clock::CentredIn(m_game.Ball(k).Bounds, label), label);
        painter.setFont(font);
        painter.setPen(ToQColor(number.Color));
        painter.drawText(box, Qt::AlignCenter, number.Caption);
    }

    const Sprite& gun = m_game.Gun();
    if (gun.Visible)
        drawCentreMark(painter, gun.Bounds);
    // The oldest trail image first, the character on top.
    for (int i = ClockGame::TrailLength; i >= 0; --i) {
        const ClockGame::Character& figure = m_game.Figure(i);
        if (figure.Visible)
            drawCharacter(painter, figure.Bounds, figure.Picture == ClockGame::Facing::Right);
    }
}
