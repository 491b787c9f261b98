#include "PadWindow.h"

#include "PlateView.h"
#include "steplink_sim.h"

#include <QFont>
#include <QLabel>
#include <QNetworkProxy>
#include <QVBoxLayout>

PadWindow::PadWindow(const PadSettings& settings, QWidget* parent)
    : QWidget(parent), m_plate(new PlateView(settings.sensorsX, settings.sensorsY, this)),
      m_values(new QLabel(this)), m_port(settings.port)
{
    setWindowTitle(QStringLiteral("Steplink pad"));
    // Loopback only: a system proxy has no business here.
    m_socket.setProxy(QNetworkProxy::NoProxy);

    QFont mono = m_values->font();
    mono.setFamily(QStringLiteral("monospace"));
    mono.setStyleHint(QFont::Monospace);
    m_values->setFont(mono);
    m_values->setObjectName(QStringLiteral("values"));
    auto* target = new QLabel(QStringLiteral("%1 × %2 sensors  →  UDP 127.0.0.1:%3%4")
                                  .arg(settings.sensorsX)
                                  .arg(settings.sensorsY)
                                  .arg(settings.port)
                                  .arg(settings.iniPath.isEmpty()
                                           ? QStringLiteral("  (no INI found: defaults)")
                                           : QString()),
                              this);
    target->setObjectName(QStringLiteral("target"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_plate, 1);
    layout->addWidget(m_values);
    layout->addWidget(target);

    connect(m_plate, &PlateView::positionChanged, this, [this] {
        showValues();
        send();
    });
    connect(&m_resend, &QTimer::timeout, this, &PadWindow::send);
    m_resend.start(ResendIntervalMs);
    showValues();
    send();
    m_plate->setFocus();
}

QString PadWindow::formatValues(QPointF position)
{
    return QStringLiteral("X: %1  Y: %2").arg(position.x(), 0, 'f', 1).arg(position.y(), 0, 'f', 1);
}

QString PadWindow::valueText() const
{
    return m_values->text();
}

void PadWindow::showValues()
{
    m_values->setText(formatValues(m_plate->position()));
}

void PadWindow::send()
{
    const QPointF p = m_plate->position();
    const std::string datagram = steplink::FormatCogDatagram(p.x(), p.y());
    // Nobody listening is normal (the program is not running yet).
    m_socket.writeDatagram(datagram.data(), qint64(datagram.size()), QHostAddress::LocalHost,
                           m_port);
}
