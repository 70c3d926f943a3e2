#include "text_util.h"

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <thread>
#include <vector>

std::string trimmed(const std::string &text)
{
    const char blanks[] = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool parse_number(const std::string &text, std::uint64_t &value)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 15)
        return false;
    std::uint64_t result = 0;
    for (char c : digits) {
        const int d = hex ? hex_digit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0)
            return false;
        result = result * (hex ? 16 : 10) + static_cast<unsigned>(d);
    }
    value = result;
    return true;
}

bool parse_hex(const std::string &text, std::uint32_t &value)
{
    if (text.empty() || text.size() > 8)
        return false;
    std::uint32_t result = 0;
    for (char c : text) {
        const int d = hex_digit(c);
        if (d < 0)
            return false;
        result = result * 16 + static_cast<unsigned>(d);
    }
    value = result;
    return true;
}

std::string format(const char *pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, pattern, args);
    va_end(args);
    std::string result;
    if (size > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), pattern, again);
        result.assign(buffer.data(), static_cast<std::size_t>(size));
    }
    va_end(again);
    return result;
}

std::filesystem::path to_path(const std::string &name)
{
#ifdef _WIN32
    return std::filesystem::u8path(name);
#else
    return std::filesystem::path(name);
#endif
}

void sleep_ms(long ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
