#include "frame/TfmGame.h"

#include "AcqCgPodo.h"
#include "AppError.h"
#include "Data.h"
#include "Define.h"
#include "LevelList.h"
#include "MessageTable.h"
#include "Playfields.h"
#include "SurfaceMapping.h"
#include "TF_Confirm.h"
#include "TfmColor.h"
#include "TrialRow.h"
#include "frame/PaintBox.h"

#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {

QFont scoreFont(int pixels)
{
    QFont font(QStringLiteral("Lucida Bright"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter must not press a button the therapist did not aim at.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->resize(90, 30);
    return button;
}

// The centre cross stays visible on any playfield colour: black on light
// colours, white on dark ones (the default background is black).
QColor crossColor(TColor background)
{
    const QColor color = ToQColor(background);
    return color.lightness() > 110 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace

TfmGame::TfmGame(const GameFrameTraits& traits, TAcqCgPodo* acquisition, QWidget* parent)
    : QDialog(parent), m_state(traits), m_acquisition(acquisition)
{
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(MinimumWidth, MinimumHeight);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);

    Label7 = new QLabel(tr("Exercise Level :"), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    QFont bold = Label7->font();
    bold.setBold(true);
    Label7->setFont(bold);
    Label7->move(16, 18);
    Label7->adjustSize();

    cbLevel = new QComboBox(this);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    cbLevel->setGeometry(150, 14, 220, 26);
    // OnSelect: a choice of the user, not a change made by the program.
    connect(cbLevel, &QComboBox::activated, this, &TfmGame::cbLevelSelect);

    lScore = new QLabel(tr("Score :"), this);
    lScore->setObjectName(QStringLiteral("lScore"));
    lScore->setFont(scoreFont(20));
    lScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lScore->setGeometry(300, 10, 100, 36);

    lPoints = new QLabel(QStringLiteral("0"), this);
    lPoints->setObjectName(QStringLiteral("lPoints"));
    lPoints->setFont(scoreFont(33));
    lPoints->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lPoints->setGeometry(400, 4, 200, 46);

    pSurface = new QFrame(this);
    pSurface->setObjectName(QStringLiteral("pSurface"));
    pSurface->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pSurface->setLineWidth(2);
    pSurface->setGeometry(16, 56, 740, 440);
    // The panel paints its own colour, not the window's.
    RegisterPlayfield(pSurface);

    pbSurface = new TPaintBox(pSurface);
    pbSurface->setObjectName(QStringLiteral("pbSurface"));
    pbSurface->OnPaint = [this](QPainter& painter) {
        // The games place their sprites in pSurface coordinates.
        painter.translate(-pbSurface->pos());
        PaintSurface(painter);
    };
    pbSurface->setGeometry(pSurface->contentsRect());
    pSurface->installEventFilter(this);
    pbSurface->installEventFilter(this);

    ligneVert = new QFrame(pSurface);
    ligneVert->setObjectName(QStringLiteral("ligneVert"));
    ligneHor = new QFrame(pSurface);
    ligneHor->setObjectName(QStringLiteral("ligneHor"));
    for (QFrame* line : {ligneVert, ligneHor}) {
        line->setAutoFillBackground(true);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->raise();
    }

    btStart = makeButton(this, "btStart", tr("Start"));
    btStart->move(16, 520);
    btStop = makeButton(this, "btStop", tr("Stop"));
    btStop->move(116, 520);
    btStop->setEnabled(false);
    btQuit = makeButton(this, "btQuit", tr("&Quit"));
    btQuit->move(680, 520);
    connect(btStart, &QPushButton::clicked, this, &TfmGame::btStartClick);
    connect(btStop, &QPushButton::clicked, this, &TfmGame::btStopClick);
    connect(btQuit, &QPushButton::clicked, this, &TfmGame::reject);

    // Precise timers: coarse ones fire early by a few percent, and the
    // step period is the game's pace.
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setTimerType(Qt::PreciseTimer);
    Timer->setInterval(traits.TimerIntervalMs);
    connect(Timer, &QTimer::timeout, this, &TfmGame::TimerTimer);
    TimerTps = new QTimer(this);
    TimerTps->setObjectName(QStringLiteral("TimerTps"));
    TimerTps->setTimerType(Qt::PreciseTimer);
    TimerTps->setInterval(traits.SecondsIntervalMs);
    connect(TimerTps, &QTimer::timeout, this, &TfmGame::TimerTpsTimer);

    FormResize();
}

TfmGame::~TfmGame() = default;

TAcqCgPodo* TfmGame::acquisition() const
{
    return m_acquisition ? m_acquisition : AcqThread;
}

void TfmGame::ApplyControls()
{
    btStart->setEnabled(m_state.StartEnabled());
    btStop->setEnabled(m_state.StopEnabled());
    cbLevel->setEnabled(m_state.LevelListEnabled());
    btQuit->setEnabled(m_state.QuitEnabled());
}

void TfmGame::StopTimers()
{
    Timer->stop();
    TimerTps->stop();
}

void TfmGame::StartTimers()
{
    Timer->start();
    if (m_state.Traits().SecondsIntervalMs > 0)
        TimerTps->start();
}

void TfmGame::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect();
        if (m_state.Traits().OpensMaximized) {
            // Without a window manager the maximized state is only a hint:
            // the screen's size is given as well.
            if (available.isValid())
                setGeometry(available);
            setWindowState(windowState() | Qt::WindowMaximized);
        } else if (available.isValid()) {
            QRect frame(QPoint(), size().expandedTo(minimumSize()));
            frame.moveCenter(available.center());
            setGeometry(frame);
        }
    }
    QDialog::setVisible(visible);
}

void TfmGame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfmGame::FormShow()
{
    StopTimers();
    PaintPlayfieldBackground(pSurface, BackGround_Color);
    PlaceCross();

    QStringList names = LevelNames();
    std::stable_sort(names.begin(), names.end(), LevelNameLess);
    cbLevel->clear();
    cbLevel->addItems(names);
    cbLevel->setCurrentIndex(names.isEmpty() ? -1 : 0);
    m_state.FormShow(!names.isEmpty());
    ApplyControls();
    LoadLevel();
}

void TfmGame::PlaceCross()
{
    ligneHor->setGeometry(0, pSurface->height() / 2, pSurface->width(), 1);
    ligneVert->setGeometry(pSurface->width() / 2, 0, 1, pSurface->height());
    const QColor color = crossColor(BackGround_Color);
    for (QFrame* line : {ligneVert, ligneHor}) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, color);
        line->setPalette(palette);
        if (!UsesCross())
            line->hide();
    }
}

void TfmGame::cbLevelSelect()
{
    LoadLevel();
    m_state.LevelSelected();
    ApplyControls();
}

void TfmGame::btStartClick()
{
    if (!m_state.StartEnabled())
        return;
    bool confirmed = false;
    if (m_state.StartAsksReplay()) {
        if (Confirm()->ShowModal(Msg::tr(Msg::PlayAgain)) != TF_Confirm::Yes)
            return;
        confirmed = true;
    }
    const GameFrameState::StartResult start = m_state.Start(confirmed);
    if (!start.Started)
        return;
    ApplyControls();
    // A level that cannot be laid out stops here, with Stop enabled as the
    // way back to the idle window.
    if (start.LoadLevel)
        LoadLevel();
    if (TAcqCgPodo* thread = acquisition())
        thread->StartAcq();
    StartTimers();
}

void TfmGame::btStopClick()
{
    if (!m_state.StopEnabled())
        return;
    if (TAcqCgPodo* thread = acquisition())
        thread->StopAcq();
    StopTimers();
    m_state.Stop();
    ApplyControls();
}

void TfmGame::reject()
{
    const GameFrameState::CloseResult close = m_state.CloseRequested();
    if (close.StopAcquisition) {
        if (TAcqCgPodo* thread = acquisition())
            thread->StopAcq();
    }
    if (!close.Allowed)
        return;
    StopTimers();
    QDialog::reject();
}

void TfmGame::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    switch (m_state.Escape()) {
    case GameFrameState::EscapeAction::Stop:
        btStop->click();
        break;
    case GameFrameState::EscapeAction::Quit:
        btQuit->click();
        break;
    case GameFrameState::EscapeAction::None:
        break;
    }
}

void TfmGame::TimerTimer()
{
    TAcqCgPodo* thread = acquisition();
    // Each coordinate is read once: the acquisition thread may write the
    // next sample meanwhile.
    const float x = thread ? thread->CgX.load() : 0.0f;
    const float y = thread ? thread->CgY.load() : 0.0f;
    if (!m_state.TickPlays(x, y))
        return;
    MapCgToSurface(pSurface->size(), double(x), double(y));
    GameStep();
}

void TfmGame::TimerTpsTimer()
{
    if (!m_state.TimersOn())
        return;
    SecondsTick();
}

void TfmGame::SecondsTick()
{
    bool ok = false;
    const int seconds = lPoints->text().toInt(&ok);
    lPoints->setText(QString::number(ok ? seconds + 1 : 1));
}

void TfmGame::PaintSurface(QPainter&) {}

void TfmGame::EndTrial()
{
    if (m_state.Phase() != FramePhase::Running)
        return;
    StopTimers();
    m_state.TrialEnded();
    ApplyControls();
    PlaySoundFile(EndSound());
    // A failed write leaves here for the default error box: no question,
    // timers off, Stop enabled.
    SaveTrial();

    const bool again = Confirm()->ShowModal(Msg::tr(Msg::GameOverPlayAgain)) == TF_Confirm::Yes;
    m_state.GameOverAnswered(again);
    if (again) {
        ApplyControls();
        LoadLevel();
        StartTimers();
    } else {
        if (TAcqCgPodo* thread = acquisition())
            thread->StopAcq();
        ApplyControls();
    }
}

void TfmGame::SaveTrial()
{
    if (!F_Data)
        throw AppError(Msg::tr(Msg::NotConnected));
    TTable* table = F_Data->tJeu;
    const TrialRow row =
        MakeTrialRow(m_state.Traits().Type, cbLevel->currentText(), lPoints->text());
    table->Open();
    try {
        table->Append();
        table->FieldByName(QStringLiteral("DATE_JEU"))->SetAsString(row.DATE_JEU);
        table->FieldByName(QStringLiteral("TIME"))->SetAsString(row.TIME);
        table->FieldByName(QStringLiteral("FK_PAT"))->SetAsInteger(row.FK_PAT);
        table->FieldByName(QStringLiteral("TYPE"))->SetAsInteger(row.TYPE);
        table->FieldByName(QStringLiteral("NIVEAU"))->SetAsString(row.NIVEAU);
        table->FieldByName(QStringLiteral("SCORE"))->SetAsString(row.SCORE);
        table->Post();
    } catch (...) {
        table->Close(); // drops the row that could not be written
        throw;
    }
    table->Close();
}

void TfmGame::pSurfaceMouseDown(QPoint point)
{
    m_state.MousePress(point);
}

bool TfmGame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == pSurface || watched == pbSurface)) {
        const auto* press = static_cast<QMouseEvent*>(event);
        QPoint point = press->position().toPoint();
        if (watched == pbSurface)
            point = pbSurface->mapTo(pSurface, point);
        pSurfaceMouseDown(point);
        return true;
    }
    // The paint box is client-aligned in the panel.
    if (event->type() == QEvent::Resize && watched == pSurface)
        pbSurface->setGeometry(pSurface->contentsRect());
    return QDialog::eventFilter(watched, event);
}

void TfmGame::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TfmGame::FormResize()
{
    if (!m_state.Traits().HasResize)
        return;
    // The layout follows the client area: Qt places children inside it.
    const int W = width();
    const int H = height();
    btStart->move(btStart->x(), H - btStart->height() - 50);
    btStop->move(btStop->x(), H - btStop->height() - 50);
    btQuit->move(W - btQuit->width() - 30, H - btQuit->height() - 50);
    pSurface->resize(std::max(0, W - pSurface->x() - 30),
                     std::max(0, H - pSurface->y() - btStart->height() - 60));
    lScore->move(W / 2 - lScore->width() - 5, lScore->y());
    lPoints->move(W / 2, lPoints->y());
    pbSurface->setGeometry(pSurface->contentsRect());
    if (UsesCross())
        PlaceCross();
    // Before the first show the level list is not read yet.
    if (m_state.Traits().ResizeLoadsLevel && isVisible())
        LoadLevel();
}
