#pragma once
// Named mutexes between program instances: a lock file per name in the
// user's runtime folder, held as long as the instance runs (a crashed
// instance's lock is recognised as stale by its process id). The holder also
// listens on a local socket of the same name, through which a second start
// asks it to bring its main window to the front.

#include <QLocalServer>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class InstanceLock
{
public:
    explicit InstanceLock(const QString& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock when no running instance holds it; false when one does.
    bool acquire();
    bool held() const { return m_held; }

    // While held: `raise` runs when another start asks for the front.
    void onActivationRequest(std::function<void()> raise);

    // Asks the holder of `name` to bring its main window to the front;
    // false when nobody answers within `timeoutMs`.
    static bool requestActivation(const QString& name, int timeoutMs = 1000);

    // The folder of the lock files ($VELUNOR_RUNTIME_DIR, else the user's
    // runtime folder).
    static QString runtimeFolder();
    static QString serverName(const QString& name);

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_raise;
    bool m_held = false;
};
