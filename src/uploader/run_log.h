#pragma once

#include "update_course.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// What the tool's runs did, kept for the report that support reads after a
// failed update (update_report.h). The status box shows the user translated
// messages only; this keeps what the tool really printed and how each run ended.
// Nothing of it is written anywhere.

// One run of the tool.
struct run_record
{
    enum ending_type {
        still_running,
        exited, // with exit_code
        crashed,
        failed_to_start, // reason: the system's
        stopped,         // by the program; reason: why
    };

    // Each of the output's first and last bytes kept: a run that floods its
    // output still costs at most about three times this.
    static constexpr int kept_bytes = 64 * 1024;

    tool_run run = tool_run::none;
    QString program;
    QStringList arguments;
    QDateTime started;
    QDateTime ended;
    ending_type ending = still_running;
    int exit_code = 0;
    QString reason;

    // Standard output as read: the first kept_bytes in `head`, the last ones in
    // `tail`, and how many between them were left out.
    QByteArray head;
    QByteArray tail;
    qint64 left_out = 0;

    void add_output(const QByteArray &bytes);
    // Only the first ending counts: a run we stop still reports its end after.
    void end(ending_type how, int code = 0, const QString &why = QString());
    qint64 output_size() const { return head.size() + left_out + tail.size(); }

private:
    void keep_last_of_tail();
};

// The runs of the current update, or of the last one, and the port list run
// before it. The controller tells it of each run's start, output and end, in
// the order they happen on the tool process.
class run_log
{
public:
    // Update was pressed and its file checked: from now on the report covers this
    // update, with the port list run before it, even when no run follows (a
    // refused file).
    void update_begins();
    void run_started(tool_run run, const QString &program, const QStringList &arguments);
    void output(const QByteArray &bytes);
    void run_ended(run_record::ending_type how, int code = 0, const QString &why = QString());

    // The port list run before the update, then the update's runs; before any
    // update, the last port list run.
    QVector<run_record> report_runs() const;

private:
    run_record *current();

    run_record m_latest_ports;
    run_record m_ports_before_update;
    QVector<run_record> m_update;
    bool m_update_begun = false;
    // Which record the tool process is writing to.
    enum { none, ports, update } m_current = none;
};
