#pragma once

#include "message_catalogue.h"
#include "update_course.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Turns the uploader tool's output into the events of the update's course.
// The texts for the status box come in the window's language (the translators
// installed into the application); the tool's own words are matched as written.
// Pure functions of the text: no process and no QObject are needed, so a chunk
// can be fed straight in. What the events do to the status box (its colour above
// all) is the course's to decide; the controller applies it.

// One row of the message table that fired: the course event it raises, with what
// the user is to read and what the controller keeps.
struct tool_event
{
    // tool_text, tool_ports, tool_warning, tool_failure, tool_success or device_found.
    course_event::kind_type kind = course_event::tool_text;
    int row = 0;       // the table's row, 1 to 23
    QStringList texts; // for the status box, in this order
    QStringList ports; // tool_ports: to be appended to the known ports
    QString version;   // device_found: the bootloader's version and the device's name
    QString name;
};

// The tool's bytes as text: everything before the first zero byte, one character
// per byte (Latin-1), so that no byte the tool writes can fail to convert.
QString decode_tool_output(const QByteArray &bytes);

// Every catalogue row is tested on the chunk alone, in row order, each firing at
// most once; the events come back in that order, one per row that fired.
QVector<tool_event> interpret_chunk(const QString &chunk);

// The tool's output of one run, read after read. A pipe may split a text
// anywhere, so the end of a read that could still be the start of a text is kept
// and joined to the next read. A text is acted on once, in the read that brings
// its last character; the port list and the detection line, whose fields run to
// the end of their line, once their line is complete. What arrives whole in one
// read is handled exactly as interpret_chunk() handles it.
class tool_output_reader
{
public:
    QVector<tool_event> read(const QString &chunk);
    // The tool has ended: an unfinished port list or detection line is complete.
    QVector<tool_event> finish();
    // A new run: nothing of the previous one is kept.
    void reset() { m_kept.clear(); }

    // An unfinished line is kept up to this length; beyond it, it is taken as it stands.
    static const int max_kept_line = 4096;

private:
    QString m_kept;
};

// The line that asks the user to cycle power to the device, followed by the tool's
// waiting dots; translated, as every line below.
QString waiting_line(const QString &dots);

// The two status lines shown when the device has been found.
QString detection_message(const QString &name, const QString &version, const QString &filepath);
