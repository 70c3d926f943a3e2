#include "run_log.h"

void run_record::add_output(const QByteArray &bytes)
{
    const int to_head = qMin(bytes.size(), kept_bytes - head.size());
    if (to_head > 0)
        head.append(bytes.constData(), to_head);
    const int rest = bytes.size() - to_head;
    if (rest == 0)
        return;
    if (rest >= kept_bytes) {
        // A read larger than the tail keeps its own last bytes alone, in a tail of
        // their size: appended whole, it would hold its memory however it is cut.
        left_out += tail.size() + rest - kept_bytes;
        tail = QByteArray(bytes.constData() + bytes.size() - kept_bytes, kept_bytes);
        return;
    }
    tail.append(bytes.constData() + to_head, rest);
    // Trimmed once the tail holds twice what it keeps, so that a flood in small
    // reads moves its bytes once, not once a read; the copy gives the rest back.
    if (tail.size() >= 2 * kept_bytes)
        keep_last_of_tail();
}

void run_record::keep_last_of_tail()
{
    if (tail.size() <= kept_bytes)
        return;
    left_out += tail.size() - kept_bytes;
    tail = QByteArray(tail.constData() + tail.size() - kept_bytes, kept_bytes);
}

void run_record::end(ending_type how, int code, const QString &why)
{
    if (ending != still_running)
        return;
    ending = how;
    exit_code = code;
    reason = why;
    ended = QDateTime::currentDateTime();
    // The tail is kept trimmed to what the report shows.
    keep_last_of_tail();
}

void run_log::update_begins()
{
    m_ports_before_update = m_latest_ports;
    m_update.clear();
    m_update_begun = true;
}

void run_log::run_started(tool_run run, const QString &program, const QStringList &arguments)
{
    run_record record;
    record.run = run;
    record.program = program;
    record.arguments = arguments;
    record.started = QDateTime::currentDateTime();
    switch (run) {
    case tool_run::port_list:
        m_latest_ports = record;
        m_current = ports;
        break;
    case tool_run::waiting:
        // A new update: the report now covers it and the port list it went on.
        m_ports_before_update = m_latest_ports;
        m_update = {record};
        m_update_begun = true;
        m_current = update;
        break;
    case tool_run::flashing:
        m_update.append(record);
        m_current = update;
        break;
    case tool_run::none:
        m_current = none;
        break;
    }
}

void run_log::output(const QByteArray &bytes)
{
    if (run_record *record = current())
        record->add_output(bytes);
}

void run_log::run_ended(run_record::ending_type how, int code, const QString &why)
{
    if (run_record *record = current())
        record->end(how, code, why);
}

QVector<run_record> run_log::report_runs() const
{
    QVector<run_record> runs;
    if (!m_update_begun) {
        if (m_latest_ports.run != tool_run::none)
            runs.append(m_latest_ports);
        return runs;
    }
    if (m_ports_before_update.run != tool_run::none)
        runs.append(m_ports_before_update);
    return runs + m_update;
}

run_record *run_log::current()
{
    switch (m_current) {
    case ports:
        return &m_latest_ports;
    case update:
        return m_update.isEmpty() ? nullptr : &m_update.last();
    case none:
        break;
    }
    return nullptr;
}
