#include "bootloader.h"
#include "tool_dir.h"
#include "tool_messages.h"
#include "wait_limits.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// As the status box's lasting line: the message and a blank line.
const QString comm_message = QString(tool_messages::communication) + "\n\n";

// The status box's colours as the design gives them.
const QColor white(255, 255, 255);
const QColor red(255, 0, 0);

// A controller with its process wired the way the window wires it, and spies on
// everything it sends to the window.
struct wired_controller
{
    wired_controller()
    {
        QObject::connect(&ctl.process, &QProcess::readyReadStandardOutput, &ctl,
                         &bootloader::textready);
        QObject::connect(&ctl.process, &QProcess::errorOccurred, &ctl, &bootloader::errorslot);
    }

    QStringList shown() const { return sent<QString>(texts); }
    QList<QColor> colours_sent() const { return sent<QColor>(colours); }
    template <typename T> static QList<T> sent(const QSignalSpy &spy)
    {
        QList<T> out;
        for (const QList<QVariant> &args : spy)
            out << args.at(0).value<T>();
        return out;
    }
    bool idle() const { return ctl.process.state() == QProcess::NotRunning; }

    bootloader ctl;
    QSignalSpy texts{&ctl, &bootloader::textreadysig};
    QSignalSpy colours{&ctl, &bootloader::changecolour};
    QSignalSpy lists{&ctl, &bootloader::devicelist};
};

} // namespace

class bootloader_output_test : public QObject
{
    Q_OBJECT
private slots:
    void detection_starts_flash_run();
    void each_port_list_replaces_the_last();
    void zero_byte_and_high_bytes_from_the_tool();
    void process_error_texts_data();
    void process_error_texts();
    void missing_tool_is_reported();
    void deliberate_stop_is_silent_real_crash_is_not();
};

void bootloader_output_test::detection_starts_flash_run()
{
    tool_dir dir;
    QVERIFY(dir.is_valid());
    QVERIFY(dir.set_script("1:print Device found on port:4:2A:Unit\\r\\n\n1:hang\n2:exit 0\n"));
    wired_controller w;
    w.ctl.comport = "5";
    w.ctl.filepath = "fw dir/new firmware.hex";
    QVERIFY(dir.write_file(w.ctl.filepath, placeholder_firmware));

    w.ctl.start_update();
    QTRY_VERIFY_WITH_TIMEOUT(dir.runs().size() == 2 && w.idle(), update_wait_ms);

    QCOMPARE(dir.runs().at(0), QStringList({"-s", "5", "-M", "1000000", "-b"}));
    QCOMPARE(dir.runs().at(1), QStringList({"-s", "5", "-M", "1000000", "-B", "2A", "-f",
                                            "fw dir/new firmware.hex"}));
    QCOMPARE(w.ctl.bootloader_version, QString("2A"));
    QCOMPARE(w.ctl.device_name, QString("Unit"));
    // Killing the waiting update run is our own doing and reports nothing; the
    // flash run ending without a result does.
    QCOMPARE(w.shown(), QStringList({"Please cycle power to the device....",
                                     "Unit detected with bootloader version 2A\n"
                                     "Now flashing with fw dir/new firmware.hex\n",
                                     "The upload tool stopped before the update was complete "
                                     "(exit code 0). Please try again."}));
    QCOMPARE(w.colours_sent(), QList<QColor>({white, white, red}));
}

void bootloader_output_test::each_port_list_replaces_the_last()
{
    tool_dir dir;
    QVERIFY(dir.is_valid());
    // What follows the list in the same read is still the list run's to say.
    QVERIFY(dir.set_script("1:print COM Numbers are:3:7\\r\\n\n"
                           "2:print COM Numbers are:9\\r\\nTimeout!\\r\\n\n"));
    wired_controller w;

    w.ctl.list_ports();
    QTRY_VERIFY_WITH_TIMEOUT(w.lists.count() == 1 && w.idle(), tool_wait_ms);
    w.ctl.list_ports();
    QTRY_VERIFY_WITH_TIMEOUT(w.lists.count() == 2 && w.idle(), tool_wait_ms);

    QCOMPARE(w.lists.at(0).at(0).toStringList(), QStringList({"3", "7"}));
    QCOMPARE(w.lists.at(1).at(0).toStringList(), QStringList({"9"}));
    QCOMPARE(w.ctl.COMdevices, QStringList({"9"}));
    QCOMPARE(w.shown(), QStringList({comm_message}));
    QCOMPARE(w.colours_sent(), QList<QColor>({red}));
}

void bootloader_output_test::zero_byte_and_high_bytes_from_the_tool()
{
    tool_dir dir;
    QVERIFY(dir.is_valid());
    QVERIFY(dir.set_script("print \\xb5Timeout!\\0Can not open comport\\r\\n\n"));
    wired_controller w;

    w.ctl.list_ports();
    QTRY_VERIFY_WITH_TIMEOUT(w.texts.count() >= 1 && w.idle(), tool_wait_ms);

    QCOMPARE(w.shown(), QStringList({comm_message}));
    QCOMPARE(w.colours_sent(), QList<QColor>({red}));
}

void bootloader_output_test::process_error_texts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("failed_to_start") << 0 << "Failed to start!";
    QTest::newRow("crashed") << 1 << "Crashed!";
    QTest::newRow("timed_out") << 2 << "Timed out!";
    QTest::newRow("read_error") << 3 << "Read error!";
    QTest::newRow("write_error") << 4 << "Write error!";
    QTest::newRow("unknown_error") << 5 << "Unknown error!";
    QTest::newRow("above_range") << 6 << "Unknown!";
    QTest::newRow("negative") << -1 << "Unknown!";
}

void bootloader_output_test::process_error_texts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    tool_dir dir;
    QVERIFY(dir.is_valid());
    QVERIFY(dir.set_script("hang\n"));
    wired_controller w;
    // Reported for a run that is going: the port list run, which turns no colour.
    w.ctl.list_ports();
    QTRY_COMPARE_WITH_TIMEOUT(w.ctl.process.state(), QProcess::Running, tool_wait_ms);
    w.ctl.errorslot(static_cast<QProcess::ProcessError>(code));
    // A failed start adds where the tool was looked for.
    QCOMPARE(w.shown().mid(0, 2), QStringList({"Error occured: ", text}));
    QCOMPARE(w.shown().size(), code == 0 ? 3 : 2);
    QCOMPARE(w.colours.count(), 0);
}

void bootloader_output_test::missing_tool_is_reported()
{
    tool_dir dir(tool_dir::no_tool);
    QVERIFY(dir.is_valid());
    wired_controller w;
    w.ctl.list_ports();
    QTRY_COMPARE_WITH_TIMEOUT(w.shown().size(), 3, tool_wait_ms);
    QCOMPARE(w.shown().mid(0, 2), QStringList({"Error occured: ", "Failed to start!"}));
}

void bootloader_output_test::deliberate_stop_is_silent_real_crash_is_not()
{
    tool_dir dir;
    QVERIFY(dir.is_valid());
    QVERIFY(dir.set_script("1:hang\n2:crash\n"));
    wired_controller w;
    // The list never comes: Update stops the list run once it has waited enough.
    w.ctl.port_list_wait_ms = 100;
    w.ctl.filepath = "fw.hex";
    QVERIFY(dir.write_file(w.ctl.filepath, placeholder_firmware));

    w.ctl.list_ports();
    QTRY_COMPARE_WITH_TIMEOUT(dir.runs().size(), 1, tool_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(w.ctl.process.state(), QProcess::Running, tool_wait_ms);
    w.ctl.start_update();

    // The stop of the list run says nothing; the waiting run's real crash must
    // still be told.
    QTRY_VERIFY_WITH_TIMEOUT(dir.runs().size() == 2 && w.texts.count() >= 3 && w.idle(),
                             tool_wait_ms);
    QCOMPARE(w.shown(),
             QStringList({"Please cycle power to the device....", "Error occured: ", "Crashed!"}));
    QCOMPARE(w.colours_sent(), QList<QColor>({white, white, red}));
}

QTEST_GUILESS_MAIN(bootloader_output_test)
#include "tst_bootloader_output.moc"
