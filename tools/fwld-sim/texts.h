#pragma once

#include "communication_texts.h"

// The tool's own output texts. The update program recognises them by exact substring
// search, so blanks, punctuation and odd spelling are part of the contract.
namespace texts {

const char usage[] = "Incorrect usage:";
const char port_list[] = "COM Numbers are:";
const char device_found[] = "Device found on port:";
const char no_port[] = "Please specify a serial port, with -s";
const char cannot_open_port[] = "Can not open comport";
const char find_timeout[] = "timeout trying to find bootloader!";

const char debug_file_failed[] = "failed to make debug file!";
const char serial_output_failed[] = "Could not open serial output file!";
const char error_writing_to[] = "Error writing to ";
const char eeprom_output_failed[] = "Could not open output file to append eeprom data!";

const char no_file_name[] = "No file name specified";
const char bad_file_name[] = "Please enter a valid input filename!";
const char version_not_hex[] = "Please specify bootloader version in hex";
const char no_version_entry[] = "Could not find entry for version";
const char unsupported[] = "Bootloader unsupported";
const char no_device_file[] = "failed to get device file!";
const char size_zero[] = "size cannot be 0!";

const char open_failed[] = "Failed to open file!";
const char read_failed[] = "hex file read failure!";
const char line_rejected[] = "Line at address  %x rejected";
const char no_eof[] = "No end of file reached?";
const char high_byte[] = "could not read high address high byte?";
const char low_byte[] = "could not read high address low byte?";
const char byte_conv[] = "Byte conv error?!";
const char checksum_conv[] = "Byte conv error on checksum?!";
const char flash_exceeded[] = "FLASH data range exceeded,";
const char eeprom_exceeded[] = "EEPROM data range exceeded,";

const char truncating_high[] = "Hex file defines memory unreachable. Truncating at address ";
const char truncating_low[] = "Truncating lower range limit to lower range of writable flash";
const char too_much_data[] = "This file specifies more data than the current device can hold. "
                             "The firmware may not behave as expected.";

const char writing_from[] = "Now writing from ";
const char verifying_from[] = "Now verifying flash from ";
const char upload_progress[] = "Upload Progress";
const char verify_progress[] = "Verify Progress";
const char verify_fail[] = "verify fail at row address ";
const char reset_ok[] = "Reset send successful!";

const char timeout[] = "Timeout!";

// Communication failures, in the order the numbered form of the "comm" fault uses,
// are in communication_texts.h.

// Every other failure text, in the order the numbered form of the "text" fault uses.
const char *const failure_texts[] = {
    debug_file_failed,
    bad_file_name,
    version_not_hex,
    no_version_entry,
    unsupported,
    cannot_open_port,
    find_timeout,
    no_device_file,
    usage,
    no_port,
    serial_output_failed,
    error_writing_to,
    eeprom_output_failed,
    read_failed,
    verify_fail,
    truncating_high,
    truncating_low,
    too_much_data,
    no_file_name,
    flash_exceeded,
    open_failed,
    eeprom_exceeded,
    line_rejected,
    no_eof,
    high_byte,
    low_byte,
    byte_conv,
    checksum_conv,
    size_zero,
};
const int failure_text_count = sizeof failure_texts / sizeof failure_texts[0];

} // namespace texts
