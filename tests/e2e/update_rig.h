#pragma once

#include "bootloader.h"
#include "combo_entries.h"
#include "mainwindow.h"
#include "tool_dir.h"
#include "wait_limits.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

// The real window and controller against a tool in a scratch working directory:
// the stand-in tool behind a recording fake (so that every command line is
// known), or the fake tool alone for what no well-behaved tool does.

inline const char sim_settings[] = "device_appears_after_ms=200\n"
                                   "dot_interval_ms=50\n"
                                   "progress_delay_ms=0\n"
                                   // Each phase line must arrive in a read of its own.
                                   "phase_delay_ms=250\n";

struct update_rig
{
    explicit update_rig(tool_dir::tool_kind tool = tool_dir::fake_tool) : dir(tool) {}

    // Builds the window, which lists the ports at once, and speeds up its status
    // timer so that queued lines show without the user's 400 ms pace.
    void open()
    {
        window = std::make_unique<MainWindow>(controller, timer);
        timer.setInterval(5);
        box = window->findChild<QTextEdit *>("Status_textbox");
        ports = window->findChild<QComboBox *>("serial_combobox");
        update = window->findChild<QPushButton *>("Update_button");
        window->show();
    }

    // The fake tool following `script`, and a firmware file to choose; then open().
    bool open_scripted(const QByteArray &script)
    {
        if (!dir.is_valid() || !dir.set_script(script) ||
            !dir.write_file("fw.hex", ":00000001FF\n"))
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
        return library && dir.install_simulator() && dir.set_script("exec ./fwld-sim\n") &&
               dir.write_file("fwld-sim.conf", sim_settings + extra_settings);
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
    QPushButton *update = nullptr;
};

inline QByteArray sample(const char *name)
{
    QFile file(QString::fromUtf8(SIM_SOURCE_DIR) + "/samples/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
