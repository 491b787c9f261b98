#include "PasswordInput.h"

#include <QByteArray>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

// The terminal settings to give back when the user interrupts a prompt
// whose echo is off; a shell left without echo looks broken.
struct termios savedTerminal;
volatile std::sig_atomic_t echoIsOff = 0;

extern "C" void restoreAndRaise(int signal)
{
    if (echoIsOff)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Reads bytes up to a line feed, one at a time, so that nothing after the
// line is taken from the input (a second password line stays for the next
// call).
std::optional<QByteArray> readLine()
{
    QByteArray line;
    bool any = false;
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        any = true;
        if (c == '\n')
            break;
        line.append(c);
    }
    if (!any)
        return std::nullopt;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

bool StdinIsTerminal()
{
    return ::isatty(STDIN_FILENO) == 1;
}

std::optional<QString> ReadSecretLine(const QString& prompt)
{
    if (!StdinIsTerminal()) {
        const std::optional<QByteArray> line = readLine();
        return line ? std::optional<QString>(QString::fromUtf8(*line)) : std::nullopt;
    }

    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    struct termios quiet;
    const bool haveTerminal = tcgetattr(STDIN_FILENO, &savedTerminal) == 0;
    using Handler = void (*)(int);
    Handler previousInt = SIG_DFL, previousTerm = SIG_DFL, previousHup = SIG_DFL;
    if (haveTerminal) {
        previousInt = std::signal(SIGINT, restoreAndRaise);
        previousTerm = std::signal(SIGTERM, restoreAndRaise);
        previousHup = std::signal(SIGHUP, restoreAndRaise);
        quiet = savedTerminal;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0)
            echoIsOff = 1;
    }
    const std::optional<QByteArray> line = readLine();
    if (haveTerminal) {
        if (echoIsOff)
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
        echoIsOff = 0;
        std::signal(SIGINT, previousInt);
        std::signal(SIGTERM, previousTerm);
        std::signal(SIGHUP, previousHup);
    }
    return line ? std::optional<QString>(QString::fromLocal8Bit(*line)) : std::nullopt;
}
