#include "device_library.h"
#include "hex_file.h"
#include "output.h"
#include "runs.h"
#include "text_util.h"
#include "texts.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// The place in the run where each communication failure would happen: a text that
// belongs to reading back shows up during verification, and so on.
enum class run_phase { connect, write, verify, reset };

run_phase phase_of(const std::string &text)
{
    static const struct
    {
        const char *text;
        run_phase phase;
    } phases[] = {
        {"Version command send failed", run_phase::connect},
        {"Erase command send failed", run_phase::connect},
        {"Erase command receive failed!", run_phase::connect},
        {"read at word address %d fail!", run_phase::verify},
        {"EEPROM Read command send failed", run_phase::verify},
        {"EEPROM Read command receive failed!", run_phase::verify},
        {"Flash Read command receive failed!", run_phase::verify},
        {"Flash Read command send failed", run_phase::verify},
        {"Flash Read fail!", run_phase::verify},
        {"Written flash ends at word address ", run_phase::verify},
        {"send reset failed!", run_phase::reset},
    };
    for (const auto &entry : phases)
        if (text == entry.text)
            return entry.phase;
    return run_phase::write;
}

bool valid_file_name(const std::string &name)
{
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || c == '<' || c == '>' || c == '|' || c == '?' || c == '*')
            return false;
    return true;
}

// The file's data split into what goes to flash and to EEPROM, with what did not fit.
struct placement
{
    hex_image flash;
    hex_image eeprom;
    bool dropped_low = false;
    bool dropped_high = false;
};

bool place(const hex_image &image, const device_entry &device, placement &placed,
           std::string &error)
{
    bool had_flash = false;
    for (const auto &[page_address, page] : image) {
        for (std::uint32_t i = 0; i < page_size; ++i) {
            if (!page.used[i])
                continue;
            const std::uint32_t address = page_address + i;
            if (address >= eeprom_base) {
                if (address - eeprom_base >= device.eeprom_size) {
                    error =
                        format("%s EEPROM data at offset 0x%X, the device holds %u bytes",
                               texts::eeprom_exceeded, address - eeprom_base, device.eeprom_size);
                    return false;
                }
                set_byte(placed.eeprom, address, page.bytes[i]);
                continue;
            }
            had_flash = true;
            if (address < device.flash_start)
                placed.dropped_low = true;
            else if (address >= device.flash_size)
                placed.dropped_high = true;
            else
                set_byte(placed.flash, address, page.bytes[i]);
        }
    }
    if (had_flash && placed.flash.empty()) {
        error = format("%s no data between 0x%04X and 0x%04X", texts::flash_exceeded,
                       device.flash_start, device.flash_size - 1);
        return false;
    }
    return true;
}

std::uint32_t first_used(const hex_page &page)
{
    std::uint32_t i = 0;
    while (i + 1 < page_size && !page.used[i])
        ++i;
    return i;
}

std::uint32_t last_used(const hex_page &page)
{
    std::uint32_t i = page_size - 1;
    while (i > 0 && !page.used[i])
        --i;
    return i;
}

// One write or read command: the file's bytes that fall into one page of the device.
struct page_block
{
    bool eeprom;
    std::uint32_t address;
    const hex_page *page;

    std::uint32_t first() const { return address + first_used(*page); }
    std::uint32_t last() const { return address + last_used(*page); }
    unsigned checksum() const
    {
        unsigned sum = 0;
        for (std::uint32_t i = 0; i < page_size; ++i)
            sum += page->used[i] ? page->bytes[i] : 0;
        return sum & 0xFF;
    }
};

std::vector<page_block> blocks_of(const placement &placed)
{
    std::vector<page_block> blocks;
    for (const auto &[address, page] : placed.flash)
        blocks.push_back(page_block{false, address, &page});
    for (const auto &[address, page] : placed.eeprom)
        blocks.push_back(page_block{true, address, &page});
    return blocks;
}

// The simulated device: erased flash and EEPROM read as 0xFF.
class simulated_device
{
public:
    explicit simulated_device(const device_entry &entry)
        : m_flash(entry.flash_size, 0xFF), m_eeprom(entry.eeprom_size, 0xFF)
    {}

    std::uint8_t &cell(bool eeprom, std::uint32_t address)
    {
        return eeprom ? m_eeprom[address - eeprom_base] : m_flash[address];
    }

    // Flash programming can only clear bits of an erased cell.
    void write(const page_block &block)
    {
        for (std::uint32_t i = 0; i < page_size; ++i)
            if (block.page->used[i])
                cell(block.eeprom, block.address + i) &= block.page->bytes[i];
    }

    // The address of the first byte that does not hold what the block wrote, or none.
    bool verify(const page_block &block, std::uint32_t &bad_address)
    {
        for (std::uint32_t i = 0; i < page_size; ++i) {
            bad_address = block.address + i;
            if (block.page->used[i] && cell(block.eeprom, bad_address) != block.page->bytes[i])
                return false;
        }
        return true;
    }

    const std::vector<std::uint8_t> &flash() const { return m_flash; }

private:
    std::vector<std::uint8_t> m_flash;
    std::vector<std::uint8_t> m_eeprom;
};

class flash_runner
{
public:
    explicit flash_runner(const sim_settings &settings) : m_settings(settings) {}
    int run(const std::string &port, const std::string &speed, const std::string &version,
            const std::string &file);

private:
    bool prepare(const std::string &port_text, const std::string &version_text,
                 const std::string &file, device_entry &entry, placement &placed);
    bool comm_fault(run_phase phase, std::uint32_t address);
    void progress(const char *label, std::size_t done, std::size_t total, int &shown);
    bool write_all(const std::vector<page_block> &blocks, simulated_device &device);
    bool verify_all(const std::vector<page_block> &blocks, simulated_device &device);
    void save_image(const placement &placed, const simulated_device &device);

    const sim_settings &m_settings;
    traffic_record m_record;
};

// Everything the tool checks before it touches the port: the command line's values,
// the device library and the firmware file. Prints the tool's text for the first defect.
bool flash_runner::prepare(const std::string &port_text, const std::string &version_text,
                           const std::string &file, device_entry &entry, placement &placed)
{
    if (port_text.empty()) {
        console::line(texts::no_port);
        return false;
    }
    if (file.empty()) {
        console::line(texts::no_file_name);
        return false;
    }
    if (!valid_file_name(file)) {
        console::line(texts::bad_file_name);
        return false;
    }

    std::uint32_t version = 0;
    const bool prefixed = version_text.size() > 2 && version_text[0] == '0' &&
                          (version_text[1] == 'x' || version_text[1] == 'X');
    if (!parse_hex(prefixed ? version_text.substr(2) : version_text, version)) {
        console::line(texts::version_not_hex);
        return false;
    }
    switch (find_device(version, entry)) {
    case lookup_result::found:
        break;
    case lookup_result::no_file:
        console::line(texts::no_device_file);
        return false;
    case lookup_result::no_entry:
        console::line(std::string(texts::no_version_entry) + " " + version_text);
        return false;
    case lookup_result::unsupported:
        console::line(texts::unsupported);
        return false;
    case lookup_result::size_zero:
        console::line(texts::size_zero);
        return false;
    }

    hex_image image;
    std::string error;
    if (!read_hex_file(to_path(file), image, error) || !place(image, entry, placed, error)) {
        console::line(error);
        return false;
    }
    // Warnings only: what fits is still written.
    if (placed.dropped_low)
        console::line(texts::truncating_low);
    if (placed.dropped_high) {
        console::line(format("%s0x%04X", texts::truncating_high, entry.flash_size));
        console::line(texts::too_much_data);
    }
    return true;
}

int flash_runner::run(const std::string &port_text, const std::string &speed,
                      const std::string &version_text, const std::string &file)
{
    if (m_settings.fault.kind == fault_kind::debug_file || !m_record.open(false))
        console::line(texts::serial_output_failed);
    m_record.log("flash: -s " + port_text + " -M " + speed + " -B " + version_text + " -f " + file);
    if (m_settings.fault.kind == fault_kind::text) {
        console::line(m_settings.fault.text);
        return 1;
    }
    device_entry entry;
    placement placed;
    if (!prepare(port_text, version_text, file, entry, placed))
        return 1;

    unsigned long port = 0;
    if (!open_port(m_settings, port_text, speed, port, m_record))
        return 1;
    m_record.log("> VERSION?");
    if (!m_settings.device_on(port)) {
        sleep_ms(m_settings.phase_delay_ms);
        m_record.log("no answer");
        console::line(texts::timeout);
        return 1;
    }
    m_record.log("< VERSION " + m_settings.bootloader_version);

    const std::vector<page_block> blocks = blocks_of(placed);
    const std::uint32_t low = blocks.front().first();
    const std::uint32_t high = blocks.back().last();
    simulated_device device(entry);
    m_record.log(format("> ERASE 0x%04X..0x%04X", entry.flash_start, entry.flash_size - 1));
    m_record.log("< ACK");
    if (comm_fault(run_phase::connect, low))
        return 1;
    if (m_settings.fault.kind == fault_kind::eeprom_output) {
        console::line(texts::eeprom_output_failed);
        return 1;
    }

    console::line(format("%s0x%04X to 0x%04X", texts::writing_from, low, high));
    // Of the texts one read completes the update program takes each once, in its
    // table's order: the phase lines must not end in the same read.
    sleep_ms(m_settings.phase_delay_ms);
    if (!write_all(blocks, device))
        return 1;

    sleep_ms(m_settings.phase_delay_ms);
    console::line(format("%s0x%04X to 0x%04X", texts::verifying_from, low, high));
    sleep_ms(m_settings.phase_delay_ms);
    if (!verify_all(blocks, device))
        return 1;

    sleep_ms(m_settings.phase_delay_ms);
    if (comm_fault(run_phase::reset, high))
        return 1;
    m_record.log("> RESET");
    m_record.log("< ACK");
    save_image(placed, device);
    console::line(texts::reset_ok);
    return 0;
}

bool flash_runner::comm_fault(run_phase phase, std::uint32_t address)
{
    const injected_fault &fault = m_settings.fault;
    if (fault.kind != fault_kind::comm || phase_of(fault.text) != phase)
        return false;
    std::string text = fault.text;
    // Texts that end in a blank go on with a value, as the tool prints them.
    if (!text.empty() && text.back() == ' ')
        text += format("0x%X", address / 2);
    m_record.log("communication failed: " + text);
    console::line(text);
    return true;
}

void flash_runner::progress(const char *label, std::size_t done, std::size_t total, int &shown)
{
    const int percent = static_cast<int>(done * 100 / total);
    if (percent == shown)
        return;
    shown = percent;
    console::figure(format("%s %3d%%", label, percent));
    sleep_ms(m_settings.progress_delay_ms);
}

bool flash_runner::write_all(const std::vector<page_block> &blocks, simulated_device &device)
{
    const std::size_t middle = blocks.size() / 2;
    int shown = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const page_block &block = blocks[i];
        const std::uint32_t address = block.first();
        if (i == middle) {
            switch (m_settings.fault.kind) {
            case fault_kind::crash_while_writing:
                crash();
            case fault_kind::hang:
                hang();
            case fault_kind::write_error:
                m_record.break_next_write();
                break;
            case fault_kind::comm:
                if (comm_fault(run_phase::write, address))
                    return false;
                break;
            default:
                break;
            }
        }
        m_record.log(format("> WRITE %s 0x%04X %u bytes, checksum 0x%02X",
                            block.eeprom ? "EEPROM" : "FLASH", address,
                            static_cast<unsigned>(block.page->used.count()), block.checksum()));
        device.write(block);
        m_record.log("< ACK");
        // A cell that does not take its value, found again by the verification.
        if (i == middle && m_settings.fault.kind == fault_kind::verify_fail)
            device.cell(block.eeprom, address) ^= 0x01;
        progress(texts::upload_progress, i + 1, blocks.size(), shown);
    }
    return true;
}

bool flash_runner::verify_all(const std::vector<page_block> &blocks, simulated_device &device)
{
    int shown = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const page_block &block = blocks[i];
        if (i == blocks.size() / 2 && comm_fault(run_phase::verify, block.first()))
            return false;
        m_record.log(format("> READ %s 0x%04X", block.eeprom ? "EEPROM" : "FLASH", block.first()));
        std::uint32_t bad = 0;
        if (!device.verify(block, bad)) {
            m_record.log(format("< mismatch at 0x%04X", bad));
            console::line(format("%s0x%04X", texts::verify_fail, bad));
            return false;
        }
        m_record.log(format("< DATA, checksum 0x%02X", block.checksum()));
        progress(texts::verify_progress, i + 1, blocks.size(), shown);
    }
    return true;
}

// Lets a test compare what reached the device's flash with what it meant to write.
void flash_runner::save_image(const placement &placed, const simulated_device &device)
{
    if (m_settings.image_file.empty() || placed.flash.empty())
        return;
    const auto &flash = device.flash();
    const std::uint32_t first =
        placed.flash.begin()->first + first_used(placed.flash.begin()->second);
    const std::uint32_t last =
        placed.flash.rbegin()->first + last_used(placed.flash.rbegin()->second);
    std::ofstream out(to_path(m_settings.image_file), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(flash.data() + first), last - first + 1);
    if (!out)
        std::fprintf(stderr, "could not write the flash image to %s\n",
                     m_settings.image_file.c_str());
}

} // namespace

int flash_run(const sim_settings &settings, const std::string &port, const std::string &speed,
              const std::string &version, const std::string &file)
{
    flash_runner run(settings);
    return run.run(port, speed, version, file);
}
