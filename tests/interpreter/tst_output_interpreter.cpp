#include "message_catalogue.h"
#include "output_interpreter.h"
#include "tool_messages.h"
#include "tool_texts.h"

#include <QSet>
#include <QtTest>

namespace {

// As the status box's lasting line: the message and a blank line.
const QString comm_message = QString(tool_messages::communication) + "\n\n";

const QPair<course_event::kind_type, const char *> kind_names[] = {
    {course_event::tool_text, "text"},       {course_event::tool_ports, "ports"},
    {course_event::tool_warning, "warning"}, {course_event::tool_failure, "failure"},
    {course_event::tool_success, "success"}, {course_event::device_found, "device"},
};

QString kind_name(course_event::kind_type kind)
{
    for (const auto &name : kind_names)
        if (name.first == kind)
            return name.second;
    return "not_a_tool_event";
}

// One line per text of each event, "row kind text", and one for the ports or the
// device, so that a whole chunk's outcome compares as one list and a mismatch
// shows what happened.
QStringList describe(const QVector<tool_event> &events)
{
    QStringList out;
    for (const tool_event &e : events) {
        const QString head = QString::number(e.row) + ' ' + kind_name(e.kind) + ' ';
        if (e.kind == course_event::tool_ports)
            out << head + e.ports.join(',');
        if (e.kind == course_event::device_found)
            out << head + e.version + '|' + e.name;
        for (const QString &text : e.texts)
            out << head + text;
    }
    return out;
}

// What a chunk holding nothing but `text` of the table's row `row` must raise.
QStringList alone(int row, const QString &text)
{
    const QString n = QString::number(row);
    switch (row) {
    case 1:
        return {n + " ports "};
    case 2:
        return {n + " success Verify Progress 100%\r", n + " success Upload Complete!\n"};
    case 3:
        return {n + " text Upload Progress   0%\n"};
    case 4:
        return {n + " text Upload Progress 100%\r", n + " text Upload complete, now verifying...\n",
                n + " text Verify Progress  0%\n"};
    case 5:
        return {n + " text " + text + '\r'};
    case 6:
        return {n + " text Please cycle power to the device" + text + '\r'};
    case 7:
        return {n + " device |"};
    case 8:  // the debug record cannot be made,
    case 16: // or written,
    case 19: // the file holds more than the device: the update goes on
        return {n + " warning " + tool_messages::of_row(row) + "\n\n"};
    default:
        return {n + " failure " + tool_messages::of_row(row) + "\n\n"};
    }
}

QString swap_case(QString text)
{
    for (QChar &c : text)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    return text;
}

} // namespace

class output_interpreter_test : public QObject
{
    Q_OBJECT
private slots:
    void catalogue_shape();
    void every_text_fires_its_own_row_alone_data();
    void every_text_fires_its_own_row_alone();
    void letter_case_variant_fires_nothing_data();
    void letter_case_variant_fires_nothing();
    void chunks_data();
    void chunks();
    void decoding_data();
    void decoding();
    void reads_split_anywhere_act_once();
    void unfinished_line_is_bounded();
};

// The table holds the tool's texts row by row as typed for the tests, and nothing else.
void output_interpreter_test::catalogue_shape()
{
    QVector<tool_text> in_table;
    for (std::size_t i = 0; i < tool_catalogue.size(); ++i) {
        const catalogue_row &row = tool_catalogue[i];
        QCOMPARE(row.number, static_cast<int>(i) + 1);
        for (const char *text : row.texts)
            if (text != nullptr)
                in_table.append({row.number, QString::fromLatin1(text)});
    }
    const QVector<tool_text> typed = tool_texts_by_row();
    QCOMPARE(typed.size(), 59);
    QCOMPARE(in_table.size(), typed.size());
    for (int i = 0; i < typed.size(); ++i) {
        QCOMPARE(in_table.at(i).row, typed.at(i).row);
        QCOMPARE(in_table.at(i).text, typed.at(i).text);
    }
}

void output_interpreter_test::every_text_fires_its_own_row_alone_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    for (const tool_text &t : tool_texts_by_row())
        QTest::addRow("row%d \"%s\"", t.row, qPrintable(t.text)) << t.text << alone(t.row, t.text);
}

void output_interpreter_test::every_text_fires_its_own_row_alone()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(interpret_chunk(text)), expected);
}

void output_interpreter_test::letter_case_variant_fires_nothing_data()
{
    QTest::addColumn<QString>("text");
    for (const tool_text &t : tool_texts_by_row())
        if (swap_case(t.text) != t.text)
            QTest::addRow("row%d \"%s\"", t.row, qPrintable(t.text)) << swap_case(t.text);
}

void output_interpreter_test::letter_case_variant_fires_nothing()
{
    QFETCH(QString, text);
    QCOMPARE(describe(interpret_chunk(text)), QStringList());
}

void output_interpreter_test::chunks_data()
{
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<QStringList>("expected");
    const QString comm = comm_message;

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("unknown_line") << "Hello there\r\n" << QStringList();
    QTest::newRow("success_then_timeout")
        << "Reset send successful!\r\nTimeout!\r\n"
        << QStringList{"2 success Verify Progress 100%\r", "2 success Upload Complete!\n",
                       "20 failure " + comm};
    QTest::newRow("rows_in_row_order_not_text_order")
        << "Incorrect usage:\r\nCan not open comport\r\n"
        << QStringList{"11 failure This serial port is unusable. Please check that the serial port "
                       "isn't being used by another program, and is installed correctly.\n\n",
                       "14 failure Command line tool incompatible with this helper program. Please "
                       "reinstall the latest upload program and try again!\n\n"};
    QTest::newRow("row_once_however_often")
        << "Timeout!\r\nno stx char!\r\nTimeout!\r\nFlash Read fail!\r\n"
        << QStringList{"20 failure " + comm};
    QTest::newRow("text_inside_longer_line") << "xxTimeout!yy" << QStringList{"20 failure " + comm};

    QTest::newRow("ports_without_line_end") << "COM Numbers are:3:7" << QStringList{"1 ports 3,7"};
    QTest::newRow("ports_crlf") << "COM Numbers are:3:7\r\n" << QStringList{"1 ports 3,7"};
    QTest::newRow("ports_final_colon") << "COM Numbers are:3:7:\r\n" << QStringList{"1 ports 3,7"};
    QTest::newRow("ports_marker_alone") << "COM Numbers are:\r\n" << QStringList{"1 ports "};
    QTest::newRow("ports_stop_at_empty_field") << "COM Numbers are:3::7\r\n"
                                               << QStringList{"1 ports 3"};
    QTest::newRow("ports_colon_line_before_marker") << "Scanning: done\r\nCOM Numbers are:3:7\r\n"
                                                    << QStringList{"1 ports 3,7"};
    QTest::newRow("ports_line_then_error") << "COM Numbers are:12\nchecksum error: 5\n"
                                           << QStringList{"1 ports 12", "20 failure " + comm};
    QStringList many;
    for (int i = 1; i <= 300; ++i)
        many << QString::number(i);
    QTest::newRow("ports_more_than_255") << "COM Numbers are:" + many.join(':') + "\r\n"
                                         << QStringList{"1 ports " + many.mid(0, 255).join(',')};

    QTest::newRow("upload_start_and_progress")
        << "Now writing from 0x0000\r\nUpload Progress  42%\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b\b"
        << QStringList{"3 text Upload Progress   0%\n", "5 text Upload Progress  42%\r"};
    QTest::newRow("verify_start_and_progress")
        << "Now verifying flash from 0x0000\r\nVerify Progress 12%\b\b\b\b"
        << QStringList{"4 text Upload Progress 100%\r",
                       "4 text Upload complete, now verifying...\n", "4 text Verify Progress  0%\n",
                       "5 text Verify Progress 12%\r"};
    QTest::newRow("progress_line_feed_no_backspace") << "Upload Progress\n"
                                                     << QStringList{"5 text \r"};
    QTest::newRow("waiting_dot_with_backspaces")
        << ".   \b\b\b\b" << QStringList{"6 text Please cycle power to the device.   \r"};
    QTest::newRow("waiting_after_other_line")
        << "Searching\n... \b\b\b\bmore"
        << QStringList{"6 text Please cycle power to the device... \r"};

    QTest::newRow("device_port_version_name") << "Device found on port:4:2A:Unit\r\n"
                                              << QStringList{"7 device 2A|Unit"};
    QTest::newRow("device_name_only") << "Device found on port:Unit X\r\nnext line\r\n"
                                      << QStringList{"7 device |Unit X"};
    QTest::newRow("device_after_colon_line") << "Port: 4\r\nDevice found on port:4:2A:Unit\n"
                                             << QStringList{"7 device 2A|Unit"};
}

void output_interpreter_test::chunks()
{
    QFETCH(QString, chunk);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(interpret_chunk(chunk)), expected);
}

void output_interpreter_test::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("plain") << QByteArray("Timeout!\r\n") << "Timeout!\r\n";
    QTest::newRow("zero_first") << QByteArray("\0Timeout!", 9) << QString();
    QTest::newRow("zero_inside") << QByteArray("Time\0out!", 9) << "Time";
    QTest::newRow("above_127") << QByteArray("\xb5\xe9\x80\xff")
                               << QStringLiteral("\u00b5\u00e9\u0080\u00ff");
}

void output_interpreter_test::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decode_tool_output(bytes), text);
}

// Whatever two reads a pipe splits a transcript into, each of its texts is acted
// on once, with the fields of the whole line.
void output_interpreter_test::reads_split_anywhere_act_once()
{
    const QString transcript = "COM Numbers are:3:4\r\nDevice found on port:4:2A:Unit\r\n"
                               "Now writing from 0x0 to 0x7f\r\nUpload Progress  42%\b\b\b\b"
                               "Now verifying flash from 0x0 to 0x7f\r\nReset send successful!\r\n"
                               "no stx char!\r\n";
    const QStringList whole{"1 ports 3,4", "7 device 2A|Unit", "3", "5", "4", "2", "20"};
    for (int split = 0; split <= transcript.size(); ++split) {
        tool_output_reader reader;
        QVector<tool_event> events = reader.read(transcript.left(split));
        events += reader.read(transcript.mid(split));
        events += reader.finish();
        QStringList rows;
        for (const tool_event &e : events) {
            QString row = QString::number(e.row);
            if (e.kind == course_event::tool_ports)
                row += " ports " + e.ports.join(',');
            if (e.kind == course_event::device_found)
                row += " device " + e.version + '|' + e.name;
            rows << row;
        }
        QStringList expected = whole;
        std::sort(expected.begin(), expected.end());
        std::sort(rows.begin(), rows.end());
        QVERIFY2(rows == expected,
                 qPrintable(QString("split at %1: %2").arg(split).arg(rows.join("; "))));
    }
}

// A tool that never ends its line must not make the program keep it all.
void output_interpreter_test::unfinished_line_is_bounded()
{
    tool_output_reader reader;
    QCOMPARE(describe(reader.read("Device found on port:4:2A:")), QStringList());
    const QString name(tool_output_reader::max_kept_line, 'x');
    QCOMPARE(describe(reader.read(name)), QStringList({"7 device 2A|" + name}));
    QCOMPARE(describe(reader.read("\r\n")), QStringList());
    QCOMPARE(describe(reader.finish()), QStringList());
}

QTEST_GUILESS_MAIN(output_interpreter_test)
#include "tst_output_interpreter.moc"
