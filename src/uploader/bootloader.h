#pragma once

#include "tool_process.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

// The controller between the window and the uploader tool "./fwld.exe": it owns
// the one tool process, holds what goes onto the tool's command line, keeps what
// it learned from the tool's output and sends the window text and colours.
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
    QString output;
    QString error_output;

    // The port-list run: "-t".
    void list_ports();
    // The update run: waits for the bootloader on `comport`, then turns the box white.
    void start_update();
    // Takes the port number from a serial box entry such as "COM7".
    void select_port(QString entry);
    // The flash run, made once the tool has reported the device: stops the
    // running tool and starts writing `filepath`.
    void start_flash();

signals:
    void devicelist(QStringList COMdevices);
    void textreadysig(QString text);
    void changecolour(QColor);

public slots:
    void filepathupdate(QString text);
    // Declared with the enum: Qt 5 will not connect the process's error signal
    // to a slot that takes a plain int.
    void errorslot(QProcess::ProcessError errors);
    void textready();

private:
    void start_run();
};
