#include "bootloader.h"
#include "mainwindow.h"

#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

// One status-box tick (queue a line, show it) with 100, 1,000 and 10,000 lines
// already shown, next to a bare QTextEdit making the same two edits by hand.
class StatusBoxBench : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tick_data();
    void tick();

private:
    QTemporaryDir scratch;
};

void StatusBoxBench::initTestCase()
{
    // The window starts a port-list run; in an empty directory it fails to start,
    // which is reported only once the event loop runs, and the bench never runs it.
    QVERIFY(scratch.isValid());
    QVERIFY(QDir::setCurrent(scratch.path()));
}

void StatusBoxBench::tick_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("progress");

    for (const char *box : {"program", "bare QTextEdit"})
        for (int shown : {100, 1000, 10000})
            for (bool progress : {false, true})
                QTest::addRow("%s|%d|%s", box, shown, progress ? "progress" : "plain")
                    << QString(box) << shown << progress;
}

namespace {
QString filler(int lines)
{
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("Earlier status line number %1").arg(i);
    return text.join('\n');
}
} // namespace

void StatusBoxBench::tick()
{
    QFETCH(QString, box);
    QFETCH(int, shown);
    QFETCH(bool, progress);

    const QString line = progress ? QStringLiteral("Upload Progress  42%\r")
                                  : QStringLiteral("Upload complete, now verifying...");
    if (box == "program") {
        bootloader controller;
        QTimer timer;
        MainWindow window(controller, timer);
        QTextEdit *edit = window.findChild<QTextEdit *>("Status_textbox");
        QVERIFY(edit);
        edit->setPlainText(filler(shown));
        QBENCHMARK {
            window.insert_text(line);
            window.update_text_now();
        }
        QVERIFY(edit->document()->blockCount() >= shown);
    } else {
        QTextEdit edit;
        edit.setPlainText(filler(shown));
        QBENCHMARK {
            if (progress) {
                QTextCursor cursor = edit.textCursor();
                cursor.movePosition(QTextCursor::Start, QTextCursor::MoveAnchor, 1);
                cursor.select(QTextCursor::LineUnderCursor);
                cursor.removeSelectedText();
                edit.moveCursor(QTextCursor::Start, QTextCursor::MoveAnchor);
                edit.insertPlainText(line.section('\r', 0, 0));
            } else {
                edit.moveCursor(QTextCursor::Start, QTextCursor::MoveAnchor);
                edit.insertPlainText(line + '\n');
            }
        }
        QVERIFY(edit.document()->blockCount() >= shown);
    }
}

QTEST_MAIN(StatusBoxBench)
#include "bench_statusbox.moc"
