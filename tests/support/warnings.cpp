#include "warnings.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <signal.h>
#endif

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
