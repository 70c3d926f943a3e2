// Resident memory of the program while its tool floods standard error, which the
// program never shows: the real window and controller, the fake tool writing
// MEGABYTES MB to standard error and nothing to standard output.
//
//   bench_stderr_flood [MEGABYTES]   (default 300) prints a table of one row
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
    bootloader controller;
    QTimer status_timer;
    QApplication app(argc, argv);

    tool_dir dir;
    const QByteArray line = QByteArray(1023, 'e') + "\\n";
    if (!dir.is_valid() ||
        !dir.set_script("erepeat " + QByteArray::number(static_cast<qlonglong>(megabytes) * 1024) +
                        ' ' + line + '\n'))
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

    std::printf("### Memory while the tool floods standard error\n\n");
    std::printf("| tool writes | resident before | peak | after |\n");
    std::printf("|---|---:|---:|---:|\n");
    std::printf("| %ld MB on standard error | %.1f MB | %.1f MB | %.1f MB |\n", megabytes,
                before / 1024.0, peak / 1024.0, resident_kib() / 1024.0);
    return 0;
}
