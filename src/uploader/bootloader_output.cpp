#include "bootloader.h"

#include "message_catalogue.h"
#include "output_interpreter.h"

// Reading and interpreting the tool's output, and reporting process errors.

void bootloader::textready()
{
    output = decode_tool_output(process.readAllStandardOutput());
    // Standard error is never interpreted; reading it keeps its pipe from filling up.
    error_output = decode_tool_output(process.readAllStandardError());

    // The reactions are worked out before any is applied: applying them can close
    // the process (the window does so when the port list changes its serial box,
    // the flash run does so itself), and closing delivers any output still pending
    // through a nested call of this slot, which replaces `output`.
    const QVector<tool_reaction> reactions = interpret_chunk(output);
    for (const tool_reaction &reaction : reactions) {
        switch (reaction.kind) {
        case tool_reaction::add_ports:
            COMdevices += reaction.ports;
            emit devicelist(COMdevices);
            break;
        case tool_reaction::show_text:
            emit textreadysig(reaction.text);
            break;
        case tool_reaction::set_colour:
            switch (reaction.colour) {
            case status_colour::green:
                emit changecolour(green);
                break;
            case status_colour::red:
                emit changecolour(red);
                break;
            case status_colour::white:
                emit changecolour(white);
                break;
            }
            break;
        case tool_reaction::device_found:
            bootloader_version = reaction.version;
            device_name = reaction.name;
            emit textreadysig(detection_message(device_name, bootloader_version, filepath));
            emit changecolour(white);
            start_flash();
            break;
        }
    }
}

void bootloader::errorslot(QProcess::ProcessError errors)
{
    // The program kills the tool itself when the port changes, when the flash run
    // replaces the update run and at shutdown, and Qt calls every such kill a
    // crash. That is no failure the user needs to hear about.
    if (errors == QProcess::Crashed && process.stopped_on_purpose())
        return;
    emit textreadysig(QStringLiteral("Error occured: "));
    emit textreadysig(QString::fromLatin1(process_error_text(static_cast<int>(errors))));
}
