// The interpreter's cost for one chunk of tool output, from the bytes read off the
// pipe to the list of course events, for the kinds of chunk the tool really sends.
//
//   bench_interpreter [SAMPLE_MS]   each of the five samples of a chunk runs for at
//                                   least SAMPLE_MS (default 60); prints a Markdown
//                                   table of the medians
#include "output_interpreter.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QSet>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct chunk_case
{
    const char *name;
    QByteArray bytes;
    int rows; // how many catalogue rows the chunk fires
};

QVector<chunk_case> chunk_cases()
{
    QVector<chunk_case> cases;
    cases.append({"progress figure",
                  QByteArray("Upload Progress  42%\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b"), 1});

    QByteArray ports("COM Numbers are");
    for (int i = 1; i <= 255; ++i)
        ports += ':' + QByteArray::number(i);
    ports += "\r\n";
    cases.append({"port list of 255 ports", ports, 1});

    QByteArray unrelated;
    while (unrelated.size() < 64 * 1024)
        unrelated += "unrelated tool chatter, nothing the program knows of 0123456789\r\n";
    unrelated.resize(64 * 1024);
    cases.append({"64 KiB matching nothing", unrelated, 0});

    QByteArray every;
    every += "COM Numbers are:3:4\r\nReset send successful!\r\nNow writing from 0x0000\r\n"
             "Now verifying flash from 0x0000\r\nUpload Progress   7%\b\b\b\b....\b\b\b\b"
             "Device found on port:4:2A:Unit\r\n";
    for (const char *text :
         {"failed to make debug file!", "Please enter a valid input filename!",
          "Could not find entry for version", "Can not open comport",
          "timeout trying to find bootloader!", "failed to get device file!",
          "Incorrect usage:", "Please specify a serial port, with ",
          "Could not open serial output file!", "Error writing to ", "hex file read failure!",
          "Truncating lower range limit to lower range of writable flash", "Timeout!",
          "No file name specified", "No end of file reached?", "size cannot be 0!"})
        every += QByteArray(text) + "\r\n";
    cases.append({"chunk firing every row", every, 23});
    return cases;
}

int rows_fired(const QByteArray &bytes)
{
    QSet<int> fired;
    for (const tool_event &e : interpret_chunk(decode_tool_output(bytes)))
        fired.insert(e.row);
    return fired.size();
}

// Read by nobody, so that the compiler cannot drop the calls whose result it keeps.
volatile std::size_t events_seen = 0;

// Microseconds per chunk over one sample: whole batches until `sample_ms` is reached,
// the batch doubling so that reading the clock costs nothing next to the work.
double sample_us(const QByteArray &bytes, qint64 sample_ms)
{
    QElapsedTimer clock;
    clock.start();
    qint64 done = 0;
    for (qint64 batch = 1; clock.elapsed() < sample_ms; batch *= 2) {
        for (qint64 i = 0; i < batch; ++i)
            events_seen = events_seen + static_cast<std::size_t>(
                                            interpret_chunk(decode_tool_output(bytes)).size());
        done += batch;
    }
    return clock.nsecsElapsed() / 1000.0 / done;
}

} // namespace

int main(int argc, char **argv)
{
    const qint64 sample_ms = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 60;
    const int samples = 5;

    std::printf("### Interpreter, per chunk (decode + interpret)\n\n");
    std::printf("| chunk | µs per chunk |\n");
    std::printf("|---|---:|\n");
    for (const chunk_case &c : chunk_cases()) {
        // A chunk that fires other rows than meant measures something else.
        if (rows_fired(c.bytes) != c.rows) {
            std::fprintf(stderr, "\"%s\" fires %d rows, not %d\n", c.name, rows_fired(c.bytes),
                         c.rows);
            return 1;
        }
        QVector<double> us;
        for (int i = 0; i < samples; ++i)
            us << sample_us(c.bytes, sample_ms);
        std::sort(us.begin(), us.end());
        std::printf("| %s | %.2f |\n", c.name, us[samples / 2]);
    }
    return 0;
}
