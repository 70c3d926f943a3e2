#include "hex_file.h"

#include "text_util.h"
#include "texts.h"

#include <fstream>
#include <system_error>
#include <vector>

namespace {

enum record_type {
    data_record,
    end_of_file_record,
    segment_address_record,
    start_segment_record,
    linear_address_record,
    start_linear_record,
};

// The longest record: ':', count, address, type, 255 data bytes and the checksum.
const std::size_t max_line = 1 + 2 * (1 + 2 + 1 + 255 + 1);

class hex_reader
{
public:
    explicit hex_reader(hex_image &image) : m_image(image) {}

    // Returns false and sets `error` when the line is refused.
    bool take_line(const std::string &line, std::string &error);
    bool seen_records() const { return m_records > 0; }
    bool seen_end() const { return m_end_seen; }

private:
    bool read_byte(std::uint8_t &byte);
    bool reject(const char *reason, std::string &error) const;
    void store(const std::vector<std::uint8_t> &data);

    hex_image &m_image;
    std::string m_line;
    std::size_t m_pos = 0;
    int m_line_number = 0;
    int m_records = 0;
    bool m_end_seen = false;
    bool m_segmented = false;
    std::uint32_t m_base = 0;
    std::uint16_t m_offset = 0;
};

bool hex_reader::read_byte(std::uint8_t &byte)
{
    if (m_pos + 2 > m_line.size())
        return false;
    const int high = hex_digit(m_line[m_pos]);
    const int low = hex_digit(m_line[m_pos + 1]);
    if (high < 0 || low < 0)
        return false;
    byte = static_cast<std::uint8_t>(high * 16 + low);
    m_pos += 2;
    return true;
}

// The mark stays as the tool has always printed it; the update program looks for
// the text with the mark, and the details follow in brackets for a human reader.
bool hex_reader::reject(const char *reason, std::string &error) const
{
    error = format("%s (line %d, record address 0x%04X: %s)", texts::line_rejected, m_line_number,
                   m_offset, reason);
    return false;
}

void hex_reader::store(const std::vector<std::uint8_t> &data)
{
    for (std::size_t i = 0; i < data.size(); ++i) {
        // Segment addressing wraps inside its 64 KiB segment; linear addressing runs on.
        const std::uint32_t address = m_segmented
                                          ? m_base + ((m_offset + i) & 0xFFFFu)
                                          : static_cast<std::uint32_t>(m_base + m_offset + i);
        set_byte(m_image, address, data[i]);
    }
}

bool hex_reader::take_line(const std::string &raw, std::string &error)
{
    ++m_line_number;
    m_line = trimmed(raw);
    m_offset = 0;
    if (m_line.empty())
        return true;
    if (m_line[0] != ':')
        return reject("not a record, it does not start with ':'", error);
    if (m_end_seen)
        return reject("a record after the end-of-file record", error);
    ++m_records;
    m_pos = 1;

    std::uint8_t count = 0, address_high = 0, address_low = 0, type = 0;
    if (!read_byte(count) || !read_byte(address_high) || !read_byte(address_low) ||
        !read_byte(type)) {
        error = format("%s (line %d)", texts::byte_conv, m_line_number);
        return false;
    }
    m_offset = static_cast<std::uint16_t>(address_high << 8 | address_low);
    if (type > start_linear_record)
        return reject(format("unknown record type %02X", type).c_str(), error);
    static const int expected_count[] = {-1, 0, 2, 4, 2, 4};
    if (expected_count[type] >= 0 && count != expected_count[type])
        return reject(format("type %02X with %u data bytes", type, count).c_str(), error);

    std::vector<std::uint8_t> data(count);
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (read_byte(data[i]))
            continue;
        const bool address_record = type == segment_address_record || type == linear_address_record;
        const char *text = !address_record ? texts::byte_conv
                           : i == 0        ? texts::high_byte
                                           : texts::low_byte;
        error = format("%s (line %d)", text, m_line_number);
        return false;
    }
    std::uint8_t checksum = 0;
    if (!read_byte(checksum)) {
        error = format("%s (line %d)", texts::checksum_conv, m_line_number);
        return false;
    }
    if (m_pos != m_line.size())
        return reject("more characters than its byte count gives", error);
    unsigned sum = count + address_high + address_low + type;
    for (std::uint8_t byte : data)
        sum += byte;
    const std::uint8_t expected = static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
    if (checksum != expected)
        return reject(format("checksum %02X, the record needs %02X", checksum, expected).c_str(),
                      error);

    switch (type) {
    case data_record:
        store(data);
        break;
    case end_of_file_record:
        m_end_seen = true;
        break;
    case segment_address_record:
        m_segmented = true;
        m_base = static_cast<std::uint32_t>(data[0] << 8 | data[1]) << 4;
        break;
    case linear_address_record:
        m_segmented = false;
        m_base = static_cast<std::uint32_t>(data[0] << 8 | data[1]) << 16;
        break;
    default:
        // Start addresses mean nothing to a device that starts at its reset vector.
        break;
    }
    return true;
}

} // namespace

void set_byte(hex_image &image, std::uint32_t address, std::uint8_t value)
{
    hex_page &page = image[address - address % page_size];
    const std::uint32_t index = address % page_size;
    page.used[index] = true;
    page.bytes[index] = value;
}

bool read_hex_file(const std::filesystem::path &path, hex_image &image, std::string &error)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        error = texts::open_failed;
        return false;
    }
    // A directory opens on some systems but cannot be read.
    if (std::filesystem::is_directory(path, ec)) {
        error = texts::read_failed;
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = texts::open_failed;
        return false;
    }

    hex_reader reader(image);
    std::string line;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::streamsize got = in.gcount();
        if (in.bad()) {
            error = texts::read_failed;
            return false;
        }
        for (std::streamsize i = 0; i < got; ++i) {
            if (buffer[static_cast<std::size_t>(i)] != '\n') {
                line += buffer[static_cast<std::size_t>(i)];
                // Stops a file without line ends (a binary image, say) from filling memory.
                if (line.size() <= max_line + 16)
                    continue;
            }
            if (!reader.take_line(line, error))
                return false;
            line.clear();
        }
        if (got == 0 || in.eof())
            break;
    }
    if (!line.empty() && !reader.take_line(line, error))
        return false;

    if (!reader.seen_records()) {
        error = texts::read_failed;
        return false;
    }
    if (!reader.seen_end()) {
        error = texts::no_eof;
        return false;
    }
    if (image.empty()) {
        error = texts::read_failed;
        return false;
    }
    return true;
}
