#pragma once

#include <QString>
#include <QStringList>

// How text for the status box reads, written down once: the controller applies
// these rules as it sends text, the status box (src/ui/status_box.*) as it shows it.
//
// - The newest line stands at the top of the box.
// - A text is split at its line feeds into lines; a blank line ends the text, and
//   whatever follows it is dropped.
// - A line that holds a carriage return is a progress figure: it overwrites the
//   top line instead of adding one.
// - A text that starts with a line feed adds no line, so the top stays as it is.
// - A lasting message (an error, the outcome) is never overwritten: a figure sent
//   after it loses its carriage return and so starts a line of its own, which the
//   next figures overwrite.
namespace status_text {

// The lines of `text` as the box takes them, each followed by a line feed.
QStringList entries(const QString &text);

// A line holding a carriage return anywhere overwrites the top line.
bool is_progress(const QString &line);

// `text` as it may be sent while the top line is a lasting message: a carriage
// return in its first line is dropped with the rest of that line's figure end.
QString after_lasting(const QString &text);

// Whether sending `text` leaves the top line as it is.
bool keeps_top(const QString &text);

} // namespace status_text
