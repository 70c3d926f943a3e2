#include "tool_process.h"

void tool_process::close()
{
    // Only a tool that is actually running can be stopped; closing an idle
    // process must not hide a report about the next one.
    if (state() != NotRunning)
        m_stopped_on_purpose = true;
    QProcess::close();
}

void tool_process::start(const QString &program, const QStringList &arguments, OpenMode mode)
{
    // A start while the tool still runs is refused by QProcess and the earlier
    // run goes on, so the earlier run's stop flag must stay as it is.
    if (state() == NotRunning)
        m_stopped_on_purpose = false;
    QProcess::start(program, arguments, mode);
}
