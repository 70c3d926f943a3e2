// Start-up cost: the time from starting the process until the window is shown and
// the port list from the tool is in the port box, and the resident memory then,
// next to a bare QMainWindow holding the same widgets.
//
//   bench_startup [RUNS]           runs RUNS children of each kind, prints a table
//   bench_startup child program    (internal) the program's window, real tool run
//   bench_startup child bare       (internal) the same widgets, no logic
#include "bootloader.h"
#include "mainwindow.h"
#include "resident_memory.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

qint64 monotonic_ns()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

int child(int argc, char **argv, bool program)
{
    // Built before the application object, as the program's own are.
    bootloader controller;
    QTimer status_timer;
    QApplication app(argc, argv);
    QMainWindow *window = nullptr;
    Ui::MainWindow *bare_ui = nullptr;
    if (program) {
        window = new MainWindow(controller, status_timer);
    } else {
        window = new QMainWindow;
        bare_ui = new Ui::MainWindow;
        bare_ui->setupUi(window);
        window->setFixedSize(565, 269);
    }
    window->show();
    auto *ports = window->findChild<QComboBox *>("serial_combobox");

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const bool shown = window->windowHandle() && window->windowHandle()->isExposed();
        if (shown && (!program || ports->count() > 0)) {
            std::printf("%lld %ld\n", static_cast<long long>(monotonic_ns()), resident_kib());
            std::fflush(stdout);
            app.exit(0);
        }
    });
    poll.start(0);
    const int rc = app.exec();
    delete window;
    delete bare_ui;
    return rc;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

double fastest(const QVector<double> &v)
{
    return v.isEmpty() ? 0 : *std::min_element(v.begin(), v.end());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "child")
        return child(argc, argv, QByteArray(argv[2]) == "program");

    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 15;

    // The program's working directory: the simulated tool, answering at once.
    QTemporaryDir dir;
    if (!dir.isValid() || !QFile::copy(SIM_TOOL_PATH, dir.filePath("fwld.exe")))
        return 1;
    QFile conf(dir.filePath("fwld-sim.conf"));
    if (!conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write("ports=3:4\nprogress_delay_ms=0\nphase_delay_ms=0\n");
    conf.close();

    QVector<double> ms[2], kib[2];
    const char *kinds[2] = {"program", "bare"};
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            const qint64 start = monotonic_ns();
            p.start(QCoreApplication::applicationFilePath(), {"child", kinds[k]});
            if (!p.waitForFinished(30000) || p.exitCode() != 0) {
                std::fprintf(stderr, "child %s failed\n", kinds[k]);
                return 1;
            }
            const QList<QByteArray> fields = p.readAllStandardOutput().trimmed().split(' ');
            if (fields.size() != 2)
                return 1;
            ms[k] << (fields[0].toLongLong() - start) / 1e6;
            kib[k] << fields[1].toDouble();
        }
    }
    std::printf("### Start-up\n\n");
    std::printf("| start-up (%d runs each, interleaved) | program | bare QMainWindow | ratio |\n",
                runs);
    std::printf("|---|---:|---:|---:|\n");
    std::printf("| process start to window shown with ports, median ms | %.1f | %.1f | %.2f |\n",
                median(ms[0]), median(ms[1]), median(ms[0]) / median(ms[1]));
    std::printf("| the same, fastest run, ms | %.1f | %.1f | %.2f |\n", fastest(ms[0]),
                fastest(ms[1]), fastest(ms[0]) / fastest(ms[1]));
    std::printf("| resident memory then, median KiB | %.0f | %.0f | %.2f |\n", median(kib[0]),
                median(kib[1]), median(kib[0]) / median(kib[1]));
    return 0;
}
