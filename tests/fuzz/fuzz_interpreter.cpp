// libFuzzer target: arbitrary bytes as one chunk of tool output, through the same
// decoding and interpreting code the controller uses, with the interpreter's
// promises checked on every input.
#include "output_interpreter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool has_line_end(const QString &text)
{
    return text.contains('\r') || text.contains('\n');
}

void check(const QVector<tool_event> &events)
{
    int last_row = 0;
    for (const tool_event &e : events) {
        require(e.row >= 1 && e.row <= 23);
        // Rows come in order: a row fires at most once per chunk.
        require(e.row > last_row);
        last_row = e.row;

        switch (e.kind) {
        case course_event::tool_ports:
            require(e.row == 1 && e.texts.isEmpty());
            require(e.ports.size() <= 255);
            for (const QString &port : e.ports)
                require(!port.isEmpty() && !port.contains(':') && !has_line_end(port));
            break;
        case course_event::device_found:
            require(e.row == 7 && e.texts.isEmpty());
            require(!has_line_end(e.version) && !has_line_end(e.name));
            break;
        default:
            require(!e.texts.isEmpty());
            for (const QString &text : e.texts)
                require(!text.isEmpty());
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QString chunk = decode_tool_output(bytes);
    require(chunk.size() <= bytes.size());
    require(!chunk.contains(QChar(0)));

    check(interpret_chunk(chunk));

    // The same text as the output of one run, split into two reads wherever the
    // first byte says: each read, and the end of the run, keep the same promises.
    const int split =
        chunk.isEmpty() ? 0 : static_cast<unsigned char>(data[0]) % (chunk.size() + 1);
    tool_output_reader reader;
    check(reader.read(chunk.left(split)));
    check(reader.read(chunk.mid(split)));
    check(reader.finish());
    return 0;
}
