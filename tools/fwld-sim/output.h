#pragma once

#include <cstdio>
#include <string>

// Standard output as a terminal shows it: every line and every progress figure leaves
// in one write and is flushed at once, so the update program has each text as soon as
// it is printed. A pipe may still split a text between two reads: the program keeps the
// end of a read that could still start a text it knows, joins it to the next read and
// acts on the text in the read that brings its last character. The tests' scripted fake
// tool splits texts on purpose, so this tool need not.
namespace console {

// Binary standard output on Windows, so "\r\n" is not widened to "\r\r\n".
void setup();

// From now on every write to standard output is first added to the end of this file,
// so a test can read what the tool printed, byte for byte.
void copy_to(const std::string &file);

// The text and the tool's line end, "\r\n".
void line(const std::string &text);

// The text followed by as many backspaces as it has characters, so that a terminal
// shows the next figure in its place.
void figure(const std::string &text);

} // namespace console

// The record of the simulated serial traffic, "serial_communication_record.txt". It is
// a help for debugging, not part of the update: when it cannot be written the tool
// says so once and goes on without it.
class traffic_record
{
public:
    traffic_record() = default;
    ~traffic_record();
    traffic_record(const traffic_record &) = delete;
    traffic_record &operator=(const traffic_record &) = delete;

    // Starts a fresh record (truncate) or adds to the one of the same update (append).
    bool open(bool truncate);
    void log(const std::string &text);
    // Behaves as if the disk had refused the next write; used by the write_error fault.
    void break_next_write() { m_broken = true; }

private:
    void fail();

    std::FILE *m_file = nullptr;
    bool m_broken = false;
};

extern const char record_file_name[];
