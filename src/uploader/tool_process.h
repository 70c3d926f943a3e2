#pragma once

#include <QProcess>

// The tool's process. The program stops the tool on purpose (a new port, the
// flash run replacing the update run, shutdown), and Qt reports such a kill as a
// crash; this class remembers that the stop was ours so that the report can be
// told apart from a tool that really crashed.
class tool_process : public QProcess
{
    Q_OBJECT
public:
    explicit tool_process(QObject *parent = nullptr);

    // Stops the tool by force and waits for it. The stop counts as deliberate
    // until the next run starts, however it is started.
    void close() override;

    // True from a close() of a running tool until the next start: the tool's end
    // was our doing.
    bool stopped_on_purpose() const { return m_stopped_on_purpose; }

private:
    bool m_stopped_on_purpose = false;
};
