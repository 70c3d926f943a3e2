#include "settings.h"

#include "text_util.h"
#include "texts.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

const char settings_file_name[] = "fwld-sim.conf";

bool sim_settings::device_on(unsigned long port) const
{
    if (device_port_set)
        return port == device_port;
    return !ports.empty() && port == ports.back();
}

bool sim_settings::port_listed(unsigned long port) const
{
    return std::find(ports.begin(), ports.end(), port) != ports.end();
}

namespace {

const unsigned long max_port = 255;
const long max_ms = 24L * 3600 * 1000;

bool parse_port(const std::string &text, unsigned long &port)
{
    std::uint64_t value = 0;
    if (!parse_number(text, value) || value == 0 || value > max_port)
        return false;
    port = static_cast<unsigned long>(value);
    return true;
}

bool parse_ports(const std::string &text, std::vector<unsigned long> &ports)
{
    std::vector<unsigned long> result;
    std::string current;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ',';
        if (c != ',' && c != ':' && c != ' ' && c != '\t') {
            current += c;
            continue;
        }
        if (current.empty())
            continue;
        unsigned long port = 0;
        if (!parse_port(current, port))
            return false;
        result.push_back(port);
        current.clear();
    }
    ports = result;
    return true;
}

bool parse_ms(const std::string &text, long &ms)
{
    std::uint64_t value = 0;
    if (!parse_number(text, value) || value > static_cast<std::uint64_t>(max_ms))
        return false;
    ms = static_cast<long>(value);
    return true;
}

// A colon or a line break in the name or version would split the detection line
// differently from what the device sent.
bool fits_detection_line(const std::string &text)
{
    return text.find_first_of(":\r\n") == std::string::npos;
}

bool parse_fault(const std::string &text, injected_fault &fault)
{
    static const struct
    {
        const char *name;
        fault_kind kind;
    } names[] = {
        {"none", fault_kind::none},
        {"hang_at_start", fault_kind::hang_at_start},
        {"hang", fault_kind::hang},
        {"crash_while_writing", fault_kind::crash_while_writing},
        {"verify_fail", fault_kind::verify_fail},
        {"write_error", fault_kind::write_error},
        {"eeprom_output", fault_kind::eeprom_output},
        {"debug_file", fault_kind::debug_file},
    };
    if (text.empty()) {
        fault = injected_fault();
        return true;
    }
    for (const auto &entry : names) {
        if (text == entry.name) {
            fault = injected_fault();
            fault.kind = entry.kind;
            return true;
        }
    }
    std::uint64_t index = 0;
    if (text.compare(0, 5, "text:") == 0) {
        if (!parse_number(text.substr(5), index) || index < 1 ||
            index > static_cast<std::uint64_t>(texts::failure_text_count))
            return false;
        fault = injected_fault();
        fault.kind = fault_kind::text;
        fault.text = texts::failure_texts[index - 1];
        return true;
    }
    if (text.compare(0, 5, "comm:") != 0 || text.size() == 5)
        return false;
    const std::string rest = text.substr(5);
    injected_fault comm;
    comm.kind = fault_kind::comm;
    if (parse_number(rest, index)) {
        if (index < 1 || index > static_cast<std::uint64_t>(communication_text_count))
            return false;
        comm.text = communication_texts[index - 1];
    } else {
        // Taken as written, so that any text, even one the program does not know, can be tried.
        comm.text = rest;
    }
    fault = comm;
    return true;
}

bool apply(sim_settings &s, const std::string &key, const std::string &value)
{
    if (key == "ports")
        return parse_ports(value, s.ports);
    if (key == "device_port") {
        if (value.empty()) {
            s.device_port_set = false;
            return true;
        }
        s.device_port_set = parse_port(value, s.device_port);
        return s.device_port_set;
    }
    if (key == "device_appears_after_ms")
        return parse_ms(value, s.device_appears_after_ms);
    if (key == "wait_limit_ms")
        return parse_ms(value, s.wait_limit_ms);
    if (key == "progress_delay_ms")
        return parse_ms(value, s.progress_delay_ms);
    if (key == "phase_delay_ms")
        return parse_ms(value, s.phase_delay_ms);
    if (key == "dot_interval_ms")
        return parse_ms(value, s.dot_interval_ms);
    if (key == "device_name" && fits_detection_line(value)) {
        s.device_name = value;
        return true;
    }
    if (key == "bootloader_version" && fits_detection_line(value)) {
        s.bootloader_version = value;
        return true;
    }
    if (key == "fault")
        return parse_fault(value, s.fault);
    if (key == "image_file") {
        s.image_file = value;
        return true;
    }
    if (key == "transcript_file") {
        s.transcript_file = value;
        return true;
    }
    return false;
}

} // namespace

sim_settings load_settings()
{
    sim_settings settings;
    std::ifstream in(settings_file_name, std::ios::binary);
    std::string raw;
    int number = 0;
    while (in && std::getline(in, raw)) {
        ++number;
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value =
            equals == std::string::npos ? "" : trimmed(line.substr(equals + 1));
        if (equals == std::string::npos || !apply(settings, key, value))
            std::fprintf(stderr, "%s line %d ignored: %s\n", settings_file_name, number,
                         line.c_str());
    }
    return settings;
}
