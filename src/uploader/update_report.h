#pragma once

#include "firmware_check.h"
#include "run_log.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// The plain-text report of an update for the maker's support, which the user
// copies from the status box's menu: written for a person who did not see the
// screen, so it says where the program ran, what it ran and what came back. In
// English whatever the window's language; it quotes the status lines as shown.

struct report_facts
{
    QDateTime made;
    QString program_name;
    QString program_version;
    QString qt_version;
    QString system;
    QString cpu;
    // The language the window showed, in English: the status lines below are in it.
    QString language;

    QString working_folder;
    QString tool_path;
    bool tool_found = false;

    // As the tool was given it (or would be), and what the file system says of it;
    // the program never reads the file for this.
    QString firmware_path;
    bool firmware_found = false;
    qint64 firmware_size = 0;
    QDateTime firmware_modified;
    // The file as the check at the last Update read it, when there was one.
    bool firmware_checked = false;
    firmware_check checked_firmware;

    QVector<run_record> runs;

    // The status box's lines for the update, oldest first, and how many earlier
    // ones were not kept.
    QStringList shown_lines;
    int shown_left_out = 0;
    QString colour; // in words
};

// The facts of this program and machine, the tool `program` as found from the
// working folder, the firmware at `firmware`, and `runs`.
report_facts gather_facts(const QString &program, const QString &firmware,
                          const QVector<run_record> &runs);

QString write_report(const report_facts &facts);

// Bytes as the tool wrote them, read as a terminal shows them: a line feed or a
// carriage return and line feed as a line break, printable ASCII and valid UTF-8
// as text, every other byte as an escape (\r, \b, \t, \\, \xHH).
QString escaped_output(const QByteArray &bytes);
