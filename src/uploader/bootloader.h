#pragma once

#include "output_interpreter.h"
#include "tool_process.h"
#include "update_phase.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// The controller between the window and the uploader tool "./fwld.exe": it owns
// the one tool process, holds what goes onto the tool's command line, keeps what
// it learned from the tool's output and sends the window text and colours.
//
// Every update ends green or red: a run that ends, is stopped or fails before
// the tool reported success or failure ends the update red with a message that
// says so.
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

    // The port-list run: "-t".
    void list_ports();
    // The update run: waits for the bootloader on `comport`, then turns the box
    // white. While an update is under way it starts nothing, says so and returns
    // false; a port-list run still going is stopped to make way.
    bool start_update();
    // Takes the port number from a serial box entry such as "COM7".
    void select_port(QString entry);
    // The user chose another port: whatever the tool is doing ends. An update
    // stopped this way ends red.
    void stop_for_new_port();

signals:
    void devicelist(QStringList COMdevices);
    void textreadysig(QString text);
    void changecolour(QColor);
    // Sent on each change: running when an update starts, succeeded or failed when
    // it is over.
    void update_phase_changed(update_phase phase);

public slots:
    void filepathupdate(QString text);
    // Declared with the enum: Qt 5 will not connect the process's error signal
    // to a slot that takes a plain int.
    void errorslot(QProcess::ProcessError errors);
    void textready();

private:
    // Which run the process is performing, as far as we still care.
    enum class tool_run {
        none,      // no run, or one we stopped or left
        port_list, // "-t"
        waiting,   // "-b": waiting for the device's bootloader
        handover,  // the device was found; the flash run is about to replace the waiting run
        flashing,  // "-f": writing and verifying
    };
    enum class outcome { none, green, red };

    void run_finished(int exit_code, QProcess::ExitStatus status);
    void apply(const QVector<tool_reaction> &reactions);
    void start_run(tool_run run);
    void start_flash();
    void leave_run();
    void when_safe(const std::function<void()> &action);
    void show(QString text, bool lasting);
    void fail(const QString &message);
    bool update_under_way() const;
    void enter_phase(update_phase phase);

    tool_run m_run = tool_run::none;
    outcome m_outcome = outcome::none;
    // Counts starts and stops, so that a deferred stop or start that has been
    // overtaken does nothing.
    int m_generation = 0;
    // Nesting depth of the tool process's notifications being handled.
    int m_notifications = 0;
    // True inside QProcess::start(), which on Windows reports a tool that cannot be
    // started before it returns.
    bool m_starting = false;
    // The last line sent must stay readable: no progress figure overwrites it.
    bool m_top_lasting = false;
    tool_output_reader m_reader;
    update_phase m_phase = update_phase::idle;
};
