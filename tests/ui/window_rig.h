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
struct WindowRig
{
    explicit WindowRig(const QStringList &files = {}, const QByteArray &script = {})
    {
        ready = dir.isValid() && dir.setScript(script);
        for (const QString &file : files)
            ready = ready && dir.writeFile(file, QByteArray(":00000001FF\n"));
        window = std::make_unique<MainWindow>(controller, timer);
    }

    template <typename T> T *widget(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QComboBox *firmware_box() const { return widget<QComboBox>("Firmware_combobox"); }
    QComboBox *serial_box() const { return widget<QComboBox>("serial_combobox"); }
    QTextEdit *status_box() const { return widget<QTextEdit>("Status_textbox"); }

    ToolDir dir;
    bootloader controller;
    QTimer timer;
    std::unique_ptr<MainWindow> window;
    bool ready = false;
};
