#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A scratch working directory with a tool installed as ./fwld.exe. The process's
// current directory is switched to it for the object's lifetime, because the
// program starts its tool relative to the working directory.
class ToolDir
{
public:
    enum Tool { FakeTool, SimulatedTool, NoTool };

    explicit ToolDir(Tool tool = FakeTool);
    ~ToolDir();
    ToolDir(const ToolDir &) = delete;
    ToolDir &operator=(const ToolDir &) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Writes a file into the directory; returns false when it could not be written.
    bool writeFile(const QString &name, const QByteArray &contents) const;

    // The fake tool's script (see fake_tool.cpp for its commands).
    bool setScript(const QByteArray &script) const { return writeFile("fake-tool.script", script); }

    // The command lines the fake tool was started with, oldest first.
    QList<QStringList> runs() const;

    // Copies the stand-in tool into the directory as "fwld-sim" ("fwld-sim.exe" on
    // Windows), so that a fake tool with the script line "exec ./fwld-sim" records
    // each run and then hands it to the stand-in.
    bool installSimulator() const;

    // Copies a file of the stand-in tool's source folder (device.txt, samples/...)
    // into the directory under `name`.
    bool copySimulatorFile(const QString &source, const QString &name) const;

    // Creates an empty marker file, which releases a fake tool waiting on it.
    bool touch(const QString &name) const { return writeFile(name, QByteArray()); }

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
    bool m_valid = false;
};
