// Memory of a long session: whole updates through the real window, shown, against
// the stand-in tool answering at once, Update pressed again as soon as the box
// says "Upload Complete!". Prints the resident memory and the heap in use after
// 10 updates and at a few counts up to the last.
//
//   bench_update_memory [UPDATES [no-pixmap-cache]]   (UPDATES: default 1000, at least 10)
#include "bootloader.h"
#include "mainwindow.h"
#include "resident_memory.h"
#include "tool_dir.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QPair>
#include <QPalette>
#include <QPixmapCache>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The device answers as soon as it is asked for and the figures come without
// pause. The phase lines keep a short one: the program reads each chunk of
// output on its own and fires its rows in table order, so with no pause the
// whole run arrives in one read and an old figure lands above "Upload Complete!".
const char sim_settings[] = "device_appears_after_ms=0\n"
                            "dot_interval_ms=10\n"
                            "progress_delay_ms=0\n"
                            "phase_delay_ms=20\n";
const char complete[] = "Upload Complete!";
const int update_limit_ms = 30000;
const int queue_limit_ms = 2000;
const int checkpoints[] = {10, 40, 100, 300, 1000, 3000, 6000};

long heap_in_use_kib()
{
#ifdef __GLIBC__
    return long(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

// Runs the event loop until `done` holds or the time is up; a real loop rather
// than polling with pauses, so the queue drains at the status timer's pace.
template <typename Predicate> bool run_until(Predicate done, int limit_ms)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    poll.start(1);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(limit_ms);
    loop.exec();
    return done();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int updates = argc >= 2 ? std::max(10, atoi(argv[1])) : 1000;
    // The style keeps pixmaps of the scroll bars for every palette the box has
    // had, and the box gets a new one with each colour; without the cache what
    // remains is the program's own memory.
    if (argc >= 3 && QByteArray(argv[2]) == "no-pixmap-cache")
        QPixmapCache::setCacheLimit(0);

    tool_dir dir(tool_dir::simulated_tool);
    if (!dir.is_valid() || !dir.copy_simulator_file("device.txt", "device.txt") ||
        !dir.copy_simulator_file("samples/demo-firmware-v1.0.hex", "fw.hex") ||
        !dir.write_file("fwld-sim.conf", sim_settings))
        return 1;

    bootloader controller;
    QTimer status_timer;
    MainWindow window(controller, status_timer);
    // The user's 400 ms pace would make a thousand updates take hours.
    status_timer.setInterval(1);
    window.show();
    auto *box = window.findChild<QTextEdit *>("Status_textbox");
    auto *ports = window.findChild<QComboBox *>("serial_combobox");
    auto *update = window.findChild<QPushButton *>("Update_button");
    const auto top = [box] { return box->document()->firstBlock().text(); };
    if (!QTest::qWaitForWindowExposed(&window) ||
        !run_until([&] { return ports->currentText() == "COM4"; }, update_limit_ms)) {
        std::fprintf(stderr, "no window or no port list\n");
        return 1;
    }

    std::printf("### Memory over whole updates against the stand-in tool\n\n");
    std::printf("| whole updates | resident memory, KiB | heap in use, KiB | paragraphs in the "
                "box | seconds so far |\n");
    std::printf("|---:|---:|---:|---:|---:|\n");
    QElapsedTimer clock;
    clock.start();
    // Growth is reported from update 10 and from update 100; the box is full from
    // update 48 on, so growth after 100 is no longer the box filling up.
    QMap<int, QPair<long, long>> seen;
    int out_of_order = 0;
    for (int n = 1; n <= updates; ++n) {
        QTest::mouseClick(update, Qt::LeftButton);
        // Done when the tool has ended, the box has turned green and the queue has
        // shown "Upload Complete!" on top. On a loaded machine two chunks of the
        // flash run can still arrive in one read and a figure land above that
        // line; such an update is counted and not waited for any longer.
        if (!run_until(
                [&] {
                    return controller.process.state() == QProcess::NotRunning &&
                           box->palette().color(QPalette::Base) == controller.green;
                },
                update_limit_ms)) {
            std::fprintf(stderr, "update %d did not succeed; the top line reads \"%s\"\n", n,
                         qPrintable(top()));
            return 1;
        }
        if (!run_until([&] { return top() == complete; }, queue_limit_ms))
            ++out_of_order;
        if (n != updates &&
            std::find(std::begin(checkpoints), std::end(checkpoints), n) == std::end(checkpoints))
            continue;
        const long rss = resident_kib();
        const long heap = heap_in_use_kib();
        seen.insert(n, qMakePair(rss, heap));
        std::printf("| %d | %ld | %ld | %d | %.1f |\n", n, rss, heap, box->document()->blockCount(),
                    clock.elapsed() / 1000.0);
        std::fflush(stdout);
    }
    // The notes below the table, set apart from it by an empty line.
    const char *gap = "\n";
    if (out_of_order > 0) {
        std::printf("%s%d of %d updates ended with a figure above \"%s\".\n", gap, out_of_order,
                    updates, complete);
        gap = "";
    }
    for (int from : {10, 100}) {
        if (from >= updates)
            continue;
        const QPair<long, long> start = seen.value(from), end = seen.value(updates);
        std::printf("%sGrowth from update %d to update %d: %.2f KiB resident, %.2f KiB heap in use "
                    "per update.\n",
                    gap, from, updates, double(end.first - start.first) / (updates - from),
                    double(end.second - start.second) / (updates - from));
        gap = "";
    }
    return 0;
}
