#include "output.h"

#include "text_util.h"
#include "texts.h"

#include <chrono>
#include <fstream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

const char record_file_name[] = "serial_communication_record.txt";

namespace console {

void setup()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // The C library writes text longer than its buffer in pieces; a buffer larger than
    // any line keeps each line in one write.
    std::setvbuf(stdout, nullptr, _IOFBF, 64 * 1024);
}

static std::ofstream &copy()
{
    static std::ofstream file;
    return file;
}

void copy_to(const std::string &file)
{
    copy().open(to_path(file), std::ios::binary | std::ios::app);
    if (!copy())
        std::fprintf(stderr, "could not open the transcript file %s\n", file.c_str());
}

static void write_all(const std::string &text)
{
    // Before standard output, so that the copy is complete once the reader has the text.
    if (copy().is_open())
        copy().write(text.data(), static_cast<std::streamsize>(text.size())).flush();
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

void line(const std::string &text)
{
    write_all(text + "\r\n");
}

void figure(const std::string &text)
{
    write_all(text + std::string(text.size(), '\b'));
}

} // namespace console

namespace {

long elapsed_ms()
{
    static const auto start = std::chrono::steady_clock::now();
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count());
}

} // namespace

traffic_record::~traffic_record()
{
    if (m_file)
        std::fclose(m_file);
}

bool traffic_record::open(bool truncate)
{
    elapsed_ms();
    m_file = std::fopen(record_file_name, truncate ? "wb" : "ab");
    return m_file != nullptr;
}

void traffic_record::log(const std::string &text)
{
    if (!m_file)
        return;
    const std::string entry = std::to_string(elapsed_ms()) + " ms  " + text + "\n";
    if (m_broken || std::fputs(entry.c_str(), m_file) < 0 || std::fflush(m_file) != 0)
        fail();
}

void traffic_record::fail()
{
    console::line(std::string(texts::error_writing_to) + record_file_name);
    std::fclose(m_file);
    m_file = nullptr;
}
