#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

// The data of an Intel HEX file, byte by byte, at the addresses the file gives them
// (extended segment and linear addresses applied).
using HexImage = std::map<std::uint32_t, std::uint8_t>;

// Reads and checks the whole file. On a defect returns false with `error` set to the
// line the tool prints for it, which starts with one of the tool's file texts.
bool read_hex_file(const std::filesystem::path &path, HexImage &image, std::string &error);
