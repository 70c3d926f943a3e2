#include "communication_texts.h"
#include "tool_messages.h"
#include "window_rig.h"

#include <QRegularExpression>

// Every tool text of the message table and every message, through the real window and
// the stand-in tool. The expected texts are typed for the tests (here and in
// tests/support), apart from the program's table and the stand-in's own texts, so
// that a changed character in either, or a message given to the wrong row, fails a row.

namespace {

using namespace tool_messages;

const char complete[] = "Upload Complete!";

// No waiting for the device and no pauses between phases: only the outcome matters here.
// The stand-in copies what it prints to the transcript, so the tool's side is checked too.
const char quick_settings[] = "device_appears_after_ms=0\nphase_delay_ms=0\n"
                              "transcript_file=transcript.txt\n";

QByteArray text_fault(int number)
{
    return "fault=text:" + QByteArray::number(number) + '\n';
}

QByteArray tag_of(const char *text)
{
    return "comm_" + QString::fromLatin1(text)
                         .toLower()
                         .replace(QRegularExpression("[^a-z]+"), "_")
                         .remove(QRegularExpression("_$"))
                         .toLatin1();
}

} // namespace

class messages_test : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void message_of_each_tool_text_data();
    void message_of_each_tool_text();
    void waiting_and_progress_texts_data();
    void waiting_and_progress_texts();
};

void messages_test::initTestCase()
{
    QVERIFY(!tool_dir::simulator_sample("demo-firmware-v1.0.hex").isEmpty());
}

void messages_test::message_of_each_tool_text_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("device_library"); // empty: the stand-in's own; "-": none
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<QStringList>("tool_texts"); // printed by the stand-in, in full
    QTest::addColumn<QStringList>("shown");      // lines of the status box at the end
    QTest::addColumn<QString>("colour");

    const QByteArray good = tool_dir::simulator_sample("demo-firmware-v1.0.hex");
    const QByteArray own; // device library
    // The device a moment late and a pause around each phase line, as with the real tool:
    // a run that goes on after a warning reaches the program in its phases.
    const QByteArray paced = "device_appears_after_ms=200\nphase_delay_ms=250\n";
    const QString newer = newer_software + QString(maker_site) + '!';
    const QString rejected = rejected_file + QString(maker_site) + '!';
    auto red = [&](const char *tag, const QByteArray &settings, const QStringList &texts,
                   const QString &message) {
        QTest::newRow(tag) << settings << own << good << texts << QStringList{message}
                           << QString("red");
    };
    auto warning = [&](const char *tag, const QByteArray &settings, const QByteArray &library,
                       const QStringList &texts, const QString &message) {
        QTest::newRow(tag) << paced + settings << library << good << texts
                           << QStringList{message, complete} << QString("green");
    };

    // Dot groups at the tool's fastest pace, so that each of the four is printed.
    QTest::newRow("update_completes")
        << paced + "dot_interval_ms=10\n"
        << own << good
        << QStringList{"COM Numbers are:",
                       "....",
                       ".   ",
                       "..  ",
                       "... ",
                       "Device found on port:",
                       "Now writing from ",
                       "Upload Progress",
                       "Now verifying flash from ",
                       "Verify Progress",
                       "Reset send successful!"}
        << QStringList{complete,
                       "Verify Progress 100%",
                       "Upload complete, now verifying...",
                       "Upload Progress 100%",
                       "Now flashing with fw.hex",
                       "VM100 Sensor Unit detected with bootloader version 2A"}
        << "green";

    // Row 8, and row 16 with the same message
    warning("debug_file_refused", "fault=debug_file\n", own,
            {"failed to make debug file!", "Could not open serial output file!"}, debug_file);
    red("debug_file_not_made", text_fault(1), {"failed to make debug file!"}, debug_file);
    // Row 9
    red("illegal_file_name", text_fault(2), {"Please enter a valid input filename!"}, file_name);
    // Row 10
    red("version_not_hex", "bootloader_version=ZZ\n", {"Please specify bootloader version in hex"},
        newer);
    red("version_not_in_library", "bootloader_version=77\n",
        {"Could not find entry for version 77"}, newer);
    red("version_unsupported", "bootloader_version=1F\n", {"Bootloader unsupported"}, newer);
    // Row 11: with no port listed the program keeps its default port, none of the tool's.
    red("port_unusable", "ports=\n", {"Can not open comport"}, serial_port);
    // Row 12
    red("device_not_found", "device_port=3\nwait_limit_ms=0\n",
        {"timeout trying to find bootloader!"}, no_device);
    // Row 13
    QTest::newRow("device_library_missing")
        << QByteArray() << QByteArray("-") << good << QStringList{"failed to get device file!"}
        << QStringList{device_file} << "red";
    // Row 14
    red("incorrect_usage", text_fault(9), {"Incorrect usage:"}, incompatible_tool);
    // Row 15
    red("no_serial_port", text_fault(10), {"Please specify a serial port, with -s"}, choose_port);
    // Row 16
    red("serial_output_file_not_opened", text_fault(11), {"Could not open serial output file!"},
        debug_file);
    // Row 17
    warning("record_write_fails", "fault=write_error\n", own,
            {"Error writing to serial_communication_record.txt"}, disk);
    red("error_writing_to", text_fault(12), {"Error writing to "}, disk);
    red("eeprom_output_not_opened", "fault=eeprom_output\n",
        {"Could not open output file to append eeprom data!"}, disk);
    // Row 18. The program's own check refuses an empty or missing file before the tool
    // could, so the tool's texts for them are brought about as faults.
    red("hex_file_read_failure", text_fault(14), {"hex file read failure!"}, bad_firmware);
    red("verify_fails", "fault=verify_fail\n", {"verify fail at row address "}, bad_firmware);
    // Row 19
    warning("flash_beyond_device", QByteArray(), "2A 4096 VM100 Sensor Unit\n",
            {"Hex file defines memory unreachable. Truncating at address 0x1000", too_much_data},
            too_much_data);
    warning("flash_below_start", QByteArray(), "2A 131072 start=0x0800 VM100 Sensor Unit\n",
            {"Truncating lower range limit to lower range of writable flash"}, too_much_data);
    red("truncating_at_address", text_fault(16),
        {"Hex file defines memory unreachable. Truncating at address "}, too_much_data);
    red("truncating_lower_range", text_fault(17),
        {"Truncating lower range limit to lower range of writable flash"}, too_much_data);
    red("more_data_than_device_holds", text_fault(18), {too_much_data}, too_much_data);
    // Row 20
    for (int i = 0; i < communication_text_count; ++i)
        red(tag_of(communication_texts[i]).constData(),
            "fault=comm:" + QByteArray::number(i + 1) + '\n', {communication_texts[i]},
            communication);
    // Row 21
    red("no_file_name", text_fault(19), {"No file name specified"}, file_name);
    // Row 22
    red("file_not_opened", text_fault(21), {"Failed to open file!"}, rejected);
    red("file_flash_range_exceeded", text_fault(20), {"FLASH data range exceeded,"}, rejected);
    red("file_eeprom_range_exceeded", text_fault(22), {"EEPROM data range exceeded,"}, rejected);
    red("file_line_rejected", text_fault(23), {"Line at address  %x rejected"}, rejected);
    red("file_no_end_of_file", text_fault(24), {"No end of file reached?"}, rejected);
    red("file_high_address_high_byte", text_fault(25), {"could not read high address high byte?"},
        rejected);
    red("file_high_address_low_byte", text_fault(26), {"could not read high address low byte?"},
        rejected);
    red("file_byte_conv_error", text_fault(27), {"Byte conv error?!"}, rejected);
    red("file_checksum_conv_error", text_fault(28), {"Byte conv error on checksum?!"}, rejected);
    // Row 23
    QTest::newRow("device_flash_size_zero")
        << QByteArray() << QByteArray("2A 0 VM100 Sensor Unit\n") << good
        << QStringList{"size cannot be 0!"} << QStringList{device_config} << "red";
}

void messages_test::message_of_each_tool_text()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, device_library);
    QFETCH(QByteArray, firmware);
    QFETCH(QStringList, tool_texts);
    QFETCH(QStringList, shown);
    QFETCH(QString, colour);

    window_rig rig;
    QVERIFY(rig.use_simulator(quick_settings + settings, device_library));
    QVERIFY(rig.dir.write_file("fw.hex", firmware));
    rig.open();
    // The port list run ends by itself.
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    rig.press_update();
    QTest::mouseRelease(rig.update, Qt::LeftButton);

    // The update is over once its outcome is shown and the tool has ended. Between the
    // waiting run's end and the flash run's start no tool runs, so the end of a run
    // alone says nothing.
    const QString outcome = colour == "green" ? QString(complete) : shown.first();
    QTRY_VERIFY2_WITH_TIMEOUT(rig.lines().contains(outcome) &&
                                  rig.controller.process.state() == QProcess::NotRunning,
                              qPrintable(rig.lines().join('\n')), update_wait_ms);
    QVERIFY(rig.drain());
    QCOMPARE(rig.colour(), status_colour(colour));

    QFile transcript(rig.dir.file_path("transcript.txt"));
    QVERIFY(transcript.open(QIODevice::ReadOnly));
    const QByteArray printed = transcript.readAll();
    for (const QString &text : tool_texts)
        QVERIFY2(printed.contains(text.toLatin1()), qPrintable(text + " not in: " + printed));

    for (const QString &line : shown)
        QVERIFY2(rig.lines().contains(line),
                 qPrintable(line + " not in:\n" + rig.lines().join('\n')));
}

void messages_test::waiting_and_progress_texts_data()
{
    QTest::addColumn<QByteArray>("output"); // with the fake tool's escapes
    QTest::addColumn<QString>("top");

    const QByteArray back4 = "\\b\\b\\b\\b";
    const QByteArray back20 = back4 + back4 + back4 + back4 + back4;
    QTest::newRow("dots_four") << "...." + back4 << "Please cycle power to the device....";
    QTest::newRow("dots_one") << ".   " + back4 << "Please cycle power to the device.   ";
    QTest::newRow("dots_two") << "..  " + back4 << "Please cycle power to the device..  ";
    QTest::newRow("dots_three") << "... " + back4 << "Please cycle power to the device... ";
    QTest::newRow("upload_figure") << "Upload Progress  42%" + back20 << "Upload Progress  42%";
    QTest::newRow("verify_figure") << "Verify Progress  42%" + back20 << "Verify Progress  42%";
}

// The waiting dots and progress figures only ever rewrite the top line, so each is
// printed by the fake tool into an emptied box once the update run is waiting.
void messages_test::waiting_and_progress_texts()
{
    QFETCH(QByteArray, output);
    QFETCH(QString, top);

    window_rig rig;
    QVERIFY(rig.dir.is_valid());
    QVERIFY(rig.dir.set_script("2:wait go\n2:print " + output + "\n2:hang\n"));
    QVERIFY(rig.dir.write_file("fw.hex", tool_dir::simulator_sample("demo-firmware-v1.0.hex")));
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString("Please cycle power to the device...."),
                              tool_wait_ms);

    rig.box->clear();
    QVERIFY(rig.dir.touch("go"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), top, tool_wait_ms);
}

QTEST_MAIN(messages_test)
#include "tst_messages.moc"
