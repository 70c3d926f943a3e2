#include "bootloader.h"

#include <QMetaObject>

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
}

bootloader::~bootloader()
{
    // The tool may still be running at shutdown. Cut its notifications first, so
    // that nothing from the dying process reaches slots of a half-destroyed
    // controller, then kill it and wait, so that QProcess is not destroyed while
    // its child runs.
    disconnect(&process, nullptr, this, nullptr);
    process.close();
}

// Qt does not expect its process to be stopped or started from inside one of its
// own notifications: on Windows the output of a tool that has just exited is
// delivered from inside Qt's handling of its end, which goes on to read the exit
// code through a handle that a close() has freed; Qt 6 loses the output of a run
// started there. So whatever a notification leads to waits for the event loop.
void bootloader::when_safe(const std::function<void()> &action)
{
    if (m_notifications == 0)
        action();
    else
        QMetaObject::invokeMethod(this, action, Qt::QueuedConnection);
}

void bootloader::start_run(tool_run run)
{
    m_run = run;
    ++m_generation;
    m_reader.reset();
    m_starting = true;
    process.start(program, arguments, QIODevice::ReadWrite);
    m_starting = false;
}

bool bootloader::update_under_way() const
{
    return m_run == tool_run::waiting || m_run == tool_run::handover || m_run == tool_run::flashing;
}

void bootloader::list_ports()
{
    arguments.clear();
    arguments << QStringLiteral("-t");
    start_run(tool_run::port_list);
}

bool bootloader::start_update()
{
    const char already_running[] = "An update is already running!";
    if (update_under_way()) {
        show(QString::fromLatin1(already_running), true);
        return false;
    }
    // A slow port-list run, or a run we left that is still dying, makes way.
    m_run = tool_run::none;
    process.close();

    m_outcome = outcome::none;
    m_top_lasting = false;
    arguments.clear();
    arguments << QStringLiteral("-s") << comport << QStringLiteral("-M") << baudrate
              << QStringLiteral("-b");
    start_run(tool_run::waiting);
    emit changecolour(white);
    enter_phase(update_phase::running);
    return true;
}

// Each phase is sent once: a crash, say, is reported both as a process error and
// as the run's end.
void bootloader::enter_phase(update_phase phase)
{
    if (phase == m_phase)
        return;
    m_phase = phase;
    emit update_phase_changed(phase);
}

void bootloader::start_flash()
{
    arguments.clear();
    arguments << QStringLiteral("-s") << comport << QStringLiteral("-M") << baudrate
              << QStringLiteral("-B") << bootloader_version << QStringLiteral("-f") << filepath;
    // The waiting run may still be alive when the device has been found; it has
    // to make way for the flash run on the same process.
    process.close();
    start_run(tool_run::flashing);
}

// The run is over for us from now on; the process goes as soon as that is safe.
void bootloader::leave_run()
{
    m_run = tool_run::none;
    m_reader.reset();
    const int generation = ++m_generation;
    when_safe([this, generation] {
        if (generation == m_generation)
            process.close();
    });
}

void bootloader::stop_for_new_port()
{
    const char port_changed[] =
        "Update stopped: the serial port was changed. Press Update to try again.";
    const bool stops_update = update_under_way() && m_outcome != outcome::green;
    leave_run();
    if (stops_update)
        fail(QString::fromLatin1(port_changed));
}

void bootloader::select_port(QString entry)
{
    QString result;
    if (entry.contains(QLatin1String("COM"), Qt::CaseSensitive))
        result = entry.remove(QLatin1String("COM"), Qt::CaseSensitive);
    comport = result;
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
