#include "firmware_check.h"

#include <QTemporaryDir>
#include <QtTest>

// The check of the firmware file at Update, on files typed here: each valid form
// of Intel HEX is accepted, each fault refused with its line and its words. The
// checksums, line numbers, addresses and the hash were worked out by hand (and
// with sha256sum), not by the code under test.

namespace {

// One data record of four bytes at 0000, then the end record.
const char small[] = ":0400000001020304F2\n:00000001FF\n";

} // namespace

class firmware_check_test : public QObject
{
    Q_OBJECT
private slots:
    void check_hex_data();
    void check_hex();
    void file_read_once_data();
    void file_read_once();
};

void firmware_check_test::check_hex_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("words"); // empty: accepted
    QTest::addColumn<qint64>("data_bytes");
    QTest::addColumn<quint64>("lowest");
    QTest::addColumn<quint64>("highest");

    const QByteArray first = ":0400000001020304F2\n";
    const QByteArray end = ":00000001FF\n";
    QTest::newRow("upper_case_lf") << QByteArray(small) << "" << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("lower_case_crlf")
        << QByteArray(":0a0010000102030405060708090aaf\r\n:00000001ff\r\n") << "" << 10LL << 0x10ULL
        << 0x19ULL;
    QTest::newRow("last_line_without_line_end") << first + ":00000001FF"
                                                << "" << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("blanks_and_blank_lines")
        << QByteArray("\n:0400000001020304F2  \n\n\t:00000001FF \r\n\n  \n") << "" << 4LL << 0x0ULL
        << 0x3ULL;
    QTest::newRow("extended_segment_address")
        << ":020000021000EC\n" + first + end << "" << 4LL << 0x10000ULL << 0x10003ULL;
    QTest::newRow("extended_linear_address")
        << ":020000040800F2\n" + first + ":0400040005060708DE\n" + end << "" << 8LL << 0x08000000ULL
        << 0x08000007ULL;
    QTest::newRow("start_segment_address")
        << first + ":0400000300001234B3\n" + end << "" << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("start_linear_address")
        << first + ":0400000508000131BD\n" + end << "" << 4LL << 0x0ULL << 0x3ULL;

    QTest::newRow("line_without_colon")
        << first + "0400040005060708DE\n" + end
        << "Line 2: the line does not start with a colon (:)." << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("not_a_hex_digit")
        << first + ":04000400050607G8DE\n" + end
        << "Line 2: the line holds a character other than the digits 0 to 9 and the letters A to F."
        << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("odd_number_of_digits")
        << first + ":0400040005060708D\n" + end << "Line 2: the line has an odd number of digits."
        << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("byte_count_not_the_length")
        << first + ":0500040005060708DE\n" + end
        << "Line 2: the line's length does not match the byte count at its start." << 4LL << 0x0ULL
        << 0x3ULL;
    QTest::newRow("checksum_mismatch")
        << first + ":0400040005060708DF\n" + end << "Line 2: the checksum does not match." << 4LL
        << 0x0ULL << 0x3ULL;
    QTest::newRow("unknown_record_type")
        << first + ":00000006FA\n" + end << "Line 2: the record type 06 is unknown." << 4LL
        << 0x0ULL << 0x3ULL;
    QTest::newRow("address_record_of_wrong_length")
        << ":03000002001000EB\n" + first + end
        << "Line 1: the record of type 02 has the wrong length." << 0LL << 0x0ULL << 0x0ULL;
    QTest::newRow("record_after_the_end")
        << first + end + ":0400040005060708DE\n"
        << "Line 3: the file goes on after its end record." << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("no_end_record")
        << first + ":0400040005060708DE\n\n"
        << "The file ends after line 2 without its end record. It may not have downloaded "
           "completely."
        << 8LL << 0x0ULL << 0x7ULL;
    QTest::newRow("cut_short_in_a_line")
        << first + ":04000400050"
        << "Line 2: the file ends in the middle of this line. It may not have downloaded "
           "completely."
        << 4LL << 0x0ULL << 0x3ULL;
    QTest::newRow("no_data_record")
        << end << "The file holds no firmware data." << 0LL << 0x0ULL << 0x0ULL;
    QTest::newRow("empty") << QByteArray() << "The file is empty." << 0LL << 0x0ULL << 0x0ULL;
    QTest::newRow("binary_renamed")
        << QByteArray("\x0c\x94\x34\x00\x0c\x94\x46\x00", 8)
        << "The file is not a text file, so it cannot be a firmware (.hex) file." << 0LL << 0x0ULL
        << 0x0ULL;
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
    QCOMPARE(verdict.data_bytes, data_bytes);
    if (data_bytes > 0) {
        QCOMPARE(verdict.lowest, lowest);
        QCOMPARE(verdict.highest, highest);
    }
}

void firmware_check_test::file_read_once_data()
{
    QTest::addColumn<QString>("file"); // "small", "gone" or "huge"
    QTest::addColumn<QString>("words");
    QTest::addColumn<QByteArray>("sha256");
    QTest::newRow("accepted") << "small"
                              << ""
                              << QByteArray("e01b381491bcc4f1714fa44786f72da1a4948d7af1e3be28507fc"
                                            "42843adbc76");
    // A USB stick pulled out: the system's reason, as it gives it for the file.
    QTest::newRow("gone") << "gone"
                          << "The file could not be read: REASON" << QByteArray();
    QTest::newRow("too_large") << "huge"
                               << "The file is too large to be a firmware (.hex) file."
                               << QByteArray();
}

void firmware_check_test::file_read_once()
{
    QFETCH(QString, file);
    QFETCH(QString, words);
    QFETCH(QByteArray, sha256);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(file + ".hex");
    QFile written(path);
    if (file == "small") {
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(small) == 32);
        written.close();
    } else if (file == "huge") {
        // Sparse: no 33 MB are written, and the check must not read them either.
        QVERIFY(written.open(QIODevice::WriteOnly) && written.resize(33 * 1024 * 1024));
        written.close();
    } else {
        QFile gone(path);
        QVERIFY(!gone.open(QIODevice::ReadOnly));
        words.replace("REASON", gone.errorString());
    }

    const firmware_check check = check_firmware_file(path);
    QCOMPARE(check.path, path);
    QCOMPARE(fault_words(check.verdict), words);
    QCOMPARE(check.sha256, sha256);
    if (file == "small")
        QCOMPARE(check.size, 32LL);
}

QTEST_APPLESS_MAIN(firmware_check_test)
#include "tst_firmware_check.moc"
