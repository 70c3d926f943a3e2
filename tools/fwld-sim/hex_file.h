#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

// The data of an Intel HEX file at the addresses the file gives it (extended segment
// and linear addresses applied), in pages of 256 bytes. Pages keep a file with data
// scattered over the whole address space to a small multiple of its size in memory.
const std::uint32_t page_size = 256;

struct hex_page
{
    std::array<std::uint8_t, page_size> bytes{};
    std::bitset<page_size> used;
};

// Keyed by the address of the page's first byte.
using hex_image = std::map<std::uint32_t, hex_page>;

// Reads and checks the whole file. On a defect returns false with `error` set to the
// line the tool prints for it, which starts with one of the tool's file texts.
bool read_hex_file(const std::filesystem::path &path, hex_image &image, std::string &error);

// Puts one byte in place. A byte given again takes the later value, as objcopy does: a
// bootloader build writes its version word over the last word of its data.
void set_byte(hex_image &image, std::uint32_t address, std::uint8_t value);
