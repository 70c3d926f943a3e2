#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// Small text helpers shared by the readers of the settings, device library and HEX files.

std::string trimmed(const std::string &text);

// Decimal, or hexadecimal with a "0x" prefix. The whole text must be the number.
bool parse_number(const std::string &text, std::uint64_t &value);

// Hexadecimal digits only, no prefix, at most eight of them.
bool parse_hex(const std::string &text, std::uint32_t &value);

int hex_digit(char c);

// printf-style formatting into a std::string.
std::string format(const char *pattern, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Command-line arguments arrive as UTF-8 on Windows (see main.cpp) and as raw bytes
// elsewhere; this turns them into a path that names the same file on either.
std::filesystem::path to_path(const std::string &name);

void sleep_ms(long ms);
