#include "SimHarness.h"

#include <QFile>
#include <QHostAddress>
#include <QNetworkProxy>
#include <QUdpSocket>

#include <cstring>

SimInstallation::SimInstallation()
{
    m_ok = m_dir.isValid() && QFile::copy(QStringLiteral(STEPLINK_TEST_LIBRARY), libraryPath());
}

bool SimInstallation::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile f(m_dir.filePath(name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

SimLibrary::SimLibrary(const QString& path) : m_library(path) {}

SimLibrary::~SimLibrary()
{
    unload();
}

bool SimLibrary::load()
{
    if (!m_library.load()) {
        m_error = m_library.errorString();
        return false;
    }
    auto resolve = [this](auto& fn, const char* name) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(m_library.resolve(name));
        if (!fn)
            m_error += QStringLiteral("missing export %1; ").arg(QLatin1String(name));
    };
    resolve(getVersion, "SLGetVersion");
    resolve(slInit, "SLInit");
    resolve(startAcq, "SLStartAcqContinue");
    resolve(readCog, "SLReadPodoCG");
    resolve(stopAcq, "SLStopAcqContinue");
    resolve(slExit, "SLExit");
    resolve(malformedDatagrams, "SimMalformedDatagrams");
    resolve(malformedTraceLines, "SimMalformedTraceLines");
    return m_error.isEmpty();
}

bool SimLibrary::unload()
{
    return !m_library.isLoaded() || m_library.unload();
}

int32_t SimLibrary::init() const
{
    static char alias[] = "VELUNOR";
    return slInit(nullptr, nullptr, alias, STEPLINK_CLIENT_CODE);
}

QPointF SimLibrary::read() const
{
    float x = -1, y = -1, third = -1, fourth = -1;
    if (readCog(&x, &y, &third, &fourth) != 0)
        return {-1000, -1000};
    return {x, y};
}

QString SimLibrary::version(int32_t size) const
{
    char buffer[STEPLINK_VERSION_MAX + 8];
    memset(buffer, '#', sizeof buffer);
    getVersion(buffer, size);
    buffer[sizeof buffer - 1] = '\0';
    return QString::fromLatin1(buffer);
}

quint16 FreeUdpPort()
{
    QUdpSocket probe;
    probe.setProxy(QNetworkProxy::NoProxy);
    if (!probe.bind(QHostAddress::LocalHost, 0))
        return 0;
    return probe.localPort();
}

bool UdpPortFree(quint16 port)
{
    QUdpSocket probe;
    probe.setProxy(QNetworkProxy::NoProxy);
    return probe.bind(QHostAddress::LocalHost, port, QUdpSocket::DontShareAddress);
}

bool SendDatagram(quint16 port, const QByteArray& datagram)
{
    QUdpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    return socket.writeDatagram(datagram, QHostAddress::LocalHost, port) == datagram.size();
}

QByteArray SimIni(quint16 port, const QByteArray& extra)
{
    return "[Plate]\nName=Simulated plate\n\n[Simulator]\nUdpPort=" + QByteArray::number(port) +
           "\n" + extra;
}
