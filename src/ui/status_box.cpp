#include "status_box.h"

#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <cmath>

namespace status_box {

namespace {
const QChar carriage_return = QLatin1Char('\r');
} // namespace

void show_next(QStringList &queue, QTextEdit &box)
{
    if (queue.isEmpty())
        return;

    // Each entry is one edit at the top of the document. Its cost still grows
    // with the paragraphs below it, which the layout moves down or up one by
    // one; trim_history is what bounds them.
    QTextCursor top(box.document());
    if (!is_progress(queue.first())) {
        top.insertText(queue.takeFirst());
    } else {
        while (queue.size() > 1 && is_progress(queue.at(1)))
            queue.removeFirst();

        // Only the first displayed line goes: when the top paragraph wraps, the
        // rest of it stays, and the paragraph itself stays to take the new figure.
        top.select(QTextCursor::LineUnderCursor);
        // Typed over the selection, the figure replaces the line in one edit, so
        // the document is laid out once, not once for the removal and again for
        // the insertion. The figure ends at its carriage return; the line feed
        // the queue added after it must not push the figure down a line.
        top.insertText(queue.takeFirst().section(carriage_return, 0, 0));
    }

    trim_history(box);
    // The insertion pushed the box's own cursor down behind the new text; back
    // at the start, it brings the view to the top, where the newest line is.
    box.moveCursor(QTextCursor::Start, QTextCursor::MoveAnchor);
}

void write_at_top(QTextEdit &box, const QString &text)
{
    box.moveCursor(QTextCursor::Start, QTextCursor::MoveAnchor);
    box.insertPlainText(text);
    trim_history(box);
}

void trim_history(QTextEdit &box)
{
    QTextDocument *document = box.document();
    // Checked first: every call that turns it off may compact the whole text.
    if (document->isUndoRedoEnabled())
        document->setUndoRedoEnabled(false);
    if (document->blockCount() <= kept_lines)
        return;

    // From the end of the last line kept, so that its paragraph separator goes
    // with the older lines, to the end of the document.
    const QTextBlock last_kept = document->findBlockByNumber(kept_lines - 1);
    QTextCursor oldest(document);
    oldest.setPosition(last_kept.position() + last_kept.length() - 1);
    oldest.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
}

void set_background(QTextEdit &box, const QColor &color)
{
    QPalette palette = box.palette();
    palette.setBrush(QPalette::All, QPalette::Base, QBrush(color, Qt::SolidPattern));
    // Text is what a QTextEdit paints its text with; WindowText is what a style
    // may take instead for a read-only look.
    const QColor text = text_colour_on(color);
    palette.setColor(QPalette::All, QPalette::Text, text);
    palette.setColor(QPalette::All, QPalette::WindowText, text);
    box.setPalette(palette);
}

namespace {
// WCAG 2's relative luminance: each channel made linear, then weighted.
double relative_luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}
} // namespace

double contrast_ratio(const QColor &first, const QColor &second)
{
    const double a = relative_luminance(first) + 0.05;
    const double b = relative_luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

QColor text_colour_on(const QColor &background)
{
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return contrast_ratio(black, background) >= contrast_ratio(white, background) ? black : white;
}

} // namespace status_box
