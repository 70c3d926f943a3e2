#include "tool_dir.h"

#include "wait_limits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

tool_dir::tool_dir(tool_kind tool) : m_previous_dir(QDir::currentPath())
{
    if (!m_dir.isValid())
        return;
    const QString target = m_dir.filePath("fwld.exe");
    if (tool == fake_tool && !QFile::copy(QString::fromUtf8(FAKE_TOOL_PATH), target))
        return;
    if (tool == simulated_tool && !QFile::copy(QString::fromUtf8(SIM_TOOL_PATH), target))
        return;
    m_valid = QDir::setCurrent(m_dir.path());
}

tool_dir::~tool_dir()
{
    QDir::setCurrent(m_previous_dir);
    // Windows refuses to remove a folder that a process which has just ended there
    // is still registered in, and lets it go a moment later; elsewhere the first
    // try succeeds.
    // What still fails is left to QTemporaryDir, which warns about it.
    (void)QTest::qWaitFor([this] { return QDir(m_dir.path()).removeRecursively(); }, tool_wait_ms);
}

bool tool_dir::write_file(const QString &name, const QByteArray &contents) const
{
    // A file in a folder of its own gets the folder too.
    QFile file(m_dir.filePath(name));
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QList<QStringList> tool_dir::runs() const
{
    QList<QStringList> result;
    QFile log(m_dir.filePath("runs.log"));
    if (!log.open(QIODevice::ReadOnly))
        return result;
    QList<QByteArray> lines = log.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the log ends in a line feed
    QStringList current;
    for (const QByteArray &line : lines) {
        if (line == "--") {
            result.append(current);
            current.clear();
        } else {
            current.append(QString::fromUtf8(QByteArray::fromPercentEncoding(line)));
        }
    }
    return result;
}

bool tool_dir::install_simulator() const
{
    // Under the built file's own name, which on Windows carries the ".exe" that a
    // program needs there to be started at all.
    const QString built = QString::fromUtf8(SIM_TOOL_PATH);
    return QFile::copy(built, m_dir.filePath(QFileInfo(built).fileName()));
}

bool tool_dir::copy_simulator_file(const QString &source, const QString &name) const
{
    return QFile::copy(QString::fromUtf8(SIM_SOURCE_DIR) + '/' + source, m_dir.filePath(name));
}

QByteArray tool_dir::simulator_sample(const QString &name)
{
    QFile file(QString::fromUtf8(SIM_SOURCE_DIR) + "/samples/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
