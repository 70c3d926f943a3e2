#include "status_text.h"

namespace status_text {

QStringList entries(const QString &text)
{
    QStringList result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.isEmpty())
            break;
        result.append(line + QLatin1Char('\n'));
    }
    return result;
}

bool is_progress(const QString &line)
{
    return line.contains(QLatin1Char('\r'));
}

QString after_lasting(const QString &text)
{
    const int line_end = static_cast<int>(text.indexOf(QLatin1Char('\n')));
    const int first_line = line_end < 0 ? static_cast<int>(text.size()) : line_end;
    const int carriage_return = static_cast<int>(text.indexOf(QLatin1Char('\r')));
    if (carriage_return >= 0 && carriage_return < first_line)
        return text.left(carriage_return) + text.mid(first_line);
    return text;
}

bool keeps_top(const QString &text)
{
    return text.isEmpty() || text.startsWith(QLatin1Char('\n'));
}

} // namespace status_text
