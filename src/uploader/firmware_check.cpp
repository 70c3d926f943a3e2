#include "firmware_check.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// What the user reads on the line below the firmware-file message, translated where
// it is shown (fault_words()); Copy Details gives them in English.
const char unreadable_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "The file could not be read: %1");
const char too_large_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "The file is too large to be a firmware (.hex) file.");
const char empty_text[] = QT_TRANSLATE_NOOP("firmware_check", "The file is empty.");
const char not_text_text[] = QT_TRANSLATE_NOOP(
    "firmware_check", "The file is not a text file, so it cannot be a firmware (.hex) file.");
const char no_colon_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "Line %1: the line does not start with a colon (:).");
const char not_hex_text[] = QT_TRANSLATE_NOOP(
    "firmware_check",
    "Line %1: the line holds a character other than the digits 0 to 9 and the letters A to F.");
const char odd_digits_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "Line %1: the line has an odd number of digits.");
const char wrong_length_text[] = QT_TRANSLATE_NOOP(
    "firmware_check", "Line %1: the line's length does not match the byte count at its start.");
const char bad_checksum_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "Line %1: the checksum does not match.");
const char unknown_type_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "Line %1: the record type %2 is unknown.");
const char wrong_type_length_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "Line %1: the record of type %2 has the wrong length.");
const char after_end_text[] =
    QT_TRANSLATE_NOOP("firmware_check", "Line %1: the file goes on after its end record.");
const char cut_in_line_text[] = QT_TRANSLATE_NOOP(
    "firmware_check",
    "Line %1: the file ends in the middle of this line. It may not have downloaded completely.");
const char no_end_text[] = QT_TRANSLATE_NOOP(
    "firmware_check", "The file ends after line %1 without its end record. It may not have "
                      "downloaded completely.");
const char no_data_text[] = QT_TRANSLATE_NOOP("firmware_check", "The file holds no firmware data.");

enum record_type { data_record, end_record, segment_record, start_segment, linear_record };

// Each record type's byte count where the format fixes it: end, extended segment
// address, start segment address, extended linear address, start linear address.
const int fixed_count[] = {-1, 0, 2, 4, 2, 4};

// What each byte is to the check, looked up rather than worked out: the check runs
// on the window's thread, over every byte of files of some megabytes.
enum char_kind : signed char {
    // 0 to 15: a hex digit of that value
    other_text = 16,
    blank = 17,  // around a line; Ctrl-Z is the end mark some old tools leave in a text file
    binary = 18, // a control character no text holds, other than a line feed
};

struct char_table
{
    signed char kind[256];

    constexpr char_table() : kind{}
    {
        for (int c = 0; c < 256; ++c)
            kind[c] = (c < 0x20 && c != '\n') || c == 0x7f ? binary : other_text;
        for (int c = 0; c < 10; ++c)
            kind['0' + c] = static_cast<signed char>(c);
        for (int c = 0; c < 6; ++c) {
            kind['A' + c] = static_cast<signed char>(10 + c);
            kind['a' + c] = static_cast<signed char>(10 + c);
        }
        for (const char c : {' ', '\t', '\r', '\v', '\f', '\x1a'})
            kind[static_cast<unsigned char>(c)] = blank;
    }
};

constexpr char_table chars;

int kind_of(char c)
{
    return chars.kind[static_cast<unsigned char>(c)];
}

bool is_blank(char c)
{
    return kind_of(c) == blank;
}

bool is_binary(char c)
{
    return kind_of(c) == binary;
}

// The value of a hex digit; above 15 for any other character.
int digit_value(char c)
{
    return kind_of(c);
}

// Reads the records of one file in order and keeps what the verdict reports.
class record_reader
{
public:
    explicit record_reader(hex_verdict &verdict) : m_verdict(verdict) {}

    // One line without its blanks, not empty. `last` says that nothing but blanks
    // follows it: a record that stops short there was cut off.
    bool take(const char *text, qint64 length, int line, bool last);
    bool end_seen() const { return m_end_seen; }

private:
    bool refuse(hex_fault fault, int line, int type = 0)
    {
        m_verdict.fault = fault;
        m_verdict.line = line;
        m_verdict.record_type = type;
        return false;
    }
    void add_data(quint64 offset, int count);

    hex_verdict &m_verdict;
    bool m_end_seen = false;
    bool m_segmented = false;
    quint64 m_base = 0;
};

bool record_reader::take(const char *text, qint64 length, int line, bool last)
{
    if (m_end_seen)
        return refuse(hex_fault::after_end, line);
    if (text[0] != ':')
        return refuse(hex_fault::no_colon, line);
    const qint64 digits = length - 1;
    for (qint64 i = 1; i < length; ++i)
        if (digit_value(text[i]) > 15)
            return refuse(hex_fault::not_hex, line);
    const qint64 bytes = digits / 2;
    const auto byte = [text](qint64 i) {
        return digit_value(text[1 + 2 * i]) * 16 + digit_value(text[2 + 2 * i]);
    };
    // Count, address (two bytes), type and checksum surround the data.
    const bool short_record = digits % 2 != 0 || bytes < 5 || bytes < byte(0) + 5;
    if (short_record && last)
        return refuse(hex_fault::cut_in_line, line);
    if (digits % 2 != 0)
        return refuse(hex_fault::odd_digits, line);
    if (bytes < 5 || bytes != byte(0) + 5)
        return refuse(hex_fault::wrong_length, line);
    int sum = 0;
    for (qint64 i = 0; i < bytes; ++i)
        sum += byte(i);
    if (sum % 256 != 0)
        return refuse(hex_fault::bad_checksum, line);

    const int count = byte(0);
    const int type = byte(3);
    if (type >= static_cast<int>(std::size(fixed_count)))
        return refuse(hex_fault::unknown_type, line, type);
    if (fixed_count[type] >= 0 && count != fixed_count[type])
        return refuse(hex_fault::wrong_type_length, line, type);
    switch (type) {
    case data_record:
        add_data(static_cast<quint64>(byte(1) * 256 + byte(2)), count);
        break;
    case end_record:
        m_end_seen = true;
        break;
    case segment_record:
        m_segmented = true;
        m_base = static_cast<quint64>(byte(4) * 256 + byte(5)) << 4;
        break;
    case linear_record:
        m_segmented = false;
        m_base = static_cast<quint64>(byte(4) * 256 + byte(5)) << 16;
        break;
    default:
        break; // a start address places no data
    }
    return true;
}

void record_reader::add_data(quint64 offset, int count)
{
    if (count == 0)
        return;
    quint64 lowest = m_base + offset;
    quint64 highest = lowest + static_cast<quint64>(count) - 1;
    // Segment addresses wrap inside their 64 KiB segment.
    if (m_segmented && offset + static_cast<quint64>(count) > 0x10000) {
        lowest = m_base;
        highest = m_base + 0xffff;
    }
    if (m_verdict.data_bytes == 0 || lowest < m_verdict.lowest)
        m_verdict.lowest = lowest;
    if (m_verdict.data_bytes == 0 || highest > m_verdict.highest)
        m_verdict.highest = highest;
    m_verdict.data_bytes += count;
}

bool only_blanks(const char *from, const char *end)
{
    return std::all_of(from, end, [](char c) { return kind_of(c) == blank || c == '\n'; });
}

} // namespace

hex_verdict check_hex(const QByteArray &bytes)
{
    hex_verdict verdict;
    const char *const begin = bytes.constData();
    const char *const end = begin + bytes.size();
    if (std::any_of(begin, end, is_binary)) {
        verdict.fault = hex_fault::not_text;
        return verdict;
    }
    record_reader reader(verdict);
    int line = 0;
    int last_filled = 0;
    for (const char *at = begin; at < end;) {
        ++line;
        const auto *line_feed = static_cast<const char *>(std::memchr(at, '\n', end - at));
        const char *line_end = line_feed != nullptr ? line_feed : end;
        const char *first = at;
        const char *past = line_end;
        at = line_feed != nullptr ? line_feed + 1 : end;
        while (first < past && is_blank(*first))
            ++first;
        while (past > first && is_blank(past[-1]))
            --past;
        if (first == past)
            continue;
        last_filled = line;
        if (!reader.take(first, past - first, line, only_blanks(at, end)))
            return verdict;
    }
    if (last_filled == 0) {
        verdict.fault = hex_fault::empty;
    } else if (!reader.end_seen()) {
        verdict.fault = hex_fault::no_end;
        verdict.line = last_filled;
    } else if (verdict.data_bytes == 0) {
        verdict.fault = hex_fault::no_data;
    }
    return verdict;
}

QString fault_words(const hex_verdict &verdict, bool translated)
{
    const auto words = [translated](const char *text) {
        return translated ? QCoreApplication::translate("firmware_check", text)
                          : QString::fromLatin1(text);
    };
    const auto at_line = [&verdict, &words](const char *text) {
        return words(text).arg(verdict.line);
    };
    const auto with_type = [&verdict, &at_line](const char *text) {
        return at_line(text).arg(
            QString::number(verdict.record_type, 16).rightJustified(2, QLatin1Char('0')).toUpper());
    };
    switch (verdict.fault) {
    case hex_fault::none:
        return QString();
    case hex_fault::unreadable:
        return words(unreadable_text).arg(verdict.reason);
    case hex_fault::too_large:
        return words(too_large_text);
    case hex_fault::empty:
        return words(empty_text);
    case hex_fault::not_text:
        return words(not_text_text);
    case hex_fault::no_colon:
        return at_line(no_colon_text);
    case hex_fault::not_hex:
        return at_line(not_hex_text);
    case hex_fault::odd_digits:
        return at_line(odd_digits_text);
    case hex_fault::wrong_length:
        return at_line(wrong_length_text);
    case hex_fault::bad_checksum:
        return at_line(bad_checksum_text);
    case hex_fault::unknown_type:
        return with_type(unknown_type_text);
    case hex_fault::wrong_type_length:
        return with_type(wrong_type_length_text);
    case hex_fault::after_end:
        return at_line(after_end_text);
    case hex_fault::cut_in_line:
        return at_line(cut_in_line_text);
    case hex_fault::no_end:
        return at_line(no_end_text);
    case hex_fault::no_data:
        return words(no_data_text);
    }
    return QString();
}

firmware_check check_firmware_file(const QString &path)
{
    firmware_check check;
    check.path = path;
    QFile file(path);
    const auto unreadable = [&check, &file] {
        check.verdict.fault = hex_fault::unreadable;
        check.verdict.reason = file.errorString();
        return check;
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    check.size = file.size();
    if (check.size > max_firmware_file_size) {
        check.verdict.fault = hex_fault::too_large;
        return check;
    }
    const QByteArray bytes = file.readAll();
    // A USB stick pulled out during the read.
    if (file.error() != QFileDevice::NoError)
        return unreadable();
    check.size = bytes.size();
    check.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    check.verdict = check_hex(bytes);
    return check;
}
