// Starts the real program in a temporary demo installation under a virtual
// X server, logs in as a person would (xdotool), and prints
//
//   startup: login_ms=.. main_ms=.. rss_mb=..
//
// login_ms: from the exec of the program to its login dialog shown (the
//   window mapped on the X server);
// main_ms: from the Return that confirms the login to the main window shown;
// rss_mb: the program's resident memory (VmRSS) with the main window open,
//   one and a half seconds after it showed.
// Each figure is the median of several starts; "--runs N" sets how many,
// "--verbose" prints every start on stderr.
//
// Needs Xvfb and xdotool; the windows are watched through the X server's own
// map notifications, so the times do not depend on polling.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <poll.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

const QString InstallDir = QStringLiteral(VELUNOR_INSTALL_DIR);
const QString LoginCaption = QString::fromUtf8("Droits d'acc\xc3\xa8s");
const QString MainCaption = QStringLiteral("Velunor");

bool verbose = false;

void fail(const QString& what)
{
    std::fprintf(stderr, "bench_startup: %s\n", qPrintable(what));
}

// The X server the program runs on, and the watch on its top-level windows.
class Display
{
public:
    ~Display()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000))
                m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    bool start()
    {
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        m_server.setStandardErrorFile(QProcess::nullDevice());
        if (!m_server.waitForStarted(10000))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (!m_server.canReadLine() && waited.elapsed() < 15000)
            m_server.waitForReadyRead(500);
        const QByteArray number = m_server.readLine().trimmed();
        if (number.isEmpty())
            return false;
        m_name = QStringLiteral(":") + QString::fromLatin1(number);
        m_connection = xcb_connect(m_name.toLatin1().constData(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return false;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_netWmName = atom("_NET_WM_NAME");
        m_utf8 = atom("UTF8_STRING");
        xcb_flush(m_connection);
        return true;
    }

    QString name() const { return m_name; }

    // Waits until a top-level window titled `caption` is mapped; returns
    // it, or nothing after `timeoutMs`.
    std::optional<xcb_window_t> waitMapped(const QString& caption, int timeoutMs)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                std::optional<xcb_window_t> found;
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    if (title(map->window) == caption)
                        found = map->window;
                }
                free(event);
                if (found)
                    return found;
            }
            const qint64 left = timeoutMs - waited.elapsed();
            if (left <= 0 || xcb_connection_has_error(m_connection))
                return std::nullopt;
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(std::min<qint64>(left, 100)));
        }
    }

private:
    xcb_atom_t atom(const char* name)
    {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return value;
    }

    QString title(xcb_window_t window)
    {
        for (const auto& [property, type] :
             {std::pair{m_netWmName, m_utf8},
              std::pair{xcb_atom_t(XCB_ATOM_WM_NAME), xcb_atom_t(XCB_ATOM_STRING)}}) {
            xcb_get_property_reply_t* reply = xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, 256),
                nullptr);
            if (!reply)
                continue;
            const QByteArray value(static_cast<const char*>(xcb_get_property_value(reply)),
                                   xcb_get_property_value_length(reply));
            free(reply);
            if (!value.isEmpty())
                return type == m_utf8 ? QString::fromUtf8(value) : QString::fromLatin1(value);
        }
        return QString();
    }

    QProcess m_server;
    QString m_name;
    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_netWmName = XCB_ATOM_NONE;
    xcb_atom_t m_utf8 = XCB_ATOM_NONE;
};

// Sets one key of an INI file, keeping the rest.
bool setIniValue(const QString& path, const QString& section, const QString& key,
                 const QString& value)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    file.close();
    const QString entry = key + QLatin1Char('=') + value;
    qsizetype header = -1;
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            if (header >= 0)
                break;
            if (line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0)
                header = i;
        } else if (header >= 0 && line.section(QLatin1Char('='), 0, 0)
                                          .trimmed()
                                          .compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = entry;
            done = true;
        }
    }
    if (!done && header >= 0)
        lines.insert(header + 1, entry);
    else if (!done)
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry << QString();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(lines.join(QStringLiteral("\r\n")).toUtf8()) >= 0;
}

int freeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

bool copyTree(const QString& from, const QString& to)
{
    QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        // What a demo laid out in the build folder added is not the build's:
        // the new installation gets its own.
        if (entry.fileName().endsWith(QLatin1String(".lab"), Qt::CaseInsensitive) ||
            entry.fileName().compare(QLatin1String("Balvoro.ini"), Qt::CaseInsensitive) == 0)
            continue;
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

struct Installation
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/velunor-bench-XXXXXX")};
    QProcessEnvironment env;

    void keep() const { const_cast<QTemporaryDir&>(dir).setAutoRemove(false); }

    bool make(const QString& display)
    {
        if (!dir.isValid())
            return false;
        for (const char* name : {"balvoro", "balvoro-admin", "libSteplink.so", "RptMirado.rav"}) {
            const QString source = InstallDir + QLatin1Char('/') + QLatin1String(name);
            if (QFile::exists(source) && !QFile::copy(source, dir.filePath(QLatin1String(name))))
                return false;
        }
        if (!copyTree(InstallDir + QStringLiteral("/Config"),
                      dir.filePath(QStringLiteral("Config"))))
            return false;
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("VELUNOR_CONFIG_HOME"), dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("VELUNOR_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));

        QProcess admin;
        admin.setProcessEnvironment(env);
        admin.start(dir.filePath(QStringLiteral("balvoro-admin")),
                    {QStringLiteral("demo"), dir.path()});
        if (!admin.waitForFinished(120000) || admin.exitCode() != 0) {
            fail(QStringLiteral("balvoro-admin demo: ") +
                 QString::fromUtf8(admin.readAllStandardError()));
            return false;
        }
        // The simulated plate listens on a port nobody else uses.
        return setIniValue(dir.filePath(QStringLiteral("Steplink.ini")),
                           QStringLiteral("Simulator"), QStringLiteral("UdpPort"),
                           QString::number(freeUdpPort()));
    }
};

bool xdo(const Installation& install, const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.setProcessEnvironment(install.env);
    xdotool.start(QStringLiteral("xdotool"), arguments);
    return xdotool.waitForFinished(10000) && xdotool.exitCode() == 0;
}

// Puts the keyboard on `window`: there is no window manager.
void focus(const Installation& install, xcb_window_t window)
{
    const QString id = QString::number(window);
    xdo(install, {QStringLiteral("mousemove"), QStringLiteral("--window"), id, QStringLiteral("10"),
                  QStringLiteral("10")});
    xdo(install, {QStringLiteral("windowfocus"), id});
    QThread::msleep(200);
}

void keys(const Installation& install, const QStringList& names)
{
    for (const QString& name : names) {
        xdo(install, {QStringLiteral("key"), name});
        QThread::msleep(100);
    }
}

void type(const Installation& install, const QString& text)
{
    xdo(install, {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

double residentMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1.0;
}

struct Start
{
    double loginMs = 0;
    double mainMs = 0;
    double rssMb = 0;
};

std::optional<Start> startOnce(Display& display, const Installation& install)
{
    QProcess program;
    program.setProcessEnvironment(install.env);
    program.setWorkingDirectory(QDir::rootPath());
    program.setStandardOutputFile(install.dir.filePath(QStringLiteral("console.txt")),
                                  QIODevice::Append);
    program.setProcessChannelMode(QProcess::MergedChannels);

    Start start;
    QElapsedTimer clock;
    clock.start();
    program.start(install.dir.filePath(QStringLiteral("balvoro")), {});
    const std::optional<xcb_window_t> login = display.waitMapped(LoginCaption, 30000);
    start.loginMs = double(clock.nsecsElapsed()) / 1e6;
    if (!login) {
        fail(QStringLiteral("no login dialog"));
        program.kill();
        program.waitForFinished(5000);
        return std::nullopt;
    }

    // As in the end-to-end tests: the password box has the focus; the
    // name box is before it.
    QThread::msleep(300);
    focus(install, *login);
    keys(install,
         {QStringLiteral("shift+Tab"), QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type(install, QStringLiteral("THERAPIST"));
    keys(install, {QStringLiteral("Tab"), QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type(install, QStringLiteral("balance1"));
    QThread::msleep(200);

    clock.restart();
    xdo(install, {QStringLiteral("key"), QStringLiteral("Return")});
    const std::optional<xcb_window_t> main = display.waitMapped(MainCaption, 30000);
    start.mainMs = double(clock.nsecsElapsed()) / 1e6;
    if (!main) {
        fail(QStringLiteral("no main window"));
        program.kill();
        program.waitForFinished(5000);
        return std::nullopt;
    }
    QThread::msleep(1500);
    start.rssMb = residentMb(program.processId());
    // A message box is titled like the main window: none may have shown.
    QFile console(install.dir.filePath(QStringLiteral("console.txt")));
    if (console.open(QIODevice::ReadOnly) && console.readAll().contains("[message]")) {
        fail(QStringLiteral("the program showed a message; see ") + console.fileName());
        install.keep();
        program.kill();
        program.waitForFinished(5000);
        return std::nullopt;
    }

    // Files > Quit.
    focus(install, *main);
    keys(install, {QStringLiteral("alt+f"), QStringLiteral("q")});
    if (!program.waitForFinished(15000)) {
        program.terminate();
        if (!program.waitForFinished(5000))
            program.kill();
        program.waitForFinished(5000);
    }
    return start;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    verbose = arguments.contains(QStringLiteral("--verbose"));
    int runs = 5;
    const qsizetype runsArg = arguments.indexOf(QStringLiteral("--runs"));
    if (runsArg > 0 && runsArg + 1 < arguments.size())
        runs = std::max(1, arguments.at(runsArg + 1).toInt());

    Display display;
    if (!display.start()) {
        fail(QStringLiteral("no X server (Xvfb)"));
        return 1;
    }
    Installation install;
    if (!install.make(display.name()))
        return 1;

    std::vector<double> login, main, rss;
    for (int run = 0; run < runs; ++run) {
        const std::optional<Start> start = startOnce(display, install);
        if (!start)
            return 1;
        if (verbose)
            std::fprintf(stderr, "bench_startup: start %d: login %.0f ms, main %.0f ms, %.1f MB\n",
                         run + 1, start->loginMs, start->mainMs, start->rssMb);
        login.push_back(start->loginMs);
        main.push_back(start->mainMs);
        rss.push_back(start->rssMb);
    }
    std::printf("startup: login_ms=%.0f main_ms=%.0f rss_mb=%.1f\n", median(login), median(main),
                median(rss));
    return 0;
}
