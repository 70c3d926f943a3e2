#pragma once

#include <QStringList>

class QColor;
class QString;
class QTextEdit;

// The rules of the status box. The newest line stands at the top, and a line
// carrying a carriage return is a progress figure that rewrites the top line in
// place instead of adding one. Text is queued first and shown one entry per
// timer tick, so a burst of tool output never floods the box. The box keeps a
// bounded history, so that a tick costs the same however long the session.
namespace status_box {

// How many lines the box keeps, the newest; older ones leave from the bottom. A
// line here is a paragraph of the box's document (a QTextDocument block), so a
// line that wraps still counts once and an empty one counts too. A successful
// update writes 21, so this is about the last 47 updates.
const int kept_lines = 1000;

// The queue entries for a text sent to the box: each line up to the first empty
// one, followed by a line feed. A blank line ends the text, so whatever follows
// it is dropped; carriage returns stay in their line.
QStringList entries(const QString &text);

// An entry holding a carriage return anywhere overwrites the top line.
bool is_progress(const QString &entry);

// Shows the head of `queue` in `box` and removes it; nothing when the queue is
// empty. A run of progress entries at the head is shown as its last member
// only, since the earlier figures would be overwritten at once. The history is
// trimmed afterwards and the box shows its top, where the entry went.
void show_next(QStringList &queue, QTextEdit &box);

// Removes the oldest lines, at the bottom, beyond kept_lines. show_next calls it
// after every entry; whoever writes into the box directly calls it afterwards.
// It also turns off the box's undo history, which would otherwise keep every
// line ever removed.
void trim_history(QTextEdit &box);

// The background colour, in every colour group, so that it holds while the
// window is inactive or the box disabled.
void set_background(QTextEdit &box, const QColor &color);

} // namespace status_box
