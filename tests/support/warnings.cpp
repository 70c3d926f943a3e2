#include "warnings.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <signal.h>
#include <sys/wait.h>
#endif

#include <QElapsedTimer>
#include <QThread>

namespace {
QStringList collected;
void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        collected << message;
}
} // namespace

QStringList warnings_during(const std::function<void()> &action)
{
    collected.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    action();
    qInstallMessageHandler(previous);
    return collected;
}

bool process_gone(qint64 pid)
{
#ifdef Q_OS_WIN
    // A process that has ended but is still held open by a handle has an exit code;
    // one that is wholly gone cannot be opened any more.
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return true;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return !running;
#else
    return ::kill(static_cast<pid_t>(pid), 0) == -1;
#endif
}

bool wait_for_exit_unnoticed(qint64 pid, int limit_ms)
{
#ifdef Q_OS_WIN
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return true;
    const bool ended = WaitForSingleObject(process, static_cast<DWORD>(limit_ms)) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
#else
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < limit_ms) {
        siginfo_t info{};
        // WNOWAIT leaves the ended process for QProcess; ECHILD means Qt's own
        // SIGCHLD handling has reaped it already, which needs the process ended too.
        if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == -1)
            return errno == ECHILD;
        if (info.si_pid == pid)
            return true;
        QThread::msleep(5);
    }
    return false;
#endif
}
