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

void check(const QVector<tool_reaction> &reactions)
{
    int last_row = 0;
    QVector<bool> seen(24, false);
    for (const tool_reaction &r : reactions) {
        require(r.row >= 1 && r.row <= 23);
        // Rows come in order, each as one block: a row fires at most once per chunk.
        require(r.row >= last_row);
        if (r.row != last_row) {
            require(!seen[r.row]);
            seen[r.row] = true;
        }
        last_row = r.row;

        switch (r.kind) {
        case tool_reaction::add_ports:
            require(r.row == 1);
            require(r.ports.size() <= 255);
            for (const QString &port : r.ports)
                require(!port.isEmpty() && !port.contains(':') && !has_line_end(port));
            break;
        case tool_reaction::device_found:
            require(r.row == 7);
            require(!has_line_end(r.version) && !has_line_end(r.name));
            break;
        case tool_reaction::show_text:
            require(!r.text.isEmpty());
            break;
        case tool_reaction::set_colour:
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
