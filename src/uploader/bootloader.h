#pragma once

#include "firmware_check.h"
#include "keep_awake.h"
#include "output_interpreter.h"
#include "port_watch.h"
#include "run_log.h"
#include "update_course.h"
#include "update_phase.h"
#include "update_report.h"

#include <QColor>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// The tool's process. One that outlives its kill at the program's end is let go
// (on Windows a tool stuck in a serial driver ends when the driver lets go):
// QProcess's own destructor would wait for it another 30 seconds.
class tool_process : public QProcess
{
public:
    void let_go() { setProcessState(QProcess::NotRunning); }
};

// The controller between the window and the uploader tool "./fwld.exe": it owns
// the one tool process, holds what goes onto the tool's command line, keeps what
// it learned from the tool's output and sends the window text and colours.
//
// Which run goes and how an update ends is decided by next_step()
// (update_course.h); the controller turns what happens into its events and
// carries out the actions it returns.
//
// The window reaches `process` and `filepath` directly, so the members are public.
class bootloader : public QObject
{
    Q_OBJECT
public:
    bootloader();
    ~bootloader() override;

    tool_process process;
    QString bootloader_version;
    QString device_name;
    QString filepath;
    QString program;
    QString baudrate;
    QStringList COMdevices;
    QColor green;
    QColor red;
    QColor white;
    QString comport;
    QStringList arguments;
    // How long Update waits for a port list still being read before it goes on
    // without it.
    int port_list_wait_ms = 10000;
    // How long a stopped tool has to end before the box says it has not, and
    // what was to start instead is dropped.
    int stop_wait_ms = 10000;
    // How a stop ends the tool: QProcess::kill, which returns at once; the end
    // comes back through the event loop. At the program's end the tool has about
    // two seconds to end after it. A test puts in one that the tool survives.
    std::function<void(QProcess &)> kill_tool = [](QProcess &tool) { tool.kill(); };
    // Where serial devices appear on Linux; a test points it at a folder of its own.
    QString device_folder = QStringLiteral("/dev");
    // Says when serial devices have come or gone (see watch_devices()).
    port_watch port_watcher;

    // The port-list run: "-t", started from the event loop. Each list replaces
    // the ports known before. While an update is under way it does nothing.
    void list_ports();
    // From now on, a serial device that comes or goes has the ports listed anew, as
    // if the user had opened the port box; during an update, once it is over. Needs
    // the application object.
    void watch_devices();
    // The update run: waits for the bootloader on `comport`, then turns the box
    // white. While an update is under way it starts nothing and says so. During a
    // port-list run that has not read its list yet it waits for the list, so that
    // it runs on the port then chosen. Whatever is left of an update that is over
    // makes way. An accepted update opens here and nowhere else: update_opens, then
    // the prompt to cycle power, which no earlier message holds on top. Before all
    // that, the firmware file is checked: one that cannot be right ends the update
    // red at once, set apart but with no prompt and no run.
    void start_update();
    // Takes the port number from a serial box entry such as "COM7".
    void select_port(QString entry);
    // The user chose another entry of the port box: it becomes the port, and an
    // update's run on the old port ends. An update stopped this way ends red.
    void choose_port(const QString &entry);
    // An update has been accepted and has not ended yet.
    bool update_running() const { return update_under_way(m_course); }
    // From the detection line until the outcome: stopping the tool now would leave
    // the device without working firmware.
    bool device_being_written() const { return ::device_being_written(m_course); }
    // The runs of the current or last update and the port list before it, with
    // the program, machine and firmware, for the report support reads.
    report_facts details() const;

signals:
    // The ports listed, as numbers; `comport` is the chosen one by then: the port
    // chosen before while it is still listed, else the last one.
    void devicelist(QStringList COMdevices);
    void textreadysig(QString text);
    void changecolour(QColor);
    // Sent on each change: running when an update opens, with what the user is to
    // do; succeeded or failed when it is over, a failure with the message that
    // explains it. Sent once the box has been sent the words and the colour.
    void update_phase_changed(update_phase phase, QString explanation);
    // An update has been accepted, or refused for its file: what is still queued for
    // the box belongs to the runs before, and the box sets them apart. The prompt,
    // or the refusal, follows at once.
    void update_opens();
    // The device is being written from now until the update's outcome.
    void writing_begins();

public slots:
    void filepathupdate(QString text);
    // Declared with the enum: Qt 5 will not connect the process's error signal
    // to a slot that takes a plain int.
    void errorslot(QProcess::ProcessError errors);
    void textready();

private:
    void run_finished(int exit_code, QProcess::ExitStatus status);
    // Feeds one event to the course and carries out its actions. `said` is what
    // the tool said, for the events of its output.
    void handle(course_event::kind_type kind, int code = 0, const tool_event *said = nullptr);
    void tool_output(const QVector<tool_event> &events);
    void apply_output(const tool_event &said, bool lasting);
    void take_ports(const QStringList &ports);
    void start_run(tool_run run);
    QStringList course_message_texts(course_message message, int code) const;
    QString explanation_of(const course_action &outcome, const tool_event *said) const;
    void show(QString text, bool lasting);
    void end_tool_at_exit();

    course_state m_course;
    QTimer m_port_list_wait;
    QTimer m_stop_watch;
    // Windows: ends a tool that a crash handler holds.
    QTimer m_crash_watch;
    // Nesting depth of the tool process's notifications being handled.
    int m_notifications = 0;
    // The last line sent must stay readable: no progress figure overwrites it.
    bool m_top_lasting = false;
    // `comport` was chosen from a list or by the user, rather than the default.
    bool m_port_chosen = false;
    tool_output_reader m_reader;
    run_log m_runs;
    // The firmware file as read at the last Update: what the writing run is given,
    // and what Copy Details says of it.
    firmware_check m_firmware;
    bool m_firmware_checked = false;
    // Holds the system awake from an update's opening to its outcome.
    keep_awake m_awake;
};
