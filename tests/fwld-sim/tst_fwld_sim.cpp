#include "communication_texts.h"
#include "tool_dir.h"
#include "wait_limits.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

const char quick_settings[] = "progress_delay_ms=0\nphase_delay_ms=0\ndot_interval_ms=10\n"
                              "device_appears_after_ms=0\n";
const char end_record[] = ":00000001FF\r\n";

// One Intel HEX record with a correct checksum.
QByteArray record(int type, int address, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF));
    bytes.append(char(type)).append(data);
    int sum = 0;
    for (char c : bytes)
        sum += uchar(c);
    bytes.append(char(-sum & 0xFF));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

// `size` bytes from `address` on, sixteen to a record, without the end record.
QByteArray data_records(int address, int size)
{
    QByteArray records;
    for (int offset = 0; offset < size; offset += 16) {
        QByteArray data;
        for (int i = offset; i < qMin(size, offset + 16); ++i)
            data.append(char(i * 7));
        records += record(0, address + offset, data);
    }
    return records;
}

// Three pages of flash, so that faults in the middle of writing have a middle.
QByteArray good_hex()
{
    return data_records(0, 768) + end_record;
}

QByteArray linear(int upper)
{
    return record(4, 0, QByteArray(1, char(upper >> 8)) + char(upper & 0xFF));
}

QStringList flash_args(const QString &file = "fw.hex", const QString &version = "2A")
{
    return {"-s", "4", "-M", "1000000", "-B", version, "-f", file};
}

const QStringList wait_args{"-s", "4", "-M", "1000000", "-b"};

struct sim_result
{
    QByteArray out;
    int exit_code = -1;
    bool crashed = false;
};

} // namespace

class fwld_sim_test : public QObject
{
    Q_OBJECT

private:
    // Puts the device library and the settings in place and runs the tool to its end.
    sim_result run(const tool_dir &dir, const QStringList &args, const QByteArray &conf,
                   const QByteArray &device = QByteArray());

private slots:
    void command_lines_data();
    void command_lines();
    void good_files_data();
    void good_files();
    void objcopy_image_over_64_kib();
    void toolchain_overlap_later_value_wins_data();
    void toolchain_overlap_later_value_wins();
    void bad_files_data();
    void bad_files();
    void fault_table_data();
    void fault_table();
    void hang_never_ends();
};

sim_result fwld_sim_test::run(const tool_dir &dir, const QStringList &args, const QByteArray &conf,
                              const QByteArray &device)
{
    sim_result result;
    QFile sample(QStringLiteral(SAMPLE_DEVICE_FILE));
    const QByteArray library =
        device.isEmpty() && sample.open(QIODevice::ReadOnly) ? sample.readAll() : device;
    if (library != "none" && !dir.write_file("device.txt", library))
        return result;
    if (!dir.write_file("fwld-sim.conf", quick_settings + conf))
        return result;
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(dir.file_path("fwld.exe"), args);
    if (!tool.waitForFinished(tool_wait_ms)) {
        tool.kill();
        tool.waitForFinished(tool_wait_ms);
    }
    result.out = tool.readAllStandardOutput();
    result.crashed = tool.exitStatus() == QProcess::CrashExit;
    result.exit_code = result.crashed ? -1 : tool.exitCode();
    return result;
}

void fwld_sim_test::command_lines_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("exit_code");

    const QByteArray found = "Device found on port:4:2A:VM100 Sensor Unit\r\n";
    QTest::newRow("port_list_default")
        << QStringList{"-t"} << QByteArray() << QByteArray("COM Numbers are:3:4\r\n") << true << 0;
    QTest::newRow("port_list_configured")
        << QStringList{"-t"} << QByteArray("ports = 1, 7 12:9\n")
        << QByteArray("COM Numbers are:1:7:12:9\r\n") << true << 0;
    QTest::newRow("port_list_empty") << QStringList{"-t"} << QByteArray("ports=\n")
                                     << QByteArray("COM Numbers are:\r\n") << true << 0;
    QTest::newRow("wait_device_on_last_port") << wait_args << QByteArray() << found << true << 0;
    QTest::newRow("wait_configured_device")
        << QStringList{"-s", "3", "-M", "115200", "-b"}
        << QByteArray("device_port=3\ndevice_name=Test Rig\nbootloader_version=2B\n")
        << QByteArray("Device found on port:3:2B:Test Rig\r\n") << true << 0;
    QTest::newRow("wait_prints_dot_groups")
        << wait_args << QByteArray("device_appears_after_ms=300\n")
        << QByteArray("....\b\b\b\b.   \b\b\b\b..  \b\b\b\b... \b\b\b\b") << false << 0;
    QTest::newRow("conf_junk_keeps_defaults")
        << wait_args << QByteArray("nonsense\nports=x\ndevice_name=a:b\nwait_limit_ms=-1\n")
        << found << true << 0;

    const QByteArray usage = "Incorrect usage:";
    QTest::newRow("no_arguments") << QStringList() << QByteArray() << usage << false << 2;
    QTest::newRow("unknown_option") << QStringList{"-x"} << QByteArray() << usage << false << 2;
    QTest::newRow("upper_case_T") << QStringList{"-T"} << QByteArray() << usage << false << 2;
    QTest::newRow("port_list_extra")
        << QStringList{"-t", "-t"} << QByteArray() << usage << false << 2;
    QTest::newRow("wait_without_b")
        << QStringList{"-s", "4", "-M", "1000000"} << QByteArray() << usage << false << 2;
    QTest::newRow("options_reordered")
        << QStringList{"-M", "1000000", "-s", "4", "-b"} << QByteArray() << usage << false << 2;
    QTest::newRow("flash_without_f")
        << QStringList{"-s", "4", "-M", "1000000", "-B", "2A", "fw.hex"} << QByteArray() << usage
        << false << 2;
    QTest::newRow("flash_extra_argument")
        << flash_args() + QStringList{"-v"} << QByteArray() << usage << false << 2;
}

void fwld_sim_test::command_lines()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, conf);
    QFETCH(QByteArray, expected);
    QFETCH(bool, exact);
    QFETCH(int, exit_code);

    tool_dir dir(tool_dir::simulated_tool);
    QVERIFY(dir.is_valid());
    const sim_result result = run(dir, args, conf);
    if (exact)
        QCOMPARE(result.out, expected);
    else
        QVERIFY2(result.out.contains(expected), result.out.constData());
    QCOMPARE(result.exit_code, exit_code);
}

void fwld_sim_test::good_files_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("range");

    QTest::newRow("plain") << good_hex() << QString("fw.hex") << QByteArray("0x0000 to 0x02FF");
    QTest::newRow("lower_case_lf_blank_lines")
        << data_records(0x100, 20).toLower().replace("\r\n", "\n\n") + ":00000001ff"
        << QString("fw.hex") << QByteArray("0x0100 to 0x0113");
    QTest::newRow("extended_linear")
        << linear(1) + data_records(0x10, 16) + record(5, 0, QByteArray(4, '\0')) + end_record
        << QString("fw.hex") << QByteArray("0x10010 to 0x1001F");
    QTest::newRow("extended_segment")
        << record(2, 0, QByteArray("\x10\x00", 2)) + data_records(0x20, 16) +
               record(3, 0, QByteArray(4, '\0')) + end_record
        << QString("fw.hex") << QByteArray("0x10020 to 0x1002F");
    QTest::newRow("segment_offset_wraps")
        << record(2, 0, QByteArray(2, '\0')) + record(0, 0xFFF8, QByteArray(16, 'x')) + end_record
        << QString("fw.hex") << QByteArray("0x0000 to 0xFFFF");
    QTest::newRow("same_bytes_twice") << data_records(0, 32) + data_records(0, 16) + end_record
                                      << QString("fw.hex") << QByteArray("0x0000 to 0x001F");
    QTest::newRow("flash_and_eeprom")
        << data_records(0, 16) + linear(0x81) + data_records(0, 16) + end_record
        << QString("fw.hex") << QByteArray("0x0000 to 0x81000F");
    QTest::newRow("odd_path_characters")
        << good_hex() << QString::fromUtf8("my \"fw\" v1;$x (2) \xc3\xa4.hex")
        << QByteArray("0x0000 to 0x02FF");
}

void fwld_sim_test::good_files()
{
    QFETCH(QByteArray, hex);
    QFETCH(QString, file);
    QFETCH(QByteArray, range);

#ifdef Q_OS_WIN
    if (file.contains('"'))
        QSKIP("Windows forbids \" in file names");
#endif
    tool_dir dir(tool_dir::simulated_tool);
    QVERIFY(dir.write_file(file, hex));
    const sim_result result = run(dir, flash_args(dir.file_path(file)), QByteArray());
    QVERIFY2(result.out.contains("Now writing from " + range + "\r\n"), result.out.constData());
    QVERIFY(result.out.contains("Now verifying flash from " + range + "\r\n"));
    QVERIFY(result.out.contains("Upload Progress 100%" + QByteArray(20, '\b')));
    QVERIFY(result.out.contains("Verify Progress 100%" + QByteArray(20, '\b')));
    QVERIFY(result.out.endsWith("Reset send successful!\r\n"));
    QCOMPARE(result.out.count("\n"), result.out.count("\r\n"));
    QCOMPARE(result.exit_code, 0);
    QVERIFY(QFile::exists(dir.file_path("serial_communication_record.txt")));
}

void fwld_sim_test::objcopy_image_over_64_kib()
{
    tool_dir dir(tool_dir::simulated_tool);
    QFile image(QStringLiteral(OBJCOPY_IMAGE));
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QByteArray bytes = image.readAll();
    QCOMPARE(bytes.size(), 70000);
    QVERIFY(QFile::copy(QStringLiteral(OBJCOPY_HEX), dir.file_path("image.hex")));
    QFile hex(dir.file_path("image.hex"));
    QVERIFY(hex.open(QIODevice::ReadOnly));
    QVERIFY(hex.readAll().contains(":02000002")); // the data crosses 64 KiB

    const sim_result result = run(dir, flash_args("image.hex"), "image_file=written.bin\n");
    QVERIFY2(result.out.contains("Now writing from 0x0000 to 0x1116F\r\n"), result.out.constData());
    QVERIFY(result.out.endsWith("Reset send successful!\r\n"));
    QCOMPARE(result.exit_code, 0);
    QFile written(dir.file_path("written.bin"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll() == bytes);
}

void fwld_sim_test::toolchain_overlap_later_value_wins_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QByteArray>("objcopy_image");

    // Made by the AVR toolchain's objcopy (GNU Binutils 2.26) the way a bootloader build
    // places its version word over the last data word: app.bin holds the 64 bytes
    // (i * 37 + 11) & 0xFF, version.bin the bytes 2A 01.
    //   avr-objcopy -I binary -O elf32-avr -B avr app.bin app.elf
    //   avr-objcopy --add-section .version=version.bin
    //       --set-section-flags .version=alloc,load,contents
    //       --change-section-address .version=0x3E app.elf both.elf
    //   avr-objcopy -O ihex both.elf both.hex
    // The image is what GNU objcopy 2.40 makes of it, the later value winning:
    //   objcopy -I ihex -O binary both.hex both.bin
    QTest::newRow("objcopy_version_word_over_last_data_word")
        << QByteArray(":100000000B30557A9FC4E90E33587DA2C7EC1136E8\r\n"
                      ":100010005B80A5CAEF14395E83A8CDF2173C6186D8\r\n"
                      ":10002000ABD0F51A3F6489AED3F81D42678CB1D6C8\r\n"
                      ":10003000FB20456A8FB4D9FE23486D92B7DC0126B8\r\n"
                      ":02003E002A0195\r\n"
                      ":00000001FF\r\n")
        << QByteArray::fromHex("0b30557a9fc4e90e33587da2c7ec11365b80a5caef14395e83a8cdf2173c"
                               "6186abd0f51a3f6489aed3f81d42678cb1d6fb20456a8fb4d9fe23486d92"
                               "b7dc2a01");

    // A bootloader as a real build ships it, when the machine has one (see CMakeLists.txt);
    // its image is made by objcopy at build time.
    QByteArray bootloader;
    QByteArray bootloader_image;
#ifdef TOOLCHAIN_BOOTLOADER_HEX
    QFile hex(QStringLiteral(TOOLCHAIN_BOOTLOADER_HEX));
    QFile image(QStringLiteral(TOOLCHAIN_BOOTLOADER_IMAGE));
    if (hex.open(QIODevice::ReadOnly) && image.open(QIODevice::ReadOnly)) {
        bootloader = hex.readAll();
        bootloader_image = image.readAll();
    }
#endif
    QTest::newRow("bootloader_of_a_real_build") << bootloader << bootloader_image;
}

void fwld_sim_test::toolchain_overlap_later_value_wins()
{
    QFETCH(QByteArray, hex);
    QFETCH(QByteArray, objcopy_image);
    if (hex.isEmpty())
        QSKIP("no bootloader file of a real build on this machine");

    tool_dir dir(tool_dir::simulated_tool);
    QVERIFY(dir.write_file("fw.hex", hex));
    const sim_result result = run(dir, flash_args(), "image_file=written.bin\n");
    QVERIFY2(result.out.endsWith("Reset send successful!\r\n"), result.out.constData());
    QCOMPARE(result.exit_code, 0);
    QFile written(dir.file_path("written.bin"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().toHex(), objcopy_image.toHex());
}

void fwld_sim_test::bad_files_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray read_failure = "hex file read failure!";
    const QByteArray rejected = "Line at address  %x rejected";
    const QByteArray conv = "Byte conv error?!";
    const QByteArray checksum_conv = "Byte conv error on checksum?!";
    const QByteArray one = data_records(0, 1);
    auto row = [](const char *tag, const QByteArray &hex, const QByteArray &expected,
                  const QString &version = "2A") {
        QTest::newRow(tag) << hex << QString("fw.hex") << version << expected;
    };
    QTest::newRow("missing_file") << QByteArray() << QString("missing.hex") << QString("2A")
                                  << QByteArray("Failed to open file!");
    QTest::newRow("directory") << QByteArray() << QString("adir") << QString("2A") << read_failure;
    row("empty_file", "", read_failure);
    row("blank_lines_only", "\r\n \r\n", read_failure);
    row("end_record_only", end_record, read_failure);
    row("no_end_record", one, "No end of file reached?");
    row("not_a_record", one + "hello\r\n" + end_record, rejected);
    row("bad_checksum", ":0100000055AB\r\n" + QByteArray(end_record), rejected);
    row("unknown_type_06", one + record(6, 0, "") + end_record, rejected);
    row("end_record_with_data", one + record(1, 0, "x"), rejected);
    row("linear_address_three_bytes", record(4, 0, "abc") + one + end_record, rejected);
    row("start_linear_two_bytes", one + record(5, 0, "ab") + end_record, rejected);
    row("extra_characters", ":0100000055AA00\r\n" + QByteArray(end_record), rejected);
    row("record_after_end", end_record + one, rejected);
    row("line_without_end", ":" + QByteArray(5000, 'A'), rejected);
    row("non_hex_count", ":G100000055AA\r\n" + QByteArray(end_record), conv);
    row("non_hex_data", ":01000000ZZAA\r\n" + QByteArray(end_record), conv);
    row("data_cut_short", ":04000000AABB\r\n" + QByteArray(end_record), conv);
    row("checksum_missing", ":0100000055\r\n" + QByteArray(end_record), checksum_conv);
    row("checksum_not_hex", ":0100000055QQ\r\n" + QByteArray(end_record), checksum_conv);
    row("linear_high_byte", ":02000004QQ00FA\r\n" + one + end_record,
        "could not read high address high byte?");
    row("segment_high_byte_cut", ":02000002\r\n" + one + end_record,
        "could not read high address high byte?");
    row("linear_low_byte", ":0200000400QQFA\r\n" + one + end_record,
        "could not read high address low byte?");
    row("flash_all_beyond_device", linear(2) + one + end_record, "FLASH data range exceeded,");
    row("flash_all_below_start", one + end_record, "FLASH data range exceeded,", "2B");
    row("eeprom_beyond_device", linear(0x81) + data_records(0x3F8, 16) + end_record,
        "EEPROM data range exceeded,");
}

void fwld_sim_test::bad_files()
{
    QFETCH(QByteArray, hex);
    QFETCH(QString, file);
    QFETCH(QString, version);
    QFETCH(QByteArray, expected);

    tool_dir dir(tool_dir::simulated_tool);
    QVERIFY(file != "fw.hex" || dir.write_file(file, hex));
    QVERIFY(file != "adir" || QDir(dir.path()).mkdir(file));
    const sim_result result = run(dir, flash_args(file, version), QByteArray());
    QVERIFY2(result.out.startsWith(expected), result.out.constData());
    QVERIFY(!result.out.contains("Now writing from "));
    QCOMPARE(result.exit_code, 1);
}

void fwld_sim_test::fault_table_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("conf");
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QByteArray>("device");
    QTest::addColumn<bool>("record_is_directory");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::addColumn<int>("exit_code"); // -1: the tool crashes

    const QByteArray found = "Device found on port:4:2A:VM100 Sensor Unit\r\n";
    const QByteArray done = "Reset send successful!\r\n";
    const QByteArray none; // the sample device library, the good firmware file
    auto row = [&](const char *tag, const QStringList &args, const QByteArray &conf,
                   const QByteArrayList &expected, int exit_code) {
        QTest::newRow(tag) << args << conf << good_hex() << none << false << expected << exit_code;
    };

    QTest::newRow("row08_record_is_directory")
        << wait_args << none << none << none << true
        << QByteArrayList{"failed to make debug file!", found} << 0;
    row("row08_fault", wait_args, "fault=debug_file", {"failed to make debug file!", found}, 0);
    row("row09_illegal_name", flash_args("fw|1.hex"), none,
        {"Please enter a valid input filename!"}, 1);
    row("row10_empty_version", flash_args("fw.hex", ""), none,
        {"Please specify bootloader version in hex"}, 1);
    row("row10_unknown_version", flash_args("fw.hex", "2c"), none,
        {"Could not find entry for version 2c"}, 1);
    row("row10_unsupported", flash_args("fw.hex", "1F"), none, {"Bootloader unsupported"}, 1);
    row("row11_port_not_listed", {"-s", "7", "-M", "1000000", "-b"}, none, {"Can not open comport"},
        1);
    row("row11_bad_speed", {"-s", "4", "-M", "fast", "-b"}, none, {"Can not open comport"}, 1);
    row("row12_device_elsewhere", wait_args, "device_port=3\nwait_limit_ms=50",
        {"timeout trying to find bootloader!"}, 1);
    row("row12_device_too_late", wait_args, "device_appears_after_ms=300\nwait_limit_ms=50",
        {"timeout trying to find bootloader!"}, 1);
    QTest::newRow("row13_no_device_file")
        << flash_args() << none << good_hex() << QByteArray("none") << false
        << QByteArrayList{"failed to get device file!"} << 1;
    row("row14_usage", {"-b"}, none, {"Incorrect usage:"}, 2);
    row("row15_empty_port", {"-s", "", "-M", "1000000", "-b"}, none,
        {"Please specify a serial port, with -s"}, 1);
    const QByteArrayList record_refused{"Could not open serial output file!", done};
    QTest::newRow("row16_record_is_directory")
        << flash_args() << none << good_hex() << none << true << record_refused << 0;
    row("row17_write_error", flash_args(), "fault=write_error",
        {"Error writing to serial_communication_record.txt", done}, 0);
    row("row17_eeprom_output", flash_args(), "fault=eeprom_output",
        {"Could not open output file to append eeprom data!"}, 1);
    row("row18_verify_fail", flash_args(), "fault=verify_fail", {"verify fail at row address "}, 1);
    QTest::newRow("row19_beyond_flash_end")
        << flash_args("fw.hex", "2B") << none << data_records(0x7F00, 512) + end_record << none
        << false
        << QByteArrayList{"Hex file defines memory unreachable. Truncating at address 0x8000",
                          "This file specifies more data than the current device can hold. "
                          "The firmware may not behave as expected.",
                          "Now writing from 0x7F00 to 0x7FFF", done}
        << 0;
    QTest::newRow("row19_below_flash_start")
        << flash_args("fw.hex", "2B") << none << data_records(0x700, 512) + end_record << none
        << false
        << QByteArrayList{"Truncating lower range limit to lower range of writable flash",
                          "Now writing from 0x0800 to 0x08FF", done}
        << 0;
    for (int i = 0; i < communication_text_count; ++i)
        row(qPrintable(QString("row20_comm_%1").arg(i + 1)), flash_args(),
            "fault=comm:" + QByteArray::number(i + 1), {communication_texts[i]}, 1);
    row("row20_comm_by_text", flash_args(), "fault=comm:no ending char!", {"no ending char!"}, 1);
    row("row20_no_device_on_port", {"-s", "3", "-M", "1000000", "-B", "2A", "-f", "fw.hex"}, none,
        {"Timeout!"}, 1);
    row("row21_no_file_name", flash_args(""), none, {"No file name specified"}, 1);
    row("row22_missing_file", flash_args("gone.hex"), none, {"Failed to open file!"}, 1);
    QTest::newRow("row23_size_zero")
        << flash_args() << none << good_hex() << QByteArray("2A 0 VM100 Sensor Unit\n") << false
        << QByteArrayList{"size cannot be 0!"} << 1;
    QTest::newRow("row23_bootloader_takes_all")
        << flash_args() << none << good_hex() << QByteArray("2a 0x800 start=0x800 VM100\n") << false
        << QByteArrayList{"size cannot be 0!"} << 1;
    row("any_failure_text", flash_args(), "fault=text:29", {"size cannot be 0!"}, 1);
    row("crash_while_writing", flash_args(), "fault=crash_while_writing",
        {"Now writing from 0x0000 to 0x02FF"}, -1);
}

void fwld_sim_test::fault_table()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, conf);
    QFETCH(QByteArray, hex);
    QFETCH(QByteArray, device);
    QFETCH(bool, record_is_directory);
    QFETCH(QByteArrayList, expected);
    QFETCH(int, exit_code);

    tool_dir dir(tool_dir::simulated_tool);
    QVERIFY(dir.write_file("fw.hex", hex));
    QVERIFY(!record_is_directory || QDir(dir.path()).mkdir("serial_communication_record.txt"));
    const sim_result result = run(dir, args, conf + "\n", device);
    for (const QByteArray &text : expected)
        QVERIFY2(result.out.contains(text), (text + " not in: " + result.out).constData());
    QCOMPARE(result.exit_code, exit_code);
    if (exit_code == 1)
        QVERIFY(!result.out.contains("Reset send successful!"));
}

void fwld_sim_test::hang_never_ends()
{
    tool_dir dir(tool_dir::simulated_tool);
    QVERIFY(dir.write_file("fw.hex", good_hex()));
    QVERIFY(dir.write_file("fwld-sim.conf", quick_settings + QByteArray("fault=hang\n")));
    QVERIFY(dir.write_file("device.txt", "2A 131072 VM100 Sensor Unit\n"));
    QProcess tool;
    tool.setWorkingDirectory(dir.path());
    tool.start(dir.file_path("fwld.exe"), flash_args());
    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += tool.readAllStandardOutput()).contains("Upload Progress"),
                             tool_wait_ms);
    // Nothing signals "will never end"; a quiet half second past the last figure stands in.
    QVERIFY(!tool.waitForFinished(500));
    QVERIFY(tool.readAllStandardOutput().isEmpty());
    tool.kill();
    QVERIFY(tool.waitForFinished(tool_wait_ms));
}

QTEST_GUILESS_MAIN(fwld_sim_test)
#include "tst_fwld_sim.moc"
