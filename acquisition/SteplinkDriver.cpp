#include "SteplinkDriver.h"

#include "MessageTable.h"
#include "Messages.h"

#include <QDir>
#include <QLibrary>

SteplinkApi SteplinkDriver;

bool SteplinkApi::isBound() const
{
    return SLGetVersion && SLInit && SLStartAcqContinue && SLReadPodoCG && SLStopAcqContinue &&
           SLExit;
}

namespace {

template <typename Fn> bool bind(QLibrary& library, const char* name, Fn& target, QString& error)
{
    target = reinterpret_cast<Fn>(library.resolve(name));
    if (target)
        return true;
    error = Msg::tr(Msg::DriverFunctionMissing)
                .arg(QDir::toNativeSeparators(library.fileName()), QLatin1String(name));
    return false;
}

} // namespace

bool BindSteplinkLibrary(const QString& libraryPath, SteplinkApi& api, QString& error)
{
    api = SteplinkApi();
    // The library stays loaded for the whole run (never unloaded): the
    // acquisition thread may call into it until program end.
    auto* candidate = new QLibrary(libraryPath);
    if (!candidate->load()) {
        error = Msg::tr(Msg::DriverLoadFailed)
                    .arg(QDir::toNativeSeparators(libraryPath), candidate->errorString());
        delete candidate;
        return false;
    }
    SteplinkApi bound;
    if (!bind(*candidate, "SLGetVersion", bound.SLGetVersion, error) ||
        !bind(*candidate, "SLInit", bound.SLInit, error) ||
        !bind(*candidate, "SLStartAcqContinue", bound.SLStartAcqContinue, error) ||
        !bind(*candidate, "SLReadPodoCG", bound.SLReadPodoCG, error) ||
        !bind(*candidate, "SLStopAcqContinue", bound.SLStopAcqContinue, error) ||
        !bind(*candidate, "SLExit", bound.SLExit, error)) {
        candidate->unload();
        delete candidate;
        return false;
    }
    api = bound;
    return true;
}

bool LoadSteplinkDriver(const QString& exePath)
{
    QString error;
    if (BindSteplinkLibrary(QDir(exePath).filePath(QLatin1String(STEPLINK_LIBRARY_FILE)),
                            SteplinkDriver, error))
        return true;
    ShowMessage(error, MessageKind::Error);
    return false;
}

QString SteplinkVersion(const SteplinkApi& api)
{
    if (!api.SLGetVersion)
        return {};
    char buffer[STEPLINK_VERSION_MAX + 1] = {};
    api.SLGetVersion(buffer, STEPLINK_VERSION_MAX);
    buffer[STEPLINK_VERSION_MAX] = '\0';
    return QString::fromLocal8Bit(buffer);
}
