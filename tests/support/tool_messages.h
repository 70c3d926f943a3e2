#pragma once

#include <QString>

// The messages of the tool's message table as the status box shows them: one line,
// without the closing blank line. Typed for the tests, apart from the program's own
// table, so that a changed character or a message given to the wrong row shows.
namespace tool_messages {

inline const char maker_site[] = "https://www.velmora.example/downloads";

inline const char debug_file[] =
    "Unable to create \"serial_communication_record.txt\", future debugging may be impaired.";
inline const char file_name[] =
    "Input Firmware file name contains illegal characters. Please rename and load again.";
inline const char newer_software[] = "Program requires an update to program this device, please "
                                     "download the latest software from ";
inline const char serial_port[] =
    "This serial port is unusable. Please check that the serial port "
    "isn't being used by another program, and is installed correctly.";
inline const char no_device[] =
    "Unable to find the device within a time limit of 30 seconds! Please "
    "check connections and try again!";
inline const char device_file[] = "Could not find device library file \"device.txt\" in the local "
                                  "directory. Please replace this file or reinstall the program.";
inline const char incompatible_tool[] = "Command line tool incompatible with this helper program. "
                                        "Please reinstall the latest upload program and try again!";
inline const char choose_port[] = "Please select a serial port to use!";
inline const char disk[] =
    "Unable to write to the hard drive... Please check your computer and try again.";
inline const char bad_firmware[] =
    "Unable to use this firmware file. Please ensure the file loaded is "
    "a valid firmware file for your device, and is not corrupt!";
inline const char too_much_data[] =
    "This file specifies more data than the current device can hold. "
    "The firmware may not behave as expected.";
inline const char communication[] =
    "Communication error! Please ensure all cables are secure and in good repair!";
inline const char rejected_file[] =
    "File could not be uploaded to device. Please ensure the firmware "
    "file is not corrupt and is a valid firmware file from ";
inline const char device_config[] =
    "Error with device configuration. Please check that device.txt is "
    "not corrupt, and reinstall the tool if necessary.";

// The message of a row of the table (numbered from 1), or nothing for a row without one.
inline QString of_row(int row)
{
    const QString site = QString(maker_site) + '!';
    const QString from_row_8[] = {debug_file,    file_name,   newer_software + site, serial_port,
                                  no_device,     device_file, incompatible_tool,     choose_port,
                                  debug_file,    disk,        bad_firmware,          too_much_data,
                                  communication, file_name,   rejected_file + site,  device_config};
    return row >= 8 && row <= 23 ? from_row_8[row - 8] : QString();
}

} // namespace tool_messages
