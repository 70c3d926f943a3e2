#include "bootloader.h"

#include "message_catalogue.h"
#include "output_interpreter.h"

#include <QMetaObject>

// Reading and interpreting the tool's output, the end of each run, and process
// errors.

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
    const QString chunk = decode_tool_output(process.readAllStandardOutput());
    // What a run we stopped or left still had in the pipe means nothing now.
    if (m_run == tool_run::none || m_run == tool_run::handover)
        return;
    apply(m_reader.read(chunk));
}

void bootloader::apply(const QVector<tool_reaction> &reactions)
{
    // The reactions are worked out before any is applied: applying them can stop
    // the run (the window does so when the port list changes its serial box), and
    // the rest of the chunk is still acted on.
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
                m_outcome = outcome::green;
                emit changecolour(green);
                enter_phase(update_phase::succeeded);
                break;
            case status_colour::red:
                m_outcome = outcome::red;
                emit changecolour(red);
                break;
            case status_colour::white:
                emit changecolour(white);
                break;
            }
            break;
        case tool_reaction::device_found: {
            // Only a waiting run's detection line leads to writing; one that comes
            // from any other run (or a second one) is no reason to flash.
            if (m_run != tool_run::waiting)
                break;
            bootloader_version = reaction.version;
            device_name = reaction.name;
            show(detection_message(device_name, bootloader_version, filepath), false);
            emit changecolour(white);
            m_run = tool_run::handover;
            const int generation = ++m_generation;
            when_safe([this, generation] {
                if (generation == m_generation)
                    start_flash();
            });
            break;
        }
        }
    }
}

void bootloader::run_finished(int exit_code, QProcess::ExitStatus status)
{
    const notification_scope scope(m_notifications);
    const tool_run run = m_run;
    // Stopped or left by us, or replaced by the flash run: nothing to report.
    if (run == tool_run::none || run == tool_run::handover)
        return;
    if (process.stopped_on_purpose()) {
        m_run = tool_run::none;
        return;
    }
    // The tool's last line may lack its line end.
    apply(m_reader.finish());
    if (m_run != run)
        return; // the last line found the device, or a stop came in between
    m_run = tool_run::none;

    const char stopped_early[] = "The upload tool stopped before the update was complete "
                                 "(exit code %1). Please try again.";
    // A crash has been reported already, as a process error.
    if ((run == tool_run::waiting || run == tool_run::flashing) && m_outcome == outcome::none &&
        status == QProcess::NormalExit)
        fail(QString::fromLatin1(stopped_early).arg(exit_code));
    // An error line turns the box red, but some of them are warnings after which the
    // tool goes on: an update that is red at the tool's end is over only now.
    if ((run == tool_run::waiting || run == tool_run::flashing) && m_outcome == outcome::red)
        enter_phase(update_phase::failed);
}

void bootloader::errorslot(QProcess::ProcessError errors)
{
    // QProcess on Windows reports a tool that cannot be started from inside start(),
    // before the caller has shown what the run is for (Update its power-cycle prompt
    // on white), which would bury the report and turn the box white again. So the
    // report waits for the event loop, where Linux makes it anyway.
    if (m_starting) {
        QMetaObject::invokeMethod(
            this, [this, errors] { errorslot(errors); }, Qt::QueuedConnection);
        return;
    }
    const notification_scope scope(m_notifications);
    // The program kills the tool itself when the port changes, when the flash run
    // replaces the update run and at shutdown, and Qt calls every such kill a
    // crash. That is no failure the user needs to hear about.
    if (errors == QProcess::Crashed && process.stopped_on_purpose())
        return;
    const bool update_run = m_run == tool_run::waiting || m_run == tool_run::flashing;
    // A crash after the outcome is only the tool's end, and changes nothing.
    if (errors == QProcess::Crashed && update_run && m_outcome != outcome::none)
        return;
    // A run that never started will not finish either.
    if (errors == QProcess::FailedToStart)
        m_run = tool_run::none;

    show(QStringLiteral("Error occured: "), true);
    show(QString::fromLatin1(process_error_text(static_cast<int>(errors))), true);
    if (update_run && m_outcome == outcome::none) {
        m_outcome = outcome::red;
        emit changecolour(red);
        enter_phase(update_phase::failed);
    }
}

void bootloader::fail(const QString &message)
{
    show(message, true);
    m_outcome = outcome::red;
    emit changecolour(red);
    enter_phase(update_phase::failed);
}

// Every text for the status box passes here. A line with a carriage return
// overwrites the top line of the box, which is right for the figure before it
// but would wipe out a message the user has not read yet: after such a message
// the figure starts a line of its own, which the next figures overwrite.
void bootloader::show(QString text, bool lasting)
{
    if (m_top_lasting) {
        const int line_end = static_cast<int>(text.indexOf(QLatin1Char('\n')));
        const int first_line = line_end < 0 ? static_cast<int>(text.size()) : line_end;
        const int carriage_return = static_cast<int>(text.indexOf(QLatin1Char('\r')));
        if (carriage_return >= 0 && carriage_return < first_line)
            text = text.left(carriage_return) + text.mid(first_line);
    }
    // A text that starts with a line feed adds no line, so the top stays as it is.
    if (!text.isEmpty() && !text.startsWith(QLatin1Char('\n')))
        m_top_lasting = lasting;
    emit textreadysig(text);
}
