#pragma once

#include "status_text.h"

#include <QStringList>

class QColor;
class QString;
class QTextEdit;

// The status box: the rules of status_text.h applied to a QTextEdit. Text is
// queued first and shown one entry per timer tick, so a burst of tool output
// never floods the box. The box keeps a bounded history, so that a tick costs
// the same however long the session.
namespace status_box {

// How many lines the box keeps, the newest; older ones leave from the bottom. A
// line here is a paragraph of the box's document (a QTextDocument block), so a
// line that wraps still counts once and an empty one counts too. How many updates
// that holds depends on how many lines each writes (the README counts a successful one).
const int kept_lines = 1000;

// The queue entries for a text sent to the box.
using status_text::entries;
using status_text::is_progress;

// Shows the head of `queue` in `box` and removes it; nothing when the queue is
// empty. A run of progress entries at the head is shown as its last member
// only, since the earlier figures would be overwritten at once. The history is
// trimmed afterwards and the box shows its top, where the entry went.
void show_next(QStringList &queue, QTextEdit &box);

// Writes `text` straight into the box at the top, before anything queued, and
// trims the history: the window's answers that cannot wait for a tick.
void write_at_top(QTextEdit &box, const QString &text);

// Removes the oldest lines, at the bottom, beyond kept_lines. show_next and
// write_at_top call it after every edit.
// It also turns off the box's undo history, which would otherwise keep every
// line ever removed.
void trim_history(QTextEdit &box);

// The background colour, in every colour group, so that it holds while the
// window is inactive or the box disabled. The text takes the colour of
// text_colour_on(color) with it: the scheme's own text colour is made for the
// scheme's background, and is unreadable on white under a dark or high-contrast
// scheme (white on white).
void set_background(QTextEdit &box, const QColor &color);

// The contrast ratio of two colours as WCAG 2 defines it, from 1 to 21.
double contrast_ratio(const QColor &first, const QColor &second);

// Black or white, whichever stands out more on `background`. On the box's three
// colours that is black: 21 on white, 15.4 on green (0, 255, 50) and 5.3 on red,
// where white would give 4.0; 4.5 is WCAG's floor for text of this size.
QColor text_colour_on(const QColor &background);

} // namespace status_box
