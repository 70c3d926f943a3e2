#include "message_catalogue.h"

#include <QCoreApplication>

#include <cstring>

namespace {

// The translation context of the table's messages and the process errors.
const char context[] = "message_catalogue";

// Each shown as a line of its own, followed by a blank line. Marked here for the
// translators, translated where they are shown (message_text()).
const char debug_file_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "Unable to create \"serial_communication_record.txt\", future debugging may be impaired.");
const char file_name_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "Input Firmware file name contains illegal characters. Please rename and load again.");
//: %1 is the maker's web address.
const char newer_software_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue", "Program requires an update to program this device, please download the "
                         "latest software from %1!");
const char serial_port_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "This serial port is unusable. Please check that the serial port isn't being used by another "
    "program, and is installed correctly.");
const char no_device_message[] =
    QT_TRANSLATE_NOOP("message_catalogue",
                      "Unable to find the device within a time limit of 30 seconds! Please check "
                      "connections and try again!");
const char device_file_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "Could not find device library file \"device.txt\" in the local directory. Please replace "
    "this file or reinstall the program.");
const char incompatible_tool_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "Command line tool incompatible with this helper program. Please reinstall the latest upload "
    "program and try again!");
const char choose_port_message[] =
    QT_TRANSLATE_NOOP("message_catalogue", "Please select a serial port to use!");
const char disk_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "Unable to write to the hard drive... Please check your computer and try again.");
const char too_much_data_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue", "This file specifies more data than the current device can hold. The "
                         "firmware may not behave as expected.");
const char communication_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "Communication error! Please ensure all cables are secure and in good repair!");
//: %1 is the maker's web address.
const char rejected_file_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue", "File could not be uploaded to device. Please ensure the firmware file is "
                         "not corrupt and is a valid firmware file from %1!");
const char device_config_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue", "Error with device configuration. Please check that device.txt is not "
                         "corrupt, and reinstall the tool if necessary.");

} // namespace

const char bad_firmware_message[] = QT_TRANSLATE_NOOP(
    "message_catalogue",
    "Unable to use this firmware file. Please ensure the file loaded is a valid firmware file for "
    "your device, and is not corrupt!");

// The texts are the tool's own, blanks and case included; the "%d" and "%x" are
// searched for as written.
// clang-format off
const std::array<catalogue_row, catalogue_row_count> tool_catalogue = {{
    {1, row_effect::port_list, {"COM Numbers are:"}, nullptr},
    {2, row_effect::success, {"Reset send successful!"}, nullptr},
    {3, row_effect::upload_starts, {"Now writing from "}, nullptr},
    {4, row_effect::verify_starts, {"Now verifying flash from "}, nullptr},
    {5, row_effect::progress, {"Upload Progress", "Verify Progress"}, nullptr},
    {6, row_effect::waiting, {"....", ".   ", "..  ", "... "}, nullptr},
    {7, row_effect::device_found, {"Device found on port:"}, nullptr},
    {8, row_effect::warning, {"failed to make debug file!"}, debug_file_message},
    {9, row_effect::message, {"Please enter a valid input filename!"}, file_name_message},
    {10,
     row_effect::message,
     {"Please specify bootloader version in hex", "Could not find entry for version",
      "Bootloader unsupported"},
     newer_software_message},
    {11, row_effect::message, {"Can not open comport"}, serial_port_message},
    {12, row_effect::message, {"timeout trying to find bootloader!"}, no_device_message},
    {13, row_effect::message, {"failed to get device file!"}, device_file_message},
    {14, row_effect::message, {"Incorrect usage:"}, incompatible_tool_message},
    {15, row_effect::message, {"Please specify a serial port, with "}, choose_port_message},
    {16, row_effect::warning, {"Could not open serial output file!"}, debug_file_message},
    {17,
     row_effect::message,
     {"Error writing to ", "Could not open output file to append eeprom data!"},
     disk_message},
    {18,
     row_effect::message,
     {"hex file read failure!", "verify fail at row address "},
     bad_firmware_message},
    {19,
     row_effect::warning,
     {"Hex file defines memory unreachable. Truncating at address ",
      "Truncating lower range limit to lower range of writable flash",
      "This file specifies more data than the current device can hold. The firmware may not "
      "behave as expected."},
     too_much_data_message},
    {20,
     row_effect::message,
     {"read at word address %d fail!",
      "send reset failed!",
      "Timeout!",
      "no stx char!",
      "no second stx char!",
      "no ending char!",
      "checksum error: ",
      "Write command send failed",
      "EEProm write command receive failed!",
      "Flash write command receive failed!",
      "Erase command receive failed!",
      "Erase command send failed",
      "EEPROM Read command send failed",
      "EEPROM Read command receive failed!",
      "Flash Read command receive failed!",
      "Flash Read command send failed",
      "Version command send failed",
      "Flash Read fail!",
      "Written flash ends at word address "},
     communication_message},
    {21, row_effect::message, {"No file name specified"}, file_name_message},
    {22,
     row_effect::message,
     {"FLASH data range exceeded,",
      "Failed to open file!",
      "EEPROM data range exceeded,",
      "Line at address  %x rejected",
      "No end of file reached?",
      "could not read high address high byte?",
      "could not read high address low byte?",
      "Byte conv error?!",
      "Byte conv error on checksum?!"},
     rejected_file_message},
    {23, row_effect::message, {"size cannot be 0!"}, device_config_message},
}};
// clang-format on

QString message_text(const char *message)
{
    const QString text = QCoreApplication::translate(context, message);
    // Two messages send the user to the maker's site, which is named once.
    return std::strstr(message, "%1") != nullptr ? text.arg(QLatin1String(maker_web_address))
                                                 : text;
}

QString process_error_text(int code)
{
    // In the order of QProcess::ProcessError.
    static const char *const texts[] = {QT_TRANSLATE_NOOP("message_catalogue", "Failed to start!"),
                                        QT_TRANSLATE_NOOP("message_catalogue", "Crashed!"),
                                        QT_TRANSLATE_NOOP("message_catalogue", "Timed out!"),
                                        QT_TRANSLATE_NOOP("message_catalogue", "Read error!"),
                                        QT_TRANSLATE_NOOP("message_catalogue", "Write error!"),
                                        QT_TRANSLATE_NOOP("message_catalogue", "Unknown error!")};
    if (code < 0 || code >= static_cast<int>(sizeof texts / sizeof texts[0]))
        return QCoreApplication::translate("message_catalogue", "Unknown!");
    return QCoreApplication::translate(context, texts[code]);
}

QString start_failure_hint(const QString &tool_name, const QString &folder, bool tool_exists,
                           const QString &reason)
{
    if (tool_exists)
        //: %1 is the tool's file name, %2 its folder, %3 the system's reason.
        return QCoreApplication::translate(
                   "message_catalogue",
                   "The upload tool %1 in %2 is there but could not be started (%3). Please "
                   "reinstall the upload program and try again.")
            .arg(tool_name, folder, reason);
    //: %1 is the tool's file name, %2 the folder where it was looked for.
    return QCoreApplication::translate("message_catalogue",
                                       "The upload tool %1 was not found in the folder %2. Put "
                                       "this program in the folder of %1 and start it from there.")
        .arg(tool_name, folder);
}
