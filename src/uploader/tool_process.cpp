#include "tool_process.h"

tool_process::tool_process(QObject *parent) : QProcess(parent)
{
    // Every start passes through Starting, whichever start() overload was called;
    // a start that Qt refuses because the tool still runs does not, so the
    // earlier run's flag stays as it is.
    connect(this, &QProcess::stateChanged, this, [this](ProcessState state) {
        if (state == Starting)
            m_stopped_on_purpose = false;
    });
}

void tool_process::close()
{
    // Only a tool that is actually running can be stopped; closing an idle
    // process must not hide a report about the next one.
    if (state() != NotRunning)
        m_stopped_on_purpose = true;
    QProcess::close();
}
