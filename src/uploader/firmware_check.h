#pragma once

#include <QByteArray>
#include <QString>

// The firmware file read as Intel HEX before the device is asked to restart: a file
// the tool would refuse, or read only in part, is refused at Update, with the place
// and the cause in words the user can act on. The tool still reads the file itself;
// this check only spares the user a power cycle for a file that cannot be right.

// What is wrong with a file, if anything. Each has its words in firmware_check.cpp.
enum class hex_fault {
    none,
    unreadable,   // the system's reason in `reason`
    too_large,    // no firmware file is this large: not read
    empty,        // not a byte
    not_text,     // a byte no text holds (a binary file renamed .hex)
    no_colon,     // a line that does not start with ':'
    not_hex,      // a character other than a hex digit after the ':'
    odd_digits,   // an odd number of hex digits
    wrong_length, // the line's bytes do not match its byte count
    bad_checksum,
    unknown_type,      // `record_type`
    wrong_type_length, // an end or address record with the wrong byte count; `record_type`
    after_end,         // a record after the end-of-file record
    cut_in_line,       // the last line ends before its record does
    no_end,            // no end-of-file record
    no_data,           // no data byte at all
};

struct hex_verdict
{
    hex_fault fault = hex_fault::none;
    // The line of the fault, counted from 1; for a missing end record the last line
    // that holds anything. 0 for a fault of the file as a whole.
    int line = 0;
    int record_type = 0;
    QString reason; // unreadable: the system's words

    // The data records read (all of them when accepted, those before the fault
    // when refused): their bytes, and the lowest and highest address they fill,
    // with the extended segment (02) and linear (04) addresses applied.
    qint64 data_bytes = 0;
    quint64 lowest = 0;
    quint64 highest = 0;

    bool accepted() const { return fault == hex_fault::none; }
};

// The file's bytes as Intel HEX. Accepts record types 00 to 05, digits in either
// case, LF or CR LF line ends, a last line without one, blanks around a line and
// blank lines.
hex_verdict check_hex(const QByteArray &bytes);

// A refusal in the user's words, one sentence that names the line where there is
// one ("Line 12: the checksum does not match."), in the window's language unless
// `translated` is false (the report for support); empty when the file is accepted.
QString fault_words(const hex_verdict &verdict, bool translated = true);

// The one read of the firmware file at Update: what the check found, and what
// Copy Details says of the file.
struct firmware_check
{
    QString path;
    qint64 size = 0;
    QByteArray sha256; // in hex digits; empty when the file could not be read
    hex_verdict verdict;
};

// Reads the file at `path` (relative to the working folder, as the tool is given
// it) once and checks it.
firmware_check check_firmware_file(const QString &path);

// Larger than any device's firmware as a HEX file: refused without being read,
// so that a large file of another kind does not hold up the window.
constexpr qint64 max_firmware_file_size = 32 * 1024 * 1024;
