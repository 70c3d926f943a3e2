#include "device_library.h"

#include "text_util.h"

#include <fstream>
#include <sstream>
#include <vector>

const char device_file_name[] = "device.txt";

namespace {

// A size or address that is not a usable number counts as 0, as it would for a tool
// that converts with atoi: the entry is then refused as a zero-sized device.
std::uint32_t number_or_zero(const std::string &text, std::uint64_t limit)
{
    std::uint64_t value = 0;
    if (!parse_number(text, value) || value > limit)
        return 0;
    return static_cast<std::uint32_t>(value);
}

} // namespace

lookup_result find_device(std::uint32_t version, device_entry &entry)
{
    std::ifstream in(device_file_name, std::ios::binary);
    if (!in)
        return lookup_result::no_file;
    std::string raw;
    while (std::getline(in, raw)) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string word;
        std::uint32_t entry_version = 0;
        if (!(words >> word) || !parse_hex(word, entry_version) || entry_version != version)
            continue;

        std::string size;
        words >> size;
        if (size == "unsupported")
            return lookup_result::unsupported;
        device_entry found;
        found.flash_size = number_or_zero(size, eeprom_base);
        std::vector<std::string> name;
        while (words >> word) {
            if (name.empty() && word.compare(0, 6, "start=") == 0)
                found.flash_start = number_or_zero(word.substr(6), eeprom_base);
            else if (name.empty() && word.compare(0, 7, "eeprom=") == 0)
                found.eeprom_size = number_or_zero(word.substr(7), 0x10000);
            else
                name.push_back(word);
        }
        for (const std::string &part : name)
            found.name += (found.name.empty() ? "" : " ") + part;
        // A bootloader that takes all the flash leaves nothing to write.
        if (found.flash_size <= found.flash_start)
            return lookup_result::size_zero;
        entry = found;
        return lookup_result::found;
    }
    return in.bad() ? lookup_result::no_file : lookup_result::no_entry;
}
