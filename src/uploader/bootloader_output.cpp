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

// The events are worked out for the whole read before any is handled: handling
// them can leave the run (the detection line hands over to the writing run), and
// the rest of the read is still offered to the course, which then finds its run
// left.
void bootloader::tool_output(const QVector<tool_event> &events)
{
    for (const tool_event &said : events)
        handle(said.kind, 0, &said);
}

void bootloader::apply_output(const tool_event &said, bool lasting)
{
    switch (said.kind) {
    case course_event::tool_ports:
        take_ports(said.ports);
        break;
    case course_event::device_found:
        bootloader_version = said.version;
        device_name = said.name;
        show(detection_message(device_name, bootloader_version, m_firmware.path), false);
        break;
    default:
        for (const QString &text : said.texts)
            show(text, lasting);
        break;
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

namespace {

// The port chosen once `listed` has come: the one chosen before while it is still
// listed, else the last one listed; none when none is. A port that was never
// chosen (the default before the first list) is not kept.
QString port_after_list(const QStringList &listed, const QString &chosen, bool was_chosen)
{
    if (was_chosen && listed.contains(chosen))
        return chosen;
    return listed.isEmpty() ? QString() : listed.last();
}

} // namespace

// The controller holds the choice; the window shows the list and the choice as
// they are handed to it, and hands back only what the user chooses.
void bootloader::take_ports(const QStringList &ports)
{
    COMdevices += ports;
    // An empty first list leaves the default port as it was.
    if (m_port_chosen || !COMdevices.isEmpty()) {
        comport = port_after_list(COMdevices, comport, m_port_chosen);
        m_port_chosen = true;
    }
    emit devicelist(COMdevices);
}

// In the window's language, as every text for the status box.
QStringList bootloader::course_message_texts(course_message message, int code) const
{
    switch (message) {
    case course_message::already_running:
        return {tr("An update is already running!")};
    case course_message::port_changed:
        return {tr("Update stopped: the serial port was changed. Press Update to try again.")};
    case course_message::stopped_early:
        //: %1 is the number the upload tool ended with.
        return {tr("The upload tool stopped before the update was complete (exit code %1). "
                   "Please try again.")
                    .arg(code)};
    case course_message::stop_overdue:
        return {tr("The upload tool has not stopped after %1 seconds. Please check the cable "
                   "and press Update to try again.")
                    .arg(qMax(1, stop_wait_ms / 1000))};
    case course_message::bad_firmware:
        // As the tool's "hex file read failure!" brings it, then what is wrong where.
        return {message_text(bad_firmware_message) + QLatin1String("\n\n"),
                fault_words(m_firmware.verdict)};
    case course_message::crashed:
    case course_message::process_error:
        //: Shown on a line of its own, above the kind of error ("Crashed!").
        return {tr("Error occured: "), process_error_text(code)};
    case course_message::failed_to_start: {
        // Most often the program was started away from the tool: say where it looked.
        const QFileInfo tool(QDir::current(), program);
        return {tr("Error occured: "), process_error_text(code),
                start_failure_hint(tool.fileName(), QDir::toNativeSeparators(tool.absolutePath()),
                                   tool.exists(), process.errorString())};
    }
    }
    return {};
}

// What a screen reader says after an update's outcome: the words the box showed
// for it, on one line.
QString bootloader::explanation_of(const course_action &outcome, const tool_event *said) const
{
    QStringList texts;
    switch (outcome.explained_by) {
    case explanation::none:
        break;
    case explanation::tool_words:
        if (said != nullptr)
            texts = said->texts;
        break;
    case explanation::course_words:
        texts = course_message_texts(outcome.message, outcome.code);
        break;
    }
    return texts.join(QLatin1Char(' ')).simplified();
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
    report_facts facts = gather_facts(program, firmware, runs);
    facts.firmware_checked = m_firmware_checked;
    facts.checked_firmware = m_firmware;
    return facts;
}
