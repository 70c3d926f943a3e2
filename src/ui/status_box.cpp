#include "status_box.h"

#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>

namespace status_box {

namespace {
const char line_feed[] = "\n";
const QChar carriage_return = QLatin1Char('\r');
} // namespace

QStringList entries(const QString &text)
{
    QStringList result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.isEmpty())
            break;
        result.append(line + QLatin1String(line_feed));
    }
    return result;
}

bool is_progress(const QString &entry)
{
    return entry.contains(carriage_return);
}

void show_next(QStringList &queue, QTextEdit &box)
{
    if (queue.isEmpty())
        return;

    if (!is_progress(queue.first())) {
        box.moveCursor(QTextCursor::Start, QTextCursor::MoveAnchor);
        box.insertPlainText(queue.takeFirst());
        return;
    }

    while (queue.size() > 1 && is_progress(queue.at(1)))
        queue.removeFirst();

    // Only the first displayed line goes: when the top paragraph wraps, the rest
    // of it stays, and the paragraph itself stays to take the new figure.
    QTextCursor top = box.textCursor();
    top.movePosition(QTextCursor::Start, QTextCursor::MoveAnchor, 1);
    top.select(QTextCursor::LineUnderCursor);
    top.removeSelectedText();

    box.moveCursor(QTextCursor::Start, QTextCursor::MoveAnchor);
    // The figure ends at its carriage return; the line feed the queue added
    // after it must not push the figure down a line.
    box.insertPlainText(queue.takeFirst().section(carriage_return, 0, 0));
}

void set_background(QTextEdit &box, const QColor &color)
{
    QPalette palette = box.palette();
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(color, Qt::SolidPattern));
    box.setPalette(palette);
}

} // namespace status_box
