#include "warnings.h"

#include <signal.h>

namespace {
QStringList collected;
void collect(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        collected << message;
}
} // namespace

QStringList warningsDuring(const std::function<void()> &action)
{
    collected.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    action();
    qInstallMessageHandler(previous);
    return collected;
}

bool processGone(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == -1;
}
