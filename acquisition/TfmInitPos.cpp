#include "TfmInitPos.h"

#include "AcqCgPodo.h"
#include "MessageTable.h"
#include "Messages.h"
#include "SurfaceMapping.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

TfmInitPos* fmInitPos = nullptr;

namespace {
constexpr int Timer1IntervalMs = 150;

QFont boldFont(QFont font)
{
    font.setBold(true);
    return font;
}
} // namespace

TfmInitPos::TfmInitPos(TAcqCgPodo* acquisition, QWidget* parent)
    : QDialog(parent), m_acquisition(acquisition)
{
    setObjectName(QStringLiteral("fmInitPos"));
    setWindowTitle(tr("Init position"));

    lText = new QLabel(this);
    lText->setObjectName(QStringLiteral("lText"));
    lText->setFont(boldFont(lText->font()));
    lText->setWordWrap(true);
    lText->setAlignment(Qt::AlignCenter);
    lText->setMinimumWidth(320);

    Label1 = new QLabel(QStringLiteral("X:0.0 - Y: 0.0"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(boldFont(Label1->font()));
    Label1->setAlignment(Qt::AlignCenter);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), tr("&Save"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("&Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(Timer1IntervalMs);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addSpacing(24);
    buttons->addWidget(BitBtn2);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lText);
    layout->addSpacing(8);
    layout->addWidget(Label1);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    // A dialog border: the size follows the contents, the user cannot drag it.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Timer1, &QTimer::timeout, this, &TfmInitPos::Timer1Timer);
    connect(BitBtn1, &QPushButton::clicked, this, &TfmInitPos::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TfmInitPos::reject);

    FormCreate();
}

void TfmInitPos::FormCreate()
{
    lText->setText(Msg::tr(Msg::InitPosInstruction));
}

TAcqCgPodo* TfmInitPos::acquisition() const
{
    return m_acquisition ? m_acquisition : AcqThread;
}

int TfmInitPos::ShowModal()
{
    acquisition()->StartAcq();
    Timer1->start(Timer1IntervalMs);

    adjustSize();
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    return exec();
}

QString TfmInitPos::PositionText(double x, double y)
{
    // printf's %5.1f (width, padding, rounding), then the locale's decimal
    // separator; the sign and the absence of digit grouping stay as printf
    // has them.
    const QString separator = QLocale().decimalPoint();
    QString text = QString::asprintf("X:%5.1f - Y:%5.1f", x, y);
    // Only the two numbers hold a '.'.
    text.replace(QLatin1Char('.'), separator);
    return text;
}

void TfmInitPos::Timer1Timer()
{
    const TAcqCgPodo* thread = acquisition();
    InitX = thread->CgX.load();
    InitY = thread->CgY.load();
    Label1->setText(PositionText(InitX, InitY));
}

void TfmInitPos::BitBtn1Click()
{
    acquisition()->StopAcq();
    Timer1->stop();
    // The position of the last tick is the one kept. A coordinate of exactly
    // 0 means no sample (no patient, no plate); a value that is no finite
    // number is a corrupt sample and would put every game's cursor nowhere.
    const bool missing = InitX == 0.0 || InitY == 0.0;
    const bool corrupt = !std::isfinite(InitX) || !std::isfinite(InitY);
    if (missing || corrupt) {
        ShowMessage(Msg::tr(Msg::InitPosNotCorrect));
        reject();
        return;
    }
    accept();
}

void TfmInitPos::done(int result)
{
    // However the dialog closes, it stops refreshing the position: after a
    // Cancel InitX, InitY stay as the last tick set them.
    Timer1->stop();
    QDialog::done(result);
}

void CreateInitPosDialog(TAcqCgPodo* acquisition, QWidget* parent)
{
    if (fmInitPos)
        return;
    fmInitPos = new TfmInitPos(acquisition, parent);
    // A parent window may take the dialog with it at its own end.
    QObject::connect(fmInitPos, &QObject::destroyed, [] { fmInitPos = nullptr; });
}

void DestroyInitPosDialog()
{
    delete fmInitPos;
    fmInitPos = nullptr;
}
