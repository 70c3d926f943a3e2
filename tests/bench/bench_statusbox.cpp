// One status-box tick as the user sees it: a line queued with insert_text, shown
// with update_text_now and painted, on the window shown. Each row has a number of
// lines sent to the box before it (100 to 100,000), next to a bare QTextEdit of
// the same form, shown too, making the same edits by hand on the same history.
//
//   bench_statusbox [TICKS]   measured ticks of each kind per row (default 41);
//                             prints a Markdown table of the medians
#include "bootloader.h"
#include "mainwindow.h"
#include "status_box.h"
#include "tool_dir.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

const int lines_sent[] = {100, 1000, 10000, 100000};
const int warm_up_ticks = 5;
// A tick that has not been painted by then never will be: the top of the box is
// out of sight.
const int paint_deadline_ms = 2000;

QString history_line(int i)
{
    return QStringLiteral("Earlier status line number %1").arg(i);
}

QString measured_line(int i, bool progress)
{
    // As the tool prints its figures, and a plain line of the same length.
    return progress ? QStringLiteral("Upload Progress %1%\r").arg(i % 101, 3)
                    : QStringLiteral("Now writing line %1").arg(i, 3);
}

class paint_counter : public QObject
{
public:
    explicit paint_counter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// Either box: the program's window, or the bare form.
struct bench_box
{
    virtual ~bench_box() = default;
    virtual void send(const QString &line) = 0;
    virtual QWidget *top_level() = 0;
    QTextEdit *edit = nullptr;
    std::unique_ptr<paint_counter> paints;
};

struct program_box : bench_box
{
    program_box()
    {
        main_window = std::make_unique<MainWindow>(controller, timer);
        // The bench gives the ticks itself.
        timer.stop();
        edit = main_window->findChild<QTextEdit *>("Status_textbox");
    }
    void send(const QString &line) override
    {
        main_window->insert_text(line);
        main_window->update_text_now();
    }
    QWidget *top_level() override { return main_window.get(); }

    bootloader controller;
    QTimer timer;
    std::unique_ptr<MainWindow> main_window;
};

// The same form without the program: the edits a tick has to make, by hand.
struct bare_box : bench_box
{
    explicit bare_box(const QFont &font)
    {
        form.setupUi(&main_window);
        main_window.setFixedSize(565, 269);
        edit = form.Status_textbox;
        edit->setFont(font);
        edit->document()->setUndoRedoEnabled(false);
    }
    void send(const QString &line) override
    {
        QTextDocument *document = edit->document();
        QTextCursor top(document);
        if (line.endsWith('\r')) {
            top.select(QTextCursor::LineUnderCursor);
            top.insertText(line.chopped(1));
        } else {
            top.insertText(line + '\n');
        }
        if (document->blockCount() > status_box::kept_lines) {
            QTextCursor last(document);
            last.movePosition(QTextCursor::End);
            last.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
            last.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
            last.removeSelectedText();
        }
        edit->moveCursor(QTextCursor::Start);
    }
    QWidget *top_level() override { return &main_window; }

    QMainWindow main_window;
    Ui::MainWindow form;
};

// Milliseconds from the edit until the box has been painted; -1 when it never was.
double timed_tick(bench_box &box, const QString &line)
{
    const int before = box.paints->count;
    QElapsedTimer clock;
    clock.start();
    box.send(line);
    while (box.paints->count == before) {
        if (clock.elapsed() > paint_deadline_ms)
            return -1;
        QCoreApplication::processEvents();
    }
    return clock.nsecsElapsed() / 1e6;
}

double median(QVector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

bool show(bench_box &box)
{
    box.paints = std::make_unique<paint_counter>(box.edit->viewport());
    box.top_level()->show();
    if (!QTest::qWaitForWindowExposed(box.top_level()))
        return false;
    // The whole history laid out now rather than in steps between the ticks.
    box.edit->document()->pageCount();
    return true;
}

struct table_row
{
    int sent = 0;
    int held = 0;
    double history_ms = 0;
    double program[2] = {};
    double bare[2] = {};
};

bool measure(int sent, int ticks, table_row &row)
{
    program_box program;
    // Wait for the port-list run the window starts, so that nothing but the
    // bench's own lines goes into the box.
    auto *ports = program.main_window->findChild<QComboBox *>("serial_combobox");
    if (!QTest::qWaitFor([&] {
            return ports->count() > 0 && program.controller.process.state() == QProcess::NotRunning;
        })) {
        std::fprintf(stderr, "the port list never came\n");
        return false;
    }
    program.main_window->update_text_now();
    if (!program.edit->toPlainText().isEmpty()) {
        std::fprintf(stderr, "the window wrote into the box: %s\n",
                     qPrintable(program.edit->toPlainText()));
        return false;
    }
    bare_box bare(program.edit->font());

    // Sent before the windows are first shown, so the intermediate states are
    // not laid out or painted: every line still takes the program's own queue
    // and tick.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < sent; ++i)
        program.send(history_line(i));
    row.history_ms = clock.nsecsElapsed() / 1e6;
    for (int i = 0; i < sent; ++i)
        bare.send(history_line(i));

    // Side by side, so that on a real display neither covers the other.
    bare.top_level()->move(program.top_level()->frameGeometry().topRight() + QPoint(10, 0));
    if (!show(program) || !show(bare))
        return false;

    for (int progress = 1; progress >= 0; --progress) {
        QVector<double> times[2];
        for (int i = -warm_up_ticks; i < ticks; ++i) {
            // Interleaved, so that a load from outside falls on both alike.
            const QString line = measured_line(i + warm_up_ticks, progress);
            const double p = timed_tick(program, line);
            const double b = timed_tick(bare, line);
            if (p < 0 || b < 0) {
                std::fprintf(stderr, "a tick was never painted (%s box)\n",
                             p < 0 ? "program" : "bare");
                return false;
            }
            if (i >= 0) {
                times[0] << p;
                times[1] << b;
            }
        }
        row.program[progress] = median(times[0]);
        row.bare[progress] = median(times[1]);
    }

    row.sent = sent;
    row.held = program.edit->document()->blockCount();
    if (program.edit->toPlainText() != bare.edit->toPlainText()) {
        std::fprintf(stderr, "the two boxes differ after %d lines\n", sent);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int ticks = argc >= 2 ? std::max(1, atoi(argv[1])) : 41;

    // The window lists the ports at start-up; the stand-in tool answers.
    tool_dir dir(tool_dir::simulated_tool);
    if (!dir.is_valid())
        return 1;

    QVector<table_row> rows;
    for (int sent : lines_sent) {
        table_row row;
        if (!measure(sent, ticks, row))
            return 1;
        rows << row;
    }
    const table_row *thousand = nullptr;
    for (const table_row &row : rows)
        if (row.sent == 1000)
            thousand = &row;

    std::printf("### Status box, one tick on the shown window (queue a line, show it, paint "
                "it)\n\n");
    std::printf(
        "| lines sent | lines held | tick | program ms | bare QTextEdit ms | program / bare "
        "| program / same tick at 1,000 sent | history sent in, ms |\n");
    std::printf("|---:|---:|---|---:|---:|---:|---:|---:|\n");
    for (const table_row &row : rows)
        for (int progress = 0; progress <= 1; ++progress)
            std::printf("| %d | %d | %s | %.3f | %.3f | %.2f | %.2f | %.0f |\n", row.sent, row.held,
                        progress ? "progress" : "plain", row.program[progress], row.bare[progress],
                        row.program[progress] / row.bare[progress],
                        row.program[progress] / thousand->program[progress], row.history_ms);
    return 0;
}
