#include "TfmClockParam.h"
#include "ui_TfmClockParam.h"

#include "Application.h"
#include "ColorBox.h"
#include "DBControls.h"
#include "DbError.h"
#include "Define.h"
#include "FileNames.h"
#include "MessageTable.h"
#include "Messages.h"
#include "ParamCodec.h"
#include "Playfields.h"
#include "TfmColor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <algorithm>
#include <bitset>

TfmClockParam* fmClockParam = nullptr;

namespace {

// Colour of the preview circles: the ball picture of this colour is the one
// they show.
constexpr TColor PreviewBallColor = 128; // maroon
constexpr int NumberEditSize = 24;
constexpr TColor DesignTargetColor = 16711935; // fuchsia
constexpr TColor DesignBallColor = 32768;      // green

int wholeNumber(const QString& text)
{
    int value = 0;
    if (!ParamCodec::ToInteger(text, value))
        throw EConvertError(Msg::tr(Msg::NotAnInteger).arg(text));
    return value;
}

} // namespace

// ---------------------------------------------------------------- TBallShape

TBallShape::TBallShape(QWidget* parent) : QWidget(parent)
{
    setFixedSize(Size, Size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBallShape::SetPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void TBallShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!m_picture.isNull()) {
        // A ball picture stands on a square background: only its circle
        // belongs to the ball.
        QPainterPath clip;
        clip.addEllipse(disc);
        p.setClipPath(clip);
        p.drawPixmap(rect(), m_picture);
        return;
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(ToQColor(PreviewBallColor));
    p.drawEllipse(disc);
}

// ---------------------------------------------------------------- TfmClockParam

TfmClockParam::TfmClockParam(QWidget* parent)
    : TLevelEditor(Clock::GameType, tr("Parameters of Clock"), tr("Delete"), parent),
      ui(std::make_unique<Ui::TfmClockParam>())
{
    setObjectName(QStringLiteral("fmClockParam"));
    if (!fmClockParam)
        fmClockParam = this;

    gbParam = new QGroupBox(this);
    ui->setupUi(gbParam);
    gbParam->setTitle(QString());
    cbMovement = ui->cbMovement;
    cbTypeJeu = ui->cbTypeJeu;
    cbBallNb = ui->cbBallNb;
    cbDist = ui->cbDist;
    cbBallSize = ui->cbBallSize;
    cbSpeed = ui->cbSpeed;
    lSpeed = ui->lSpeed;
    cbGrid = ui->cbGrid;
    cbCenter = ui->cbCenter;
    cbRandom = ui->cbRandom;
    eBallColor = ui->eBallColor;
    eTargetColor = ui->eTargetColor;
    eNbColor = ui->eNbColor;
    btBallColor = ui->btBallColor;
    btTargetColor = ui->btTargetColor;
    btNumberColor = ui->btNumberColor;
    cbDiag = ui->cbDiag;
    cbCible = ui->cbCible;
    cbSon = ui->cbSon;
    cbVisible = ui->cbVisible;
    cbChenille = ui->cbChenille;
    cbPersSize = ui->cbPersSize;
    btPers = ui->btPers;
    pSurface = ui->pSurface;
    pSurface->setFixedSize(244, 244);

    // The preview: sixteen circles, and above them the sixteen number edits.
    for (int k = 0; k < Clock::MaxBalls; ++k) {
        ball[k] = new TBallShape(pSurface);
        ball[k]->setObjectName(QStringLiteral("ball%1").arg(k + 1));
    }
    for (int k = 0; k < Clock::MaxBalls; ++k) {
        auto* edit = new QLineEdit(pSurface);
        edit->setObjectName(QStringLiteral("NumBall%1").arg(k + 1));
        edit->setFixedSize(NumberEditSize, NumberEditSize);
        edit->setAlignment(Qt::AlignCenter);
        edit->setTextMargins(0, 0, 0, 0);
        // Field 1 keeps two characters per ball.
        edit->setMaxLength(2);
        edit->setText(QStringLiteral("%1").arg(k + 1, 2, 10, QLatin1Char('0')));
        QFont font = edit->font();
        font.setPointSize(std::max(6, font.pointSize() - 2));
        edit->setFont(font);
        NumBall[k] = edit;
        BindNumberBox(edit);
    }

    // Controls kept with every level but not offered to the user.
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             ui->lDiag, cbDiag, ui->lCible, cbCible, ui->lSon, cbSon, ui->lVisible, cbVisible,
             ui->lChenille, cbChenille, ui->lPersSize, cbPersSize, ui->lPersonnage,
             ui->T_Personnage, btPers})
        hidden->hide();
    // The speed box belongs to the differential modes only.
    lSpeed->hide();
    cbSpeed->hide();

    for (QComboBox* box : gbParam->findChildren<QComboBox*>()) {
        box->setCurrentIndex(-1);
        if (box->isEditable())
            box->clearEditText();
    }
    eTargetColor->SetColor(DesignTargetColor);
    eBallColor->SetColor(DesignBallColor);
    eNbColor->SetColor(0);

    for (QComboBox* box : {cbDist, cbBallSize, cbSpeed, cbChenille, cbPersSize})
        BindNumberBox(box);
    for (QComboBox* box : {cbMovement, cbTypeJeu, cbBallNb})
        BindListOnlyBox(box);
    BindCharacterPicture(btPers, ui->T_Personnage);

    // The handlers answer the user's choices; LoadParam runs the steps it
    // needs itself.
    connect(cbTypeJeu, &QComboBox::activated, this, [this] { cbTypeJeuChange(); });
    connect(cbDist, &QComboBox::activated, this, [this] { cbDistChange(); });
    connect(cbDist->lineEdit(), &QLineEdit::textEdited, this, [this] { cbDistChange(); });
    connect(cbBallNb, &QComboBox::activated, this, [this] { cbDistChange(); });
    connect(cbMovement, &QComboBox::activated, this, [this] { cbMovementChange(); });
    connect(cbRandom, &QCheckBox::toggled, this, [this] { cbRandomClick(); });
    connect(cbVisible, &QCheckBox::toggled, this, [this] { cbRandomClick(); });
    connect(btBallColor, &QPushButton::clicked, this, [this] { btColorClick(btBallColor); });
    connect(btTargetColor, &QPushButton::clicked, this, [this] { btColorClick(btTargetColor); });
    connect(btNumberColor, &QPushButton::clicked, this, [this] { btNumberColorClick(); });

    SetupFrame(gbParam, ui->T_Code);
}

TfmClockParam::~TfmClockParam()
{
    if (fmClockParam == this)
        fmClockParam = nullptr;
}

void TfmClockParam::RebuildLevelList(const QList<LevelRow>& rows)
{
    Clock::Configs.Rebuild(rows, Clock::Decode);
}

// ---------------------------------------------------------------- preview

void TfmClockParam::PrepareForm()
{
    // The preview paints its own colour, not the group's background.
    pSurface->setAutoFillBackground(true);
    if (cbTypeJeu->currentIndex() >= 0 && !cbDist->currentText().isEmpty() &&
        !cbBallNb->currentText().isEmpty())
        RunGuarded([this] { LayOutPreview(); });
    else
        HidePreview();
}

void TfmClockParam::PrepareShow()
{
    PaintPlayfieldBackground(pSurface, BackGround_Color);
    // The picture is an asset of the installation; without it the circles
    // are painted, as the preview needs no more than their places.
    const QString file =
        ResolveFileName(ConfigPath, QStringLiteral("Balle_") + ColorToName(PreviewBallColor) +
                                        QStringLiteral(".bmp"));
    const QPixmap picture = QFileInfo(file).isFile() ? QPixmap(file) : QPixmap();
    for (TBallShape* shape : ball)
        shape->SetPicture(picture);
}

void TfmClockParam::HidePreview()
{
    for (int k = 0; k < Clock::MaxBalls; ++k) {
        ball[k]->hide();
        NumBall[k]->hide();
    }
}

void TfmClockParam::PlaceBalls(std::int32_t layout, int count, std::int32_t dist)
{
    const Clock::BallCorners corners = Clock::PlaceBalls(Clock::Ring::Editor, pSurface->size(),
                                                         ball[0]->size(), layout, count, dist);
    const int shown = std::clamp(count, 0, Clock::MaxBalls);
    for (int k = 0; k < Clock::MaxBalls; ++k) {
        if (k < shown) {
            ball[k]->move(corners[k]);
            NumBall[k]->move(Clock::CentredIn(ball[k]->geometry(), NumBall[k]->size()));
            ball[k]->show();
            NumBall[k]->show();
        } else {
            ball[k]->hide();
            NumBall[k]->hide();
        }
    }
    cbRandomClick();
}

void TfmClockParam::LayOutPreview()
{
    if (cbTypeJeu->currentIndex() < 0 || cbDist->currentText().isEmpty() ||
        cbBallNb->currentText().isEmpty())
        return;
    const int count = wholeNumber(cbBallNb->currentText());
    const int dist = wholeNumber(cbDist->currentText());
    PlaceBalls(cbTypeJeu->currentIndex(), count, dist);
}

// ---------------------------------------------------------------- handlers

void TfmClockParam::cbTypeJeuChange()
{
    if (cbTypeJeu->currentText().isEmpty())
        return;
    const QStringList counts = cbTypeJeu->currentIndex() == Clock::Circle
                                   ? QStringList{"4", "8", "12", "16"}
                                   : QStringList{"3", "5"};
    cbBallNb->clear();
    cbBallNb->addItems(counts);
    cbBallNb->setCurrentIndex(-1);
}

void TfmClockParam::cbDistChange()
{
    RunGuarded([this] { LayOutPreview(); });
}

void TfmClockParam::cbMovementChange()
{
    const int movement = cbMovement->currentIndex();
    const bool differential =
        movement == Clock::Differential || movement == Clock::DifferentialTrailing;
    lSpeed->setVisible(differential);
    cbSpeed->setVisible(differential);
}

void TfmClockParam::cbRandomClick()
{
    const bool fixedNumbers = !cbRandom->isChecked();
    for (QLineEdit* edit : NumBall)
        edit->setEnabled(fixedNumbers);
}

void TfmClockParam::btColorClick(QObject* Sender)
{
    switch (Sender->property("tag").toInt()) {
    case 1:
        PickWithColorPicker(eTargetColor);
        break;
    case 2:
        PickWithColorPicker(eBallColor);
        break;
    default:
        break;
    }
}

void TfmClockParam::btNumberColorClick()
{
    PickWithColorDialog(eNbColor);
}

// ---------------------------------------------------------------- numbers

void TfmClockParam::StringToNumbers(const QString& S)
{
    for (int k = 0; k < Clock::MaxBalls; ++k)
        NumBall[k]->setText(S.mid(2 * k, 2));
}

QString TfmClockParam::NumbersToString()
{
    QString numbers;
    for (QLineEdit* edit : NumBall) {
        // Two characters per ball, whatever the edit holds: an empty edit
        // (of a ball beyond the count) must not shift the numbers after it.
        if (edit->text().size() < 2)
            edit->setText(edit->text().rightJustified(2, QLatin1Char('0')));
        numbers += edit->text();
    }
    return numbers;
}

int TfmClockParam::ShownBallCount() const
{
    int count = 0;
    if (!ParamCodec::ToInteger(cbBallNb->currentText(), count))
        return 0;
    return std::clamp(count, 0, Clock::MaxBalls);
}

bool TfmClockParam::CheckBallNumbers() const
{
    if (cbRandom->isChecked())
        return true;
    // Ball k beyond the count is not shown: its mark is set for it. Every
    // shown ball marks the number it holds; all sixteen marks set means the
    // shown balls hold 1..N once each.
    const int count = ShownBallCount();
    std::bitset<Clock::MaxBalls> marks;
    for (int k = 0; k < Clock::MaxBalls; ++k) {
        if (k >= count) {
            marks.set(k);
            continue;
        }
        int n = 0;
        if (ParamCodec::ToInteger(NumBall[k]->text(), n) && n >= 1 && n <= Clock::MaxBalls)
            marks.set(n - 1);
    }
    return marks.all();
}

bool TfmClockParam::CheckParams()
{
    if (CheckBallNumbers())
        return true;
    ShowMessage(Msg::tr(Msg::FillAllBallNumbers));
    return false;
}

// ---------------------------------------------------------------- PARAM

void TfmClockParam::ApplyNewDefaults()
{
    cbPersSize->setCurrentText(QStringLiteral("15"));
    FillHiddenBoxes();
}

void TfmClockParam::FillHiddenBoxes()
{
    if (cbSpeed->isHidden())
        cbSpeed->setCurrentText(QStringLiteral("10"));
    if (cbChenille->isHidden())
        cbChenille->setCurrentText(QStringLiteral("10"));
}

void TfmClockParam::ShowParam(const QString& param)
{
    namespace F = Clock::Field;
    ParamCodec::Reader reader(param, F::Count);
    // The fields are shown in turn; the first one that cannot be read stops
    // the showing and is reported with the level's name.
    auto check = [&] {
        if (!reader.ok())
            throw EConvertError(
                Msg::tr(Msg::LevelUnreadable).arg(CurrentLevelName(), reader.error()));
    };
    auto integer = [&](int n) {
        const int value = reader.integer(n);
        check();
        return value;
    };
    check();

    StringToNumbers(reader.text(F::Numbers));

    const int movement = integer(F::Movement);
    cbMovement->setCurrentIndex(-1);
    cbMovement->setCurrentIndex(movement);

    const std::pair<int, QCheckBox*> flags[] = {
        {F::ShowGrid, cbGrid}, {F::Center, cbCenter}, {F::Diag, cbDiag},      {F::Cible, cbCible},
        {F::Son, cbSon},       {F::Random, cbRandom}, {F::Visible, cbVisible}};
    for (const auto& [field, box] : flags)
        box->setChecked(integer(field) != 0);

    cbChenille->setCurrentText(reader.text(F::Chenille));
    cbPersSize->setCurrentText(reader.text(F::PersSize));

    const bool differential =
        movement == Clock::Differential || movement == Clock::DifferentialTrailing;
    lSpeed->setVisible(differential);
    cbSpeed->setVisible(differential);
    cbSpeed->setCurrentText(reader.text(F::Speed));

    cbBallSize->setCurrentText(reader.text(F::BallSize));

    const int layout = integer(F::TypeJeu);
    cbTypeJeu->setCurrentIndex(-1);
    cbTypeJeu->setCurrentIndex(layout);
    cbTypeJeuChange();

    // The preview reads the count and the distance as numbers: a row that
    // does not hold numbers there is reported with its name.
    integer(F::BallNb);
    integer(F::Dist);
    cbBallNb->setCurrentText(reader.text(F::BallNb));
    cbDist->setCurrentText(reader.text(F::Dist));
    LayOutPreview();

    eTargetColor->SetColor(static_cast<TColor>(integer(F::TargetColor)));
    eNbColor->SetColor(static_cast<TColor>(integer(F::NbColor)));
    eBallColor->SetColor(static_cast<TColor>(integer(F::BallColor)));
}

QString TfmClockParam::BuildParam()
{
    return ParamCodec::Writer()
        .text(NumbersToString())
        .integer(cbMovement->currentIndex())
        .flag(cbGrid->isChecked())
        .flag(cbCenter->isChecked())
        .flag(cbDiag->isChecked())
        .flag(cbCible->isChecked())
        .flag(cbSon->isChecked())
        .flag(cbRandom->isChecked())
        .flag(cbVisible->isChecked())
        .text(cbChenille->currentText())
        .text(cbPersSize->currentText())
        .text(cbSpeed->currentText())
        .text(cbBallSize->currentText())
        .integer(cbTypeJeu->currentIndex())
        .text(cbBallNb->currentText())
        .text(cbDist->currentText())
        .color(eTargetColor->Color())
        .color(eNbColor->Color())
        .color(eBallColor->Color())
        .result();
}
