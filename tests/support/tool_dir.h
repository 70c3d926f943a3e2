#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A placeholder firmware file, the smallest the program's check accepts: one data
// record of four bytes, then the end record.
inline const char placeholder_firmware[] = ":0400000001020304F2\n:00000001FF\n";

// A scratch working directory with a tool installed as ./fwld.exe. The process's
// current directory is switched to it for the object's lifetime, because the
// program starts its tool relative to the working directory.
class tool_dir
{
public:
    enum tool_kind { fake_tool, simulated_tool, no_tool };

    explicit tool_dir(tool_kind tool = fake_tool);
    ~tool_dir();
    tool_dir(const tool_dir &) = delete;
    tool_dir &operator=(const tool_dir &) = delete;

    bool is_valid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString file_path(const QString &name) const { return m_dir.filePath(name); }

    // Writes a file into the directory (`name` may name a folder in it, made when
    // missing); returns false when it could not be written.
    bool write_file(const QString &name, const QByteArray &contents) const;

    // The fake tool's script (see fake_tool.cpp for its commands).
    bool set_script(const QByteArray &script) const
    {
        return write_file("fake-tool.script", script);
    }

    // The command lines the fake tool was started with, oldest first.
    QList<QStringList> runs() const;

    // Copies the stand-in tool into the directory as "fwld-sim" ("fwld-sim.exe" on
    // Windows), so that a fake tool with the script line "exec ./fwld-sim" records
    // each run and then hands it to the stand-in.
    bool install_simulator() const;

    // Copies a file of the stand-in tool's source folder (device.txt, samples/...)
    // into the directory under `name`.
    bool copy_simulator_file(const QString &source, const QString &name) const;

    // A file of the stand-in tool's samples folder; empty when it cannot be read.
    static QByteArray simulator_sample(const QString &name);

    // Creates an empty marker file, which releases a fake tool waiting on it.
    bool touch(const QString &name) const { return write_file(name, QByteArray()); }

private:
    QTemporaryDir m_dir;
    QString m_previous_dir;
    bool m_valid = false;
};
