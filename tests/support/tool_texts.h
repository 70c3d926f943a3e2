#pragma once

#include "communication_texts.h"

#include <QString>
#include <QVector>

// The tool's texts that each row of the message table looks for, rows numbered from
// 1 and each row's texts in its order. Typed for the tests, apart from the program's
// own table, so that a text changed, lost or moved to another row there shows.
struct tool_text
{
    int row;
    QString text;
};

inline QVector<tool_text> tool_texts_by_row()
{
    struct typed
    {
        int row;
        const char *text;
    };
    const typed before_row_20[] = {
        {1, "COM Numbers are:"},
        {2, "Reset send successful!"},
        {3, "Now writing from "},
        {4, "Now verifying flash from "},
        {5, "Upload Progress"},
        {5, "Verify Progress"},
        {6, "...."},
        {6, ".   "},
        {6, "..  "},
        {6, "... "},
        {7, "Device found on port:"},
        {8, "failed to make debug file!"},
        {9, "Please enter a valid input filename!"},
        {10, "Please specify bootloader version in hex"},
        {10, "Could not find entry for version"},
        {10, "Bootloader unsupported"},
        {11, "Can not open comport"},
        {12, "timeout trying to find bootloader!"},
        {13, "failed to get device file!"},
        {14, "Incorrect usage:"},
        {15, "Please specify a serial port, with "},
        {16, "Could not open serial output file!"},
        {17, "Error writing to "},
        {17, "Could not open output file to append eeprom data!"},
        {18, "hex file read failure!"},
        {18, "verify fail at row address "},
        {19, "Hex file defines memory unreachable. Truncating at address "},
        {19, "Truncating lower range limit to lower range of writable flash"},
        {19, "This file specifies more data than the current device can hold. The firmware "
             "may not behave as expected."},
    };
    const typed after_row_20[] = {
        {21, "No file name specified"},
        {22, "FLASH data range exceeded,"},
        {22, "Failed to open file!"},
        {22, "EEPROM data range exceeded,"},
        {22, "Line at address  %x rejected"},
        {22, "No end of file reached?"},
        {22, "could not read high address high byte?"},
        {22, "could not read high address low byte?"},
        {22, "Byte conv error?!"},
        {22, "Byte conv error on checksum?!"},
        {23, "size cannot be 0!"},
    };
    QVector<tool_text> texts;
    for (const auto &t : before_row_20)
        texts.append({t.row, QString::fromLatin1(t.text)});
    for (const char *text : communication_texts)
        texts.append({20, QString::fromLatin1(text)});
    for (const auto &t : after_row_20)
        texts.append({t.row, QString::fromLatin1(t.text)});
    return texts;
}
