#pragma once

#include <cstdint>
#include <string>

// The device library "device.txt": which bootloader versions the tool can program,
// and the memory of the device behind each.
struct device_entry
{
    std::string name;
    std::uint32_t flash_start = 0; // lowest writable flash address; the bootloader sits below
    std::uint32_t flash_size = 0;  // flash addresses run up to, not including, this one
    std::uint32_t eeprom_size = 0;
};

// EEPROM data sits at this address in a HEX file, above any flash.
const std::uint32_t eeprom_base = 0x810000;

enum class lookup_result { found, no_file, no_entry, unsupported, size_zero };

extern const char device_file_name[];

lookup_result find_device(std::uint32_t version, device_entry &entry);
