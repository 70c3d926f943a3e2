#pragma once

#include "message_catalogue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Turns the uploader tool's output into what the program should do about it. Pure
// functions of the text: no process and no QObject are needed, so a chunk can be
// fed straight in. The controller applies the result with its signals.

// The outcome colours of the status box; the controller maps them to its QColors.
enum class status_colour { green, red, white };

struct tool_reaction
{
    enum kind_type {
        add_ports,    // append `ports` to the known ports, then send the whole list
        show_text,    // send `text` to the status box
        set_colour,   // send `colour` to the status box
        device_found, // store `version` and `name` and report them; the course hands over to the
                      // flash run
    };

    kind_type kind = show_text;
    int row = 0;                             // the catalogue row that fired, 1 to 23
    row_effect effect = row_effect::message; // and what kind of row it is
    QStringList ports;
    QString text;
    // A message the user must be able to read: no later figure overwrites it.
    bool lasting = false;
    status_colour colour = status_colour::white;
    QString version;
    QString name;
};

// The tool's bytes as text: everything before the first zero byte, one character
// per byte (Latin-1), so that no byte the tool writes can fail to convert.
QString decode_tool_output(const QByteArray &bytes);

// Every catalogue row is tested on the chunk alone, in row order, each firing at
// most once; the reactions come back in the order they must be applied.
QVector<tool_reaction> interpret_chunk(const QString &chunk);

// The tool's output of one run, read after read. A pipe may split a text
// anywhere, so the end of a read that could still be the start of a text is kept
// and joined to the next read. A text is acted on once, in the read that brings
// its last character; the port list and the detection line, whose fields run to
// the end of their line, once their line is complete. What arrives whole in one
// read is handled exactly as interpret_chunk() handles it.
class tool_output_reader
{
public:
    QVector<tool_reaction> read(const QString &chunk);
    // The tool has ended: an unfinished port list or detection line is complete.
    QVector<tool_reaction> finish();
    // A new run: nothing of the previous one is kept.
    void reset() { m_kept.clear(); }

    // An unfinished line is kept up to this length; beyond it, it is taken as it stands.
    static const int max_kept_line = 4096;

private:
    QString m_kept;
};

// The two status lines shown when the device has been found.
QString detection_message(const QString &name, const QString &version, const QString &filepath);
