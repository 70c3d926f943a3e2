#include "bootloader.h"

#include <QMetaObject>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef Q_OS_WIN
namespace {

// Whether a debugger holds the tool: the system's crash handler (Wine's debugger,
// or a debugger that error reporting starts) attaches to a crashed program and
// keeps it alive behind its dialog.
bool held_by_debugger(qint64 pid)
{
    HANDLE tool = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (tool == nullptr)
        return false;
    BOOL debugged = FALSE;
    const bool held = CheckRemoteDebuggerPresent(tool, &debugged) && debugged;
    CloseHandle(tool);
    return held;
}

} // namespace
#endif

namespace {

// How the program is named where the system lists what keeps it awake.
const char program_name[] = "Velmora Firmware Update Tool";
// How long the program's end waits for a killed tool.
const int exit_wait_ms = 2000;

// Why the program stopped a run, in the report's words.
QString stop_reason(stop_cause cause)
{
    switch (cause) {
    case stop_cause::update_pressed:
        return QStringLiteral("Update was pressed; a new update starts");
    case stop_cause::ports_wanted:
        return QStringLiteral("the ports are listed anew");
    case stop_cause::devices_changed:
        return QStringLiteral("a serial device came or went; the ports are listed anew");
    case stop_cause::ports_listed:
        return QStringLiteral("the ports were listed; the update that waited for them starts");
    case stop_cause::ports_overdue:
        return QStringLiteral("Update waited long enough for the port list; the update starts");
    case stop_cause::port_changed:
        return QStringLiteral("the port chosen in the port box changed");
    case stop_cause::device_found:
        return QStringLiteral("the device was found; the writing run takes over");
    case stop_cause::none:
        break;
    }
    return QStringLiteral("the program no longer needed the run");
}

} // namespace

bootloader::bootloader()
{
    program = QStringLiteral("./fwld.exe");
    comport = QStringLiteral("1");
    baudrate = QStringLiteral("1000000");

    green.setRgb(0, 255, 50, 255);
    red.setRgb(255, 0, 0, 255);
    white.setRgb(255, 255, 255, 255);
    // For queued connections and signal spies.
    qRegisterMetaType<update_phase>();

    // Standard error is never interpreted. Left in a pipe it would pile up in
    // memory, since nothing reads it while standard output stays quiet.
    process.setStandardErrorFile(QProcess::nullDevice());
    connect(&process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &bootloader::run_finished);
#ifdef Q_OS_WIN
    m_crash_watch.setInterval(500);
    connect(&m_crash_watch, &QTimer::timeout, this, [this] {
        if (process.state() == QProcess::NotRunning) {
            m_crash_watch.stop();
            return;
        }
        // Ended here, the tool is reported as the crash it is.
        if (held_by_debugger(process.processId()))
            process.kill();
    });
#endif
    m_stop_watch.setSingleShot(true);
    connect(&m_stop_watch, &QTimer::timeout, this, [this] { handle(course_event::stop_overdue); });
    connect(&port_watcher, &port_watch::changed, this,
            [this] { handle(course_event::devices_changed); });
    m_port_list_wait.setSingleShot(true);
    connect(&m_port_list_wait, &QTimer::timeout, this,
            [this] { handle(course_event::ports_overdue); });
}

bootloader::~bootloader()
{
    // The tool may still be running at shutdown. Cut its notifications first, so
    // that nothing from the dying process reaches slots of a half-destroyed
    // controller, then stop it, so that QProcess is not destroyed while its
    // child runs. The one stop that waits: the window is gone by now.
    disconnect(&process, nullptr, this, nullptr);
    handle(course_event::closing);
}

void bootloader::list_ports()
{
    handle(course_event::ports_wanted);
}

void bootloader::watch_devices()
{
    port_watcher.start(device_folder);
}

void bootloader::start_update()
{
    handle(course_event::update_pressed);
}

void bootloader::select_port(QString entry)
{
    QString result;
    if (entry.contains(QLatin1String("COM"), Qt::CaseSensitive))
        result = entry.remove(QLatin1String("COM"), Qt::CaseSensitive);
    comport = result;
    m_port_chosen = true;
}

void bootloader::choose_port(const QString &entry)
{
    select_port(entry);
    handle(course_event::port_changed);
}

void bootloader::filepathupdate(QString text)
{
    // The firmware box's entry for a working directory without firmware.
    const char no_files_placeholder[] = "No files found in local directory";

    // "Load File...." opens the file dialog; it is no file.
    if (text.contains(QLatin1String("Load File..."), Qt::CaseSensitive))
        return;
    // Nor is the placeholder. Taken as a path it would let Update ask for a power
    // cycle and then flash a file that does not exist; with no path, Update
    // refuses at once.
    if (text == QLatin1String(no_files_placeholder)) {
        filepath.clear();
        return;
    }
    filepath = text;
}

void bootloader::handle(course_event::kind_type kind, int code, const tool_event *said)
{
    course_event event;
    event.kind = kind;
    event.code = code;
    event.in_notification = m_notifications > 0;
    const course_step step = next_step(m_course, event);
    if (step.actions.overflowed)
        qWarning("The course of the update dropped an action of event %d", int(kind));
    // The state first: the actions can bring nested events (a stop delivers the
    // tool's end), which must see it.
    m_course = step.state;
    for (const course_action &action : step.actions) {
        switch (action.kind) {
        case course_action::stop_tool:
            m_runs.run_ended(run_record::stopped, 0, stop_reason(action.cause));
            kill_tool(process);
            break;
        case course_action::watch_stop:
            m_stop_watch.start(stop_wait_ms);
            break;
        case course_action::watch_ports:
            m_port_list_wait.start(port_list_wait_ms);
            break;
        case course_action::stop_at_exit:
            m_stop_watch.stop();
            m_awake.release();
            end_tool_at_exit();
            break;
        case course_action::start_run:
            start_run(action.run);
            break;
        case course_action::ask_safe_point:
            QMetaObject::invokeMethod(
                this, [this] { handle(course_event::safe_point); }, Qt::QueuedConnection);
            break;
        case course_action::pass_tool_output:
            Q_ASSERT(said != nullptr);
            if (said != nullptr)
                apply_output(*said, action.lasting);
            break;
        case course_action::show_message:
            for (const QString &text : course_message_texts(action.message, action.code))
                show(text, true);
            break;
        case course_action::set_green:
            emit changecolour(green);
            break;
        case course_action::set_red:
            emit changecolour(red);
            break;
        case course_action::set_white:
            emit changecolour(white);
            break;
        case course_action::check_file:
            // On this thread, before anything else: the check of a 4 MB file takes
            // milliseconds (bench_firmware_check), and its verdict decides what follows.
            m_firmware = check_firmware_file(filepath);
            m_firmware_checked = true;
            m_runs.update_begins();
            handle(m_firmware.verdict.accepted() ? course_event::file_accepted
                                                 : course_event::file_refused);
            break;
        case course_action::set_apart:
            emit update_opens();
            break;
        case course_action::open_update: {
            emit update_opens();
            // The box starts afresh below the separator. Sent through show(), the
            // prompt becomes the top line that no message holds: whatever lasting
            // message ended the update before, the first waiting figure takes the
            // prompt's place.
            const QString prompt = waiting_line(QStringLiteral("...."));
            show(prompt, false);
            emit update_phase_changed(update_phase::running, prompt);
            m_awake.hold(QString::fromLatin1(program_name),
                         tr("Updating the firmware of a device"));
            break;
        }
        case course_action::writing_begins:
            emit writing_begins();
            break;
        case course_action::tell_outcome:
            m_awake.release();
            emit update_phase_changed(action.phase, explanation_of(action, said));
            break;
        }
    }
}

void bootloader::end_tool_at_exit()
{
    if (process.state() == QProcess::NotRunning)
        return;
    kill_tool(process);
    // Not QProcess::close(), which waits up to 30 seconds: the user has closed the
    // window and the program must end.
    if (!process.waitForFinished(exit_wait_ms))
        process.let_go();
}

void bootloader::start_run(tool_run run)
{
    arguments.clear();
    switch (run) {
    case tool_run::port_list:
        // Each list replaces the ports known before.
        COMdevices.clear();
        arguments << QStringLiteral("-t");
        break;
    case tool_run::waiting:
        arguments << QStringLiteral("-s") << comport << QStringLiteral("-M") << baudrate
                  << QStringLiteral("-b");
        break;
    case tool_run::flashing:
        arguments << QStringLiteral("-s") << comport << QStringLiteral("-M") << baudrate
                  << QStringLiteral("-B") << bootloader_version
                  << QStringLiteral("-f")
                  // The file checked at Update, whatever the firmware box holds since.
                  << m_firmware.path;
        break;
    case tool_run::none:
        return;
    }
    m_reader.reset();
#ifdef Q_OS_WIN
    // Without the fault box turned off, Windows' error reporting holds a crashed
    // tool open behind a dialog, and its end never reaches us: the update would
    // stay white. A child takes its error mode from us at its start, so it is
    // turned off for the tool alone. Wine does not pass the mode on; there the
    // crash watch below ends a tool that its debugger holds.
    const UINT error_mode = SetErrorMode(0);
    SetErrorMode(error_mode | SEM_NOGPFAULTERRORBOX | SEM_FAILCRITICALERRORS);
#endif
    m_runs.run_started(run, program, arguments);
    process.start(program, arguments, QIODevice::ReadWrite);
#ifdef Q_OS_WIN
    SetErrorMode(error_mode);
    m_crash_watch.start();
#endif
}
