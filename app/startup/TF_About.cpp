#include "TF_About.h"

#include "Define.h"
#include "IniFile.h"
#include "SteplinkDriver.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

TF_About* F_About = nullptr;

QString TF_About::ApplicationTitle()
{
    return MiradoBranding ? QStringLiteral("Mirado") : QStringLiteral("Velunor");
}

// Our product pictures, drawn rather than shipped: a platform seen from
// above with a patient's sway path on it, and the product name.
QPixmap TF_About::ProductPicture(bool mirado)
{
    QPixmap picture(600, 400);
    const QColor background = mirado ? QColor(235, 242, 248) : Qt::black;
    const QColor accent = mirado ? QColor(30, 90, 160) : QColor(60, 200, 170);
    const QColor text = mirado ? QColor(20, 40, 70) : Qt::white;
    picture.fill(background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF plate(60, 70, 240, 240);
    painter.setPen(QPen(accent, 3));
    painter.setBrush(background.lighter(mirado ? 100 : 180));
    painter.drawRoundedRect(plate, 18, 18);
    painter.setPen(QPen(accent.darker(130), 1, Qt::DotLine));
    for (int i = 1; i < 8; ++i) {
        const double x = plate.left() + plate.width() * i / 8;
        const double y = plate.top() + plate.height() * i / 8;
        painter.drawLine(QPointF(x, plate.top() + 8), QPointF(x, plate.bottom() - 8));
        painter.drawLine(QPointF(plate.left() + 8, y), QPointF(plate.right() - 8, y));
    }
    // A sway path: a slowly turning Lissajous figure around the centre.
    QPainterPath sway;
    const QPointF centre = plate.center();
    for (int i = 0; i <= 720; ++i) {
        const double t = i * M_PI / 180.0;
        const QPointF p(centre.x() + 70 * std::sin(1.0 * t) * std::cos(0.13 * t),
                        centre.y() + 55 * std::sin(2.0 * t + 0.4) * std::cos(0.07 * t));
        i == 0 ? sway.moveTo(p) : sway.lineTo(p);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 70, 60), 2.5));
    painter.drawPath(sway);
    painter.setBrush(QColor(230, 70, 60));
    painter.drawEllipse(centre, 7, 7);

    QFont title(QStringLiteral("DejaVu Sans"), 44, QFont::Bold);
    painter.setFont(title);
    painter.setPen(text);
    painter.drawText(QRectF(320, 120, 270, 80), Qt::AlignLeft | Qt::AlignVCenter,
                     mirado ? QStringLiteral("Mirado") : QStringLiteral("Velunor"));
    QFont subtitle(QStringLiteral("DejaVu Sans"), 13);
    painter.setFont(subtitle);
    painter.setPen(accent);
    painter.drawText(QRectF(322, 200, 270, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Balance training on the platform"));
    return picture;
}

TF_About::TF_About(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("F_About"));
    FormCreate();
}

void TF_About::FormCreate()
{
    WriteLog(QStringLiteral("About start"));
    setFixedSize(600, 515);

    imVelunor = new QLabel(this);
    imVelunor->setObjectName(QStringLiteral("imVelunor"));
    imMirado = new QLabel(this);
    imMirado->setObjectName(QStringLiteral("imMirado"));
    lVersion = new QLabel(QStringLiteral("V2.8"), this);
    lVersion->setObjectName(QStringLiteral("lVersion"));
    dllVersion = new QLabel(this);
    dllVersion->setObjectName(QStringLiteral("dllVersion"));
    lbPlate = new QLabel(this);
    lbPlate->setObjectName(QStringLiteral("lbPlate"));
    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, 100);
    pBar->setValue(0);
    labWait = new QLabel(QStringLiteral("Chargement en cours ... Patientez S.V.P."), this);
    labWait->setObjectName(QStringLiteral("labWait"));
    labWait->setAlignment(Qt::AlignCenter);
    btnClose = new QPushButton(tr("&Ok"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setVisible(false);
    connect(btnClose, &QPushButton::clicked, this, &TF_About::btnCloseClick);

    // The branding: title, picture and background.
    const QString title = ApplicationTitle();
    // The application name, not Qt's display name: that one would be
    // appended to every window caption.
    QApplication::setApplicationName(title);
    imVelunor->setPixmap(ProductPicture(false));
    imMirado->setPixmap(ProductPicture(true));
    imVelunor->setVisible(!MiradoBranding);
    imMirado->setVisible(MiradoBranding);
    if (!MiradoBranding) {
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::white);
        setPalette(palette);
    }

    dllVersion->setText(QStringLiteral("Steplink V") + SteplinkVersion());
    const IniFile device(DeviceIniPath());
    lbPlate->setText(device.exists() ? device.readString(QLatin1String(Key::PlateName.section),
                                                         QLatin1String(Key::PlateName.key))
                                     : QString());

    auto* info = new QGridLayout;
    info->addWidget(lVersion, 0, 0);
    info->addWidget(dllVersion, 0, 1, Qt::AlignCenter);
    info->addWidget(lbPlate, 0, 2, Qt::AlignRight);
    auto* below = new QVBoxLayout;
    below->setContentsMargins(12, 4, 12, 8);
    below->addLayout(info);
    below->addWidget(pBar);
    below->addWidget(labWait);
    below->addWidget(btnClose, 0, Qt::AlignCenter);
    below->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(imVelunor);
    layout->addWidget(imMirado);
    layout->addLayout(below);

    setWindowTitle(QStringLiteral("A propos de ") + title);
    WriteLog(QStringLiteral("About end"));
}

void TF_About::ProgressStep(int amount)
{
    pBar->setValue(pBar->value() + amount);
}

int TF_About::Progress() const
{
    return pBar->value();
}

void TF_About::LoadingDone()
{
    btnClose->setVisible(true);
    pBar->setVisible(false);
    labWait->setVisible(false);
}

void TF_About::btnCloseClick()
{
    hide();
}
