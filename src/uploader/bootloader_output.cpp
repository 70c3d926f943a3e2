#include "bootloader.h"

#include "message_catalogue.h"
#include "output_interpreter.h"
#include "status_text.h"

#include <QDir>
#include <QFileInfo>

// Reading the tool's output, the end of each run and process errors, as events
// of the update's course.

namespace {

// Marks the handling of one of the tool process's notifications.
class notification_scope
{
public:
    explicit notification_scope(int &depth) : m_depth(depth) { ++m_depth; }
    ~notification_scope() { --m_depth; }
    notification_scope(const notification_scope &) = delete;
    notification_scope &operator=(const notification_scope &) = delete;

private:
    int &m_depth;
};

course_event::kind_type event_of(const tool_reaction &reaction)
{
    switch (reaction.effect) {
    case row_effect::port_list:
        return course_event::tool_ports;
    case row_effect::success:
        return course_event::tool_success;
    case row_effect::device_found:
        return course_event::device_found;
    case row_effect::warning:
        return course_event::tool_warning;
    case row_effect::message:
        return course_event::tool_failure;
    case row_effect::upload_starts:
    case row_effect::verify_starts:
    case row_effect::progress:
    case row_effect::waiting:
        break;
    }
    return course_event::tool_text;
}

} // namespace

void bootloader::textready()
{
    const notification_scope scope(m_notifications);
    const QByteArray bytes = process.readAllStandardOutput();
    m_runs.output(bytes);
    const QString chunk = decode_tool_output(bytes);
    // What a run we stopped or left still had in the pipe means nothing now.
    if (m_course.run == tool_run::none)
        return;
    tool_output(m_reader.read(chunk));
}

// The reactions are worked out for the whole read before any is applied:
// applying them can stop the run (the window does so when the port list changes
// its serial box), and the rest of the read is still offered to the course, which
// then finds its run left.
void bootloader::tool_output(const QVector<tool_reaction> &reactions)
{
    for (int first = 0; first < reactions.size();) {
        int end = first + 1;
        while (end < reactions.size() && reactions.at(end).row == reactions.at(first).row)
            ++end;
        const QVector<tool_reaction> row = reactions.mid(first, end - first);
        const course_event::kind_type kind = event_of(row.first());
        const course_actions actions = handle(kind, 0, row);
        if (kind == course_event::tool_ports)
            for (const course_action &action : actions)
                if (action.kind == course_action::pass_tool_output)
                    handle(course_event::ports_listed);
        first = end;
    }
}

void bootloader::apply_output(const QVector<tool_reaction> &reactions)
{
    for (const tool_reaction &reaction : reactions) {
        switch (reaction.kind) {
        case tool_reaction::add_ports:
            COMdevices += reaction.ports;
            emit devicelist(COMdevices);
            break;
        case tool_reaction::show_text:
            show(reaction.text, reaction.lasting);
            break;
        case tool_reaction::set_colour:
            switch (reaction.colour) {
            case status_colour::green:
                emit changecolour(green);
                break;
            case status_colour::red:
                emit changecolour(red);
                break;
            case status_colour::white:
                emit changecolour(white);
                break;
            }
            break;
        case tool_reaction::device_found:
            bootloader_version = reaction.version;
            device_name = reaction.name;
            show(detection_message(device_name, bootloader_version, filepath), false);
            emit changecolour(white);
            break;
        }
    }
}

void bootloader::run_finished(int exit_code, QProcess::ExitStatus status)
{
    const notification_scope scope(m_notifications);
    // The tool's last line may lack its line end.
    if (m_course.run != tool_run::none)
        tool_output(m_reader.finish());
    m_runs.run_ended(status == QProcess::CrashExit ? run_record::crashed : run_record::exited,
                     exit_code);
    // A crash is reported as a process error as well; whichever comes first counts.
    if (status == QProcess::CrashExit)
        handle(course_event::crashed, QProcess::Crashed);
    else
        handle(course_event::run_ended, exit_code);
    // Whatever ran, the process is free now: a start that waited for it can go.
    handle(course_event::tool_gone);
}

void bootloader::errorslot(QProcess::ProcessError errors)
{
    const notification_scope scope(m_notifications);
    switch (errors) {
    case QProcess::FailedToStart:
        m_runs.run_ended(run_record::failed_to_start, 0, process.errorString());
        handle(course_event::failed_to_start, errors);
        // No end follows a failed start.
        handle(course_event::tool_gone);
        break;
    case QProcess::Crashed:
        m_runs.run_ended(run_record::crashed);
        handle(course_event::crashed, errors);
        break;
    default:
        handle(course_event::other_process_error, errors);
        break;
    }
}

void bootloader::show_course_message(course_message message, int code)
{
    const char already_running[] = "An update is already running!";
    const char port_changed[] =
        "Update stopped: the serial port was changed. Press Update to try again.";
    const char stopped_early[] = "The upload tool stopped before the update was complete "
                                 "(exit code %1). Please try again.";
    const char stop_overdue[] = "The upload tool has not stopped after %1 seconds. Please "
                                "check the cable and press Update to try again.";
    switch (message) {
    case course_message::already_running:
        show(QString::fromLatin1(already_running), true);
        break;
    case course_message::port_changed:
        show(QString::fromLatin1(port_changed), true);
        break;
    case course_message::stopped_early:
        show(QString::fromLatin1(stopped_early).arg(code), true);
        break;
    case course_message::stop_overdue:
        show(QString::fromLatin1(stop_overdue).arg(qMax(1, stop_wait_ms / 1000)), true);
        break;
    case course_message::crashed:
    case course_message::process_error:
        show(QStringLiteral("Error occured: "), true);
        show(QString::fromLatin1(process_error_text(code)), true);
        break;
    case course_message::failed_to_start: {
        show(QStringLiteral("Error occured: "), true);
        show(QString::fromLatin1(process_error_text(code)), true);
        // Most often the program was started away from the tool: say where it looked.
        const QFileInfo tool(QDir::current(), program);
        show(start_failure_hint(tool.fileName(), QDir::toNativeSeparators(tool.absolutePath()),
                                tool.exists(), process.errorString()),
             true);
        break;
    }
    }
}

// Every text for the status box passes here, under the rules of status_text.h.
void bootloader::show(QString text, bool lasting)
{
    if (m_top_lasting)
        text = status_text::after_lasting(text);
    if (!status_text::keeps_top(text))
        m_top_lasting = lasting;
    emit textreadysig(text);
}

report_facts bootloader::details() const
{
    const QVector<run_record> runs = m_runs.report_runs();
    // The file as the writing run was given it; before one, the file chosen.
    QString firmware = filepath;
    for (const run_record &record : runs) {
        const int flag = static_cast<int>(record.arguments.indexOf(QStringLiteral("-f")));
        if (record.run == tool_run::flashing && flag >= 0)
            firmware = record.arguments.value(flag + 1);
    }
    return gather_facts(program, firmware, runs);
}
