#include "tool_dir.h"

#include <QDir>
#include <QFile>

ToolDir::ToolDir(Tool tool) : m_previousDir(QDir::currentPath())
{
    if (!m_dir.isValid())
        return;
    const QString target = m_dir.filePath("fwld.exe");
    if (tool == FakeTool && !QFile::copy(QString::fromUtf8(FAKE_TOOL_PATH), target))
        return;
    if (tool == SimulatedTool && !QFile::copy(QString::fromUtf8(SIM_TOOL_PATH), target))
        return;
    m_valid = QDir::setCurrent(m_dir.path());
}

ToolDir::~ToolDir()
{
    QDir::setCurrent(m_previousDir);
}

bool ToolDir::writeFile(const QString &name, const QByteArray &contents) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QList<QStringList> ToolDir::runs() const
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

bool ToolDir::installSimulator() const
{
    return QFile::copy(QString::fromUtf8(SIM_TOOL_PATH), m_dir.filePath("fwld-sim"));
}

bool ToolDir::copySimulatorFile(const QString &source, const QString &name) const
{
    return QFile::copy(QString::fromUtf8(SIM_SOURCE_DIR) + '/' + source, m_dir.filePath(name));
}
