// The check of the firmware file at Update, which runs on the window's thread: on
// a generated Intel HEX file of 4 MB, the check of its bytes alone, the SHA-256
// that Copy Details gives, and the whole of it from the disk as Update does it
// (read, hash, check). The file sits in the page cache after the first run, as a
// file the user has just chosen or downloaded does.
//
//   bench_firmware_check [RUNS]   each figure is the median of RUNS runs (default 21)
#include "firmware_check.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

struct file_case
{
    const char *name;
    int record_bytes;
    const char *line_end;
};

// A valid HEX file of at least `size` bytes: data records of `record_bytes`
// pseudo-random bytes, an extended linear address record at each 64 KiB, the end record.
QByteArray generated_hex(qint64 size, int record_bytes, const char *line_end)
{
    QByteArray out;
    out.reserve(size + 1024);
    quint32 seed = 12345;
    const auto record = [&](int type, quint32 address, const QByteArray &data) {
        QByteArray bytes;
        bytes.append(static_cast<char>(data.size()));
        bytes.append(static_cast<char>(address >> 8));
        bytes.append(static_cast<char>(address));
        bytes.append(static_cast<char>(type));
        bytes.append(data);
        int sum = 0;
        for (char b : bytes)
            sum += static_cast<unsigned char>(b);
        bytes.append(static_cast<char>(-sum));
        out += ':' + bytes.toHex().toUpper() + line_end;
    };
    for (quint32 address = 0; out.size() < size; address += record_bytes) {
        if (address % 0x10000 == 0) {
            QByteArray upper;
            upper.append(static_cast<char>(address >> 24));
            upper.append(static_cast<char>(address >> 16));
            record(4, 0, upper);
        }
        QByteArray data;
        for (int i = 0; i < record_bytes; ++i) {
            seed = seed * 1103515245u + 12345u;
            data.append(static_cast<char>(seed >> 16));
        }
        record(0, address & 0xffff, data);
    }
    record(1, 0, QByteArray());
    return out;
}

double median_ms(int runs, const std::function<void()> &work)
{
    QVector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        ms << clock.nsecsElapsed() / 1e6;
    }
    std::sort(ms.begin(), ms.end());
    return ms[runs / 2];
}

// Read by nobody, so that the compiler cannot drop the work whose result it keeps.
volatile qint64 kept = 0;

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 21;
    const qint64 size = 4 * 1024 * 1024;
    const file_case cases[] = {{"16-byte records, LF", 16, "\n"},
                               {"32-byte records, CR LF", 32, "\r\n"}};
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    std::printf("### Firmware check at Update, on a generated 4 MB HEX file (median of %d)\n\n",
                runs);
    std::printf("| file | bytes | data bytes | check ms | SHA-256 ms | read + hash + check ms |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (const file_case &c : cases) {
        const QByteArray hex = generated_hex(size, c.record_bytes, c.line_end);
        const QString path = dir.filePath(QStringLiteral("bench.hex"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(hex) != hex.size())
            return 1;
        file.close();
        // A file the check refuses measures something else.
        const firmware_check whole = check_firmware_file(path);
        if (!whole.verdict.accepted()) {
            std::fprintf(stderr, "%s refused: %s\n", c.name,
                         qPrintable(fault_words(whole.verdict)));
            return 1;
        }
        const double check = median_ms(runs, [&] { kept = kept + ::check_hex(hex).data_bytes; });
        const double hash = median_ms(runs, [&] {
            kept = kept + QCryptographicHash::hash(hex, QCryptographicHash::Sha256).size();
        });
        const double all =
            median_ms(runs, [&] { kept = kept + check_firmware_file(path).verdict.data_bytes; });
        std::printf("| %s | %lld | %lld | %.1f | %.1f | %.1f |\n", c.name,
                    static_cast<long long>(hex.size()),
                    static_cast<long long>(whole.verdict.data_bytes), check, hash, all);
    }
    return 0;
}
