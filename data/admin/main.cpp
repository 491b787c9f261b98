// balvoro-admin: prepares an installation folder for its first start.
//
//   balvoro-admin init DIR                    database, program INI, device INI
//   balvoro-admin demo DIR                    the same, and the demo data
//   balvoro-admin adduser DIR NAME PASSWORD   one more user

#include "AppError.h"
#include "MessageTable.h"
#include "Messages.h"
#include "Setup.h"

#include <QCoreApplication>
#include <QDir>

namespace {

int run(const QStringList& args)
{
    const QString command = args.value(1);
    const QString dir = args.value(2);
    const bool known = (command == QLatin1String("init") && args.size() == 3) ||
                       (command == QLatin1String("demo") && args.size() == 3) ||
                       (command == QLatin1String("adduser") && args.size() == 5);
    if (!known) {
        ShowMessage(Msg::tr(Msg::AdminUsage), MessageKind::Error);
        return 2;
    }
    if (command == QLatin1String("adduser")) {
        AddUser(dir, args[3], args[4]);
        ShowMessage(Msg::tr(Msg::AdminUserAdded).arg(args[3].trimmed().toUpper()));
        return 0;
    }
    for (const QString& path : SetupInstallation(dir))
        ShowMessage(Msg::tr(Msg::AdminCreated).arg(QDir::toNativeSeparators(path)));
    if (command == QLatin1String("demo")) {
        if (SeedDemoData(dir)) {
            QStringList users;
            for (const DemoUser& user : DemoUsers)
                users << QStringLiteral("%1/%2").arg(QLatin1String(user.name),
                                                     QLatin1String(user.password));
            ShowMessage(Msg::tr(Msg::AdminDemoAdded).arg(users.join(QLatin1String(", "))));
        } else {
            ShowMessage(Msg::tr(Msg::AdminDemoSkipped));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    try {
        return run(QCoreApplication::arguments());
    } catch (const AppError& error) {
        ShowMessage(error.message(), MessageKind::Error);
        return 1;
    }
}
