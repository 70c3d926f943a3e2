#pragma once

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
        device_found, // store `version` and `name`, report them and start the flash run
    };

    kind_type kind = show_text;
    int row = 0; // the catalogue row that fired, 1 to 23
    QStringList ports;
    QString text;
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

// The two status lines shown when the device has been found.
QString detection_message(const QString &name, const QString &version, const QString &filepath);
