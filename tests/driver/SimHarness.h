#pragma once
// Loads the built simulator library from a temporary installation folder,
// the way the program loads its driver from its own folder.

#include "steplink.h"
#include "steplink_sim.h"

#include <QByteArray>
#include <QLibrary>
#include <QPointF>
#include <QString>
#include <QTemporaryDir>

// A fresh folder holding a copy of libSteplink.so and, optionally, an INI.
class SimInstallation
{
public:
    SimInstallation();
    bool isValid() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QString libraryPath() const { return m_dir.filePath(STEPLINK_LIBRARY_FILE); }
    bool writeFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

class SimLibrary
{
public:
    explicit SimLibrary(const QString& path);
    ~SimLibrary();

    bool load(); // resolves every export; false when one is missing
    QString errorString() const { return m_error; }
    bool unload();

    int32_t init() const;
    QPointF read() const;
    QString version(int32_t size) const;

    SLGetVersionFn getVersion = nullptr;
    SLInitFn slInit = nullptr;
    SLStartAcqContinueFn startAcq = nullptr;
    SLReadPodoCGFn readCog = nullptr;
    SLStopAcqContinueFn stopAcq = nullptr;
    SLExitFn slExit = nullptr;
    SimCounterFn malformedDatagrams = nullptr;
    SimCounterFn malformedTraceLines = nullptr;

private:
    QLibrary m_library;
    QString m_error;
};

// A UDP port nobody listens on right now.
quint16 FreeUdpPort();
// True when 127.0.0.1:port can be bound, i.e. the simulator is not on it.
bool UdpPortFree(quint16 port);
bool SendDatagram(quint16 port, const QByteArray& datagram);
// A [Simulator] section on `port`, plus `extra` lines.
QByteArray SimIni(quint16 port, const QByteArray& extra = {});
