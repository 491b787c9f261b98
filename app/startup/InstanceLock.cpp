#include "InstanceLock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace {
constexpr char kActivate[] = "activate\n";
}

InstanceLock::InstanceLock(const QString& name) : m_name(name) {}

InstanceLock::~InstanceLock()
{
    if (m_server)
        m_server->close();
    if (m_lock)
        m_lock->unlock();
}

QString InstanceLock::runtimeFolder()
{
    QString folder = qEnvironmentVariable("VELUNOR_RUNTIME_DIR");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::temp().filePath(QStringLiteral("velunor-%1").arg(getuid()));
    QDir().mkpath(folder);
    return folder;
}

QString InstanceLock::serverName(const QString& name)
{
    // One server per runtime folder and name, so tests with folders of their
    // own never meet the instance a person is running.
    const QByteArray folderHash =
        QCryptographicHash::hash(runtimeFolder().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("velunor-%1-%2-%3").arg(getuid()).arg(QString::fromLatin1(folderHash), name);
}

bool InstanceLock::acquire()
{
    if (m_held)
        return true;
    m_lock = std::make_unique<QLockFile>(QDir(runtimeFolder()).filePath(m_name + QStringLiteral(".lock")));
    // Only a dead holder makes a lock stale, never its age.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0))
        return false;
    m_held = true;

    // A crashed holder may have left its socket behind: the lock proves that
    // nobody serves it any more.
    const QString server = serverName(m_name);
    QLocalServer::removeServer(server);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(server)) {
        QObject::connect(m_server.get(), &QLocalServer::newConnection, [this] {
            while (QLocalSocket* socket = m_server->nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                    if (socket->readAll().startsWith("activate") && m_raise)
                        m_raise();
                    socket->disconnectFromServer();
                });
                QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                 &QObject::deleteLater);
            }
        });
    }
    return true;
}

void InstanceLock::onActivationRequest(std::function<void()> raise)
{
    m_raise = std::move(raise);
}

bool InstanceLock::requestActivation(const QString& name, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(name));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(timeoutMs);
    socket.waitForDisconnected(timeoutMs);
    return true;
}
