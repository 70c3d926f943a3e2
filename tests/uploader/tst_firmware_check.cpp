#include "firmware_check.h"

#include <QTemporaryDir>
#include <QtTest>

// The check of the firmware file at Update, on files typed here: each valid form
// of Intel HEX is accepted with its data bytes and addresses, each fault refused
// with its line and its words. Checksums, line numbers and addresses were worked
// out by hand, not by the code under test. (tst_whole_update reads files from the
// disk through the window: their SHA-256, a file gone.)

class firmware_check_test : public QObject
{
    Q_OBJECT
private slots:
    void check_hex_data();
    void check_hex();
    void large_file_refused_unread();
};

void firmware_check_test::check_hex_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("words"); // empty: accepted, with the data below
    QTest::addColumn<qint64>("data_bytes");
    QTest::addColumn<quint64>("lowest");
    QTest::addColumn<quint64>("highest");
    const auto accepted = [](const char *tag, const QByteArray &file, qint64 bytes, quint64 lowest,
                             quint64 highest) {
        QTest::newRow(tag) << file << QString() << bytes << lowest << highest;
    };
    const auto refused = [](const char *tag, const QByteArray &file, const char *words) {
        QTest::newRow(tag) << file << QString(words) << 0LL << 0ULL << 0ULL;
    };

    // Four data bytes at 0000 to 0003; four more at 0004.
    const QByteArray first = ":0400000001020304F2\n";
    const QByteArray second = ":0400040005060708DE\n";
    const QByteArray end = ":00000001FF\n";
    accepted("upper_case_lf", first + end, 4, 0x0, 0x3);
    accepted("lower_case_crlf", ":0a0010000102030405060708090aaf\r\n:00000001ff\r\n", 10, 0x10,
             0x19);
    accepted("last_line_without_line_end", first + ":00000001FF", 4, 0x0, 0x3);
    accepted("blanks_and_blank_lines", "\n:0400000001020304F2  \n\n\t:00000001FF \r\n\n  \n", 4,
             0x0, 0x3);
    accepted("extended_segment_address", ":020000021000EC\n" + first + end, 4, 0x10000, 0x10003);
    accepted("extended_linear_address", ":020000040800F2\n" + first + second + end, 8, 0x08000000,
             0x08000007);
    accepted("start_segment_address", first + ":0400000300001234B3\n" + end, 4, 0x0, 0x3);
    accepted("start_linear_address", first + ":0400000508000131BD\n" + end, 4, 0x0, 0x3);

    refused("line_without_colon", first + "0400040005060708DE\n" + end,
            "Line 2: the line does not start with a colon (:).");
    refused("not_a_hex_digit", first + ":04000400050607G8DE\n" + end,
            "Line 2: the line holds a character other than the digits 0 to 9 and the letters A "
            "to F.");
    refused("odd_number_of_digits", first + ":0400040005060708D\n" + end,
            "Line 2: the line has an odd number of digits.");
    refused("byte_count_not_the_length", first + ":0500040005060708DE\n" + end,
            "Line 2: the line's length does not match the byte count at its start.");
    refused("checksum_mismatch", first + ":0400040005060708DF\n" + end,
            "Line 2: the checksum does not match.");
    refused("unknown_record_type", first + ":00000006FA\n" + end,
            "Line 2: the record type 06 is unknown.");
    refused("address_record_of_wrong_length", ":03000002001000EB\n" + first + end,
            "Line 1: the record of type 02 has the wrong length.");
    refused("record_after_the_end", first + end + second,
            "Line 3: the file goes on after its end record.");
    refused("no_end_record", first + second + "\n",
            "The file ends after line 2 without its end record. It may not have downloaded "
            "completely.");
    refused("cut_short_in_a_line", first + ":04000400050",
            "Line 2: the file ends in the middle of this line. It may not have downloaded "
            "completely.");
    refused("no_data_record", end, "The file holds no firmware data.");
    refused("empty", QByteArray(), "The file is empty.");
    refused("binary_renamed", QByteArray("\x0c\x94\x34\x00\x0c\x94\x46\x00", 8),
            "The file is not a text file, so it cannot be a firmware (.hex) file.");
}

void firmware_check_test::check_hex()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, words);
    QFETCH(qint64, data_bytes);
    QFETCH(quint64, lowest);
    QFETCH(quint64, highest);

    const hex_verdict verdict = ::check_hex(file);
    QCOMPARE(fault_words(verdict), words);
    QCOMPARE(verdict.accepted(), words.isEmpty());
    if (verdict.accepted()) {
        QCOMPARE(verdict.data_bytes, data_bytes);
        QCOMPARE(verdict.lowest, lowest);
        QCOMPARE(verdict.highest, highest);
    }
}

// A file far larger than any firmware is refused by its size: a sparse file of
// 33 MB, which the check must not read.
void firmware_check_test::large_file_refused_unread()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("huge.hex"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(33 * 1024 * 1024));
    file.close();
    const firmware_check check = check_firmware_file(file.fileName());
    QCOMPARE(fault_words(check.verdict),
             QString("The file is too large to be a firmware (.hex) file."));
    QVERIFY(check.sha256.isEmpty());
}

QTEST_APPLESS_MAIN(firmware_check_test)
#include "tst_firmware_check.moc"
