// Resident memory of the program while its tool floods standard error, which the
// program never shows: the real window and controller, the fake tool writing
// MEGABYTES MB to standard error and nothing to standard output. With "stdout",
// the same lines go to standard output, which the program reads, interprets and
// keeps the first and last bytes of for Copy Details.
//
//   bench_stderr_flood [MEGABYTES [stdout]]   (default 300) prints a table of one row
#include "bootloader.h"
#include "mainwindow.h"
#include "resident_memory.h"
#include "tool_dir.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const long megabytes = argc > 1 ? std::atol(argv[1]) : 300;
    const bool to_stdout = argc > 2 && QByteArray(argv[2]) == "stdout";
    bootloader controller;
    QTimer status_timer;
    QApplication app(argc, argv);

    tool_dir dir;
    const QByteArray line = QByteArray(1023, 'e') + "\\n";
    if (!dir.is_valid() ||
        !dir.set_script((to_stdout ? "repeat " : "erepeat ") +
                        QByteArray::number(static_cast<qlonglong>(megabytes) * 1024) + " " + line +
                        '\n'))
        return 1;

    long before = 0;
    long peak = 0;
    MainWindow window(controller, status_timer);
    window.show();
    QObject::connect(&controller.process,
                     QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &app,
                     [&] { app.exit(0); });
    QTimer sample;
    QObject::connect(&sample, &QTimer::timeout, [&] {
        if (before == 0)
            before = resident_kib();
        peak = std::max(peak, resident_kib());
    });
    sample.start(20);
    app.exec();

    const char *stream = to_stdout ? "standard output" : "standard error";
    std::printf("### Memory while the tool floods %s\n\n", stream);
    std::printf("| tool writes | resident before | peak | after |\n");
    std::printf("|---|---:|---:|---:|\n");
    std::printf("| %ld MB on %s | %.1f MB | %.1f MB | %.1f MB |\n", megabytes, stream,
                before / 1024.0, peak / 1024.0, resident_kib() / 1024.0);
    return 0;
}
