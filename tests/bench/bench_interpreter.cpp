#include "output_interpreter.h"

#include <QtTest>

// The interpreter's cost for one chunk of tool output, from the bytes read off the
// pipe to the list of reactions, for the kinds of chunk the tool really sends.
class InterpreterBench : public QObject
{
    Q_OBJECT
private slots:
    void chunk_data();
    void chunk();
};

void InterpreterBench::chunk_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rows"); // how many rows the chunk fires

    QTest::newRow("progress figure")
        << QByteArray("Upload Progress  42%\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b") << 1;

    QByteArray ports("COM Numbers are");
    for (int i = 1; i <= 255; ++i)
        ports += ':' + QByteArray::number(i);
    ports += "\r\n";
    QTest::newRow("port list of 255 ports") << ports << 1;

    QByteArray unrelated;
    while (unrelated.size() < 64 * 1024)
        unrelated += "unrelated tool chatter, nothing the program knows of 0123456789\r\n";
    unrelated.resize(64 * 1024);
    QTest::newRow("64 KiB matching nothing") << unrelated << 0;

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
    QTest::newRow("chunk firing every row") << every << 23;
}

void InterpreterBench::chunk()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, rows);

    QSet<int> fired;
    for (const tool_reaction &r : interpret_chunk(decode_tool_output(bytes)))
        fired.insert(r.row);
    QCOMPARE(fired.size(), rows);

    QBENCHMARK
    {
        interpret_chunk(decode_tool_output(bytes));
    }
}

QTEST_GUILESS_MAIN(InterpreterBench)
#include "bench_interpreter.moc"
