#pragma once

#include "bootloader.h"
#include "combo_entries.h"
#include "mainwindow.h"
#include "tool_dir.h"
#include "wait_limits.h"

#include <QByteArray>
#include <QComboBox>
#include <QDir>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

// The real window and controller against a tool in a scratch working directory:
// the fake tool following a script, or the stand-in tool behind a recording fake
// (so that every command line is known). The members are destroyed in reverse:
// the window first, then the controller, which stops a tool still running, and
// last the directory.

// The stand-in's pace for a whole update through the window.
inline const char sim_settings[] = "device_appears_after_ms=200\n"
                                   "dot_interval_ms=50\n"
                                   "progress_delay_ms=0\n"
                                   // Each phase line must arrive in a read of its own.
                                   "phase_delay_ms=250\n";

// The status box's colours, as the design gives them: "white", "green" or "red".
inline QColor status_colour(const QString &name)
{
    return name == "green" ? QColor(0, 255, 50) : name == "red" ? QColor(255, 0, 0) : Qt::white;
}

// Fake tool scripts for a whole update: run 1 lists the ports (COM4 is the last),
// run 2 waits for the device, run 3 writes.
inline const char ports_answer[] = "1:print COM Numbers are:3:4\\r\\n\n";
inline const char device_found[] = "2:print Device found on port:4:2A:Unit\\r\\n\n";

// The firmware box's entry that opens the file dialog.
inline const char load_file[] = "Load File....";

struct window_rig
{
    explicit window_rig(tool_dir::tool_kind tool = tool_dir::fake_tool) : dir(tool) {}

    // The fake tool following `script` and the firmware files `files`, then the
    // window, which lists the ports at once; at the program's own pace, not shown.
    bool build(const QStringList &files = {}, const QByteArray &script = {})
    {
        if (!dir.is_valid() || !dir.set_script(script))
            return false;
        release_reads_in(script);
        for (const QString &file : files)
            if (!dir.write_file(file, placeholder_firmware))
                return false;
        make_window();
        return true;
    }

    // The window on what the folder holds already.
    void make_window()
    {
        // The machine's own serial devices stay out of the tests' port lists.
        controller.device_folder = dir.file_path("dev");
        QDir().mkpath(controller.device_folder);
        window = std::make_unique<MainWindow>(controller, timer);
        box = widget<QTextEdit>("Status_textbox");
        ports = widget<QComboBox>("serial_combobox");
        firmware = widget<QComboBox>("Firmware_combobox");
        update = widget<QPushButton>("Update_button");
        // After the window's own connection: the program has taken the read when this runs.
        QObject::connect(&controller.process, &QProcess::readyReadStandardOutput, window.get(),
                         [this] { note_read(); });
    }

    // The handshake that splits a text across reads, as a pipe may: the script
    // writes a part and waits ("N:wait readN.K"); once the program has taken its K-th
    // read of run N the rig writes the file readN.K, and what the script writes next
    // comes in a later read. Every such line of the script is answered this way.
    void release_reads_in(const QByteArray &script)
    {
        const QRegularExpression handshake("^(\\d+):wait (read\\1\\.\\d+)$");
        for (const QByteArray &line : script.split('\n')) {
            const QRegularExpressionMatch match = handshake.match(QString::fromLatin1(line));
            if (match.hasMatch())
                released.append(match.captured(2));
        }
    }

    void note_read()
    {
        const int run = static_cast<int>(dir.runs().size());
        const QString file = QString("read%1.%2").arg(run).arg(++reads[run]);
        if (released.removeAll(file) > 0)
            dir.touch(file);
    }

    // Shows the window (built now, on what the folder holds, unless it was), with
    // the status timer sped up so that queued lines show without the user's 400 ms
    // pace.
    void open()
    {
        if (!window)
            make_window();
        timer.setInterval(5);
        window->show();
    }

    // The fake tool following `script`, and fw.hex to choose; then open().
    bool open_scripted(const QByteArray &script)
    {
        if (!build({"fw.hex"}, script))
            return false;
        open();
        return true;
    }

    // The stand-in tool, recorded by the fake one, with its device library.
    // `device_library` replaces the stand-in's device.txt; "-" leaves it out.
    bool use_simulator(const QByteArray &extra_settings = QByteArray(),
                       const QByteArray &device_library = QByteArray())
    {
        const bool library =
            device_library.isEmpty()
                ? dir.copy_simulator_file("device.txt", "device.txt")
                : device_library == "-" || dir.write_file("device.txt", device_library);
        return dir.is_valid() && library && dir.install_simulator() &&
               dir.set_script("exec ./fwld-sim\n") &&
               dir.write_file("fwld-sim.conf", sim_settings + extra_settings);
    }

    // Once the port list run has ended with `port` chosen (the last the scripts and
    // the stand-in list).
    bool ports_listed(const QString &port = "COM4")
    {
        return QTest::qWaitFor(
            [&] {
                return ports->currentText() == port &&
                       controller.process.state() == QProcess::NotRunning;
            },
            tool_wait_ms);
    }

    void press_update() { QTest::mousePress(update, Qt::LeftButton); }

    // The fake tool following `script`, the window open on it, the port list over
    // and Update pressed.
    bool start_update(const QByteArray &script)
    {
        if (!open_scripted(script) || !ports_listed())
            return false;
        press_update();
        return true;
    }

    template <typename T> T *widget(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    QStringList lines() const { return box->toPlainText().split('\n'); }
    QString top() const { return lines().value(0); }
    QColor colour() const { return box->palette().color(QPalette::Base); }

    // Everything queued so far has been shown once a line queued now is on top.
    bool drain()
    {
        window->insert_text("-- drained --");
        return QTest::qWaitFor([this] { return top() == "-- drained --"; }, tool_wait_ms);
    }

    tool_dir dir;
    bootloader controller;
    QTimer timer;
    std::unique_ptr<MainWindow> window;
    QTextEdit *box = nullptr;
    QComboBox *ports = nullptr;
    QComboBox *firmware = nullptr;
    QPushButton *update = nullptr;
    // The handshake files not written yet, and the reads taken of each run so far.
    QStringList released;
    QMap<int, int> reads;
};
