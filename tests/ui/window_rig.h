#pragma once

#include "bootloader.h"
#include "combo_entries.h"
#include "mainwindow.h"
#include "tool_dir.h"
#include "wait_limits.h"

#include <QByteArray>
#include <QComboBox>
#include <QStringList>
#include <QTextEdit>
#include <QTimer>

#include <memory>

// A window on a controller and status timer of its own, in a scratch working
// directory whose fake tool follows `script`. The members are destroyed in
// reverse: the window first, then the controller, which stops a tool still
// running, and last the directory.
struct window_rig
{
    explicit window_rig(const QStringList &files = {}, const QByteArray &script = {})
    {
        ready = dir.is_valid() && dir.set_script(script);
        for (const QString &file : files)
            ready = ready && dir.write_file(file, QByteArray(":00000001FF\n"));
        window = std::make_unique<MainWindow>(controller, timer);
    }

    template <typename T> T *widget(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QComboBox *firmware_box() const { return widget<QComboBox>("Firmware_combobox"); }
    QComboBox *serial_box() const { return widget<QComboBox>("serial_combobox"); }
    QTextEdit *status_box() const { return widget<QTextEdit>("Status_textbox"); }

    tool_dir dir;
    bootloader controller;
    QTimer timer;
    std::unique_ptr<MainWindow> window;
    bool ready = false;
};
