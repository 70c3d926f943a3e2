#include "bootloader.h"
#include "run_log.h"
#include "tool_dir.h"
#include "wait_limits.h"
#include "warnings.h"

#include <QDir>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QStringList>)

// The controller's settings and the command lines of its tool runs, checked
// against a fake tool that records how it was started.
class controller_test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaults();
    void filepathupdate_data();
    void filepathupdate();
    void select_port_data();
    void select_port();
    void runs_data();
    void runs();
    void shutdown_kills_running_tool_data();
    void shutdown_kills_running_tool();
    void unwatchable_device_folder_said_once();
    void large_read_keeps_its_ends_alone();
};

void controller_test::initTestCase()
{
    qRegisterMetaType<QProcess::ProcessError>();
}

void controller_test::defaults()
{
    bootloader controller;
    QCOMPARE(controller.program, QString("./fwld.exe"));
    QCOMPARE(controller.comport, QString("1"));
    QCOMPARE(controller.baudrate, QString("1000000"));
    QVERIFY(controller.filepath.isEmpty());
    QVERIFY(controller.COMdevices.isEmpty());
    QCOMPARE(controller.process.state(), QProcess::NotRunning);
    QCOMPARE(controller.green, QColor(0, 255, 50, 255));
    QCOMPARE(controller.red, QColor(255, 0, 0, 255));
    QCOMPARE(controller.white, QColor(255, 255, 255, 255));

    // The meta-object numbers the controller's own methods in this order.
    const QMetaObject *mo = controller.metaObject();
    QStringList methods;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i)
        methods << QString::fromLatin1(mo->method(i).methodSignature());
    QCOMPARE(methods,
             QStringList({"devicelist(QStringList)", "textreadysig(QString)",
                          "changecolour(QColor)", "update_phase_changed(update_phase,QString)",
                          "update_opens()", "writing_begins()", "filepathupdate(QString)",
                          "errorslot(QProcess::ProcessError)", "textready()"}));
}

void controller_test::filepathupdate_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");

    QTest::newRow("load_file_entry") << "a.hex"
                                     << "Load File...."
                                     << "a.hex";
    QTest::newRow("load_file_inside_path") << "a.hex"
                                           << "/tmp/Load File.../x.hex"
                                           << "a.hex";
    QTest::newRow("load_file_other_case") << "a.hex"
                                          << "load file...."
                                          << "load file....";
    QTest::newRow("plain_name") << ""
                                << "firmware.hex"
                                << "firmware.hex";
    QTest::newRow("path_with_blanks") << ""
                                      << "/home/u/my fw/v 2.hex"
                                      << "/home/u/my fw/v 2.hex";
    QTest::newRow("empty_text") << "a.hex"
                                << ""
                                << "";
}

void controller_test::filepathupdate()
{
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(QString, after);

    bootloader controller;
    controller.filepath = before;
    controller.filepathupdate(text);
    QCOMPARE(controller.filepath, after);
}

void controller_test::select_port_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("comport");

    QTest::newRow("COM12") << "COM12"
                           << "12";
    QTest::newRow("COM7") << "COM7"
                          << "7";
    QTest::newRow("no_COM") << "ttyS0"
                            << "";
    QTest::newRow("lower_case_com") << "com3"
                                    << "";
    QTest::newRow("empty_entry") << ""
                                 << "";
    QTest::newRow("every_COM_removed") << "COM1COM2"
                                       << "12";
}

void controller_test::select_port()
{
    QFETCH(QString, entry);
    QFETCH(QString, comport);

    bootloader controller;
    controller.select_port(entry);
    QCOMPARE(controller.comport, comport);
}

void controller_test::runs_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("arguments");
    // The colours sent: white as each update run starts, red when the tool ends
    // without having reported a result (these scripted tools never do).
    QTest::addColumn<QString>("colours");

    QTest::newRow("port_list") << "list"
                               << "1"
                               << "" << QStringList{"-t"} << "";
    QTest::newRow("update_defaults")
        << "update"
        << "1"
        << "fw.hex" << QStringList{"-s", "1", "-M", "1000000", "-b"} << "white red";
    QTest::newRow("update_selected_COM12")
        << "update"
        << "COM12"
        << "fw.hex" << QStringList{"-s", "12", "-M", "1000000", "-b"} << "white red";
    QTest::newRow("update_entry_without_COM")
        << "update"
        << "ttyS0"
        << "fw.hex" << QStringList{"-s", "", "-M", "1000000", "-b"} << "white red";
    QTest::newRow("flash_defaults")
        << "flash"
        << "1"
        << "fw.hex" << QStringList{"-s", "1", "-M", "1000000", "-B", "2A", "-f", "fw.hex"}
        << "white white red";
    QTest::newRow("flash_path_with_blanks_is_one_argument")
        << "flash"
        << "COM7"
        << "my firmware/new version.hex"
        << QStringList{"-s", "7", "-M", "1000000", "-B", "2A", "-f", "my firmware/new version.hex"}
        << "white white red";
}

void controller_test::runs()
{
    QFETCH(QString, run);
    QFETCH(QString, port);
    QFETCH(QString, path);
    QFETCH(QStringList, arguments);
    QFETCH(QString, colours);

    tool_dir dir;
    QVERIFY(dir.is_valid());
    // The flash run follows the detection line of a waiting run.
    if (run == "flash")
        QVERIFY(dir.set_script("1:print Device found on port:9:2A:Unit\\r\\n\n1:hang\n"));
    bootloader controller;
    connect(&controller.process, &QProcess::readyReadStandardOutput, &controller,
            &bootloader::textready);
    if (port != "1")
        controller.select_port(port);
    controller.filepath = path;
    QVERIFY(path.isEmpty() || dir.write_file(path, placeholder_firmware));
    QStringList sent;
    connect(&controller, &bootloader::changecolour, this, [&](const QColor &colour) {
        sent << (colour == QColor(255, 255, 255) ? "white"
                 : colour == QColor(255, 0, 0)   ? "red"
                                                 : "other");
    });
    QSignalSpy finished(&controller.process,
                        QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));

    if (run == "list")
        controller.list_ports();
    else
        controller.start_update();

    const int runs = run == "flash" ? 2 : 1;
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), runs, update_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(sent.join(' '), colours, tool_wait_ms);
    QCOMPARE(dir.runs().size(), runs);
    QCOMPARE(dir.runs().last(), arguments);
    QCOMPARE(controller.arguments, arguments);
}

void controller_test::shutdown_kills_running_tool_data()
{
    QTest::addColumn<bool>("outlives_kill");
    QTest::newRow("tool_ends") << false;
    // As a tool stuck in a serial driver does on Windows: the program ends all the same.
    QTest::newRow("tool_outlives_its_kill") << true;
}

void controller_test::shutdown_kills_running_tool()
{
    QFETCH(bool, outlives_kill);
    tool_dir dir;
    QVERIFY(dir.is_valid());
    QVERIFY(dir.set_script("print started\\n\nwait go\n"));

    auto *controller = new bootloader;
    if (outlives_kill)
        controller->kill_tool = [](QProcess &) {};
    // Wired as the window wires it, so that a late notification would show.
    connect(&controller->process, &QProcess::errorOccurred, controller, &bootloader::errorslot);
    connect(&controller->process, &QProcess::readyReadStandardOutput, controller,
            &bootloader::textready);
    QStringList texts;
    connect(controller, &bootloader::textreadysig, this,
            [&texts](const QString &t) { texts << t; });

    controller->list_ports();
    QTRY_COMPARE_WITH_TIMEOUT(controller->process.state(), QProcess::Running, tool_wait_ms);
    const qint64 pid = controller->process.processId();
    QVERIFY(pid > 0);

    QCOMPARE(warnings_during([controller] { delete controller; }), QStringList());
    QCOMPARE(texts, QStringList());
    if (outlives_kill) {
        // Let go, not waited for; released here, it ends by itself.
        QVERIFY(!process_gone(pid));
        QVERIFY(dir.touch("go"));
        QVERIFY(wait_for_exit_unnoticed(pid, tool_wait_ms));
        return;
    }
    // The child has been killed and reaped.
    QVERIFY(process_gone(pid));
}

// Without a watch the port box still lists on opening; the user's log hears of it once.
void controller_test::unwatchable_device_folder_said_once()
{
#ifdef Q_OS_WIN
    QSKIP("Windows tells of serial devices in a message; there is no folder to watch");
#endif
    tool_dir dir;
    QVERIFY(dir.is_valid());
    bootloader controller;
    controller.device_folder = dir.file_path("no such folder");
    const QStringList said = warnings_during([&controller] {
        controller.watch_devices();
        controller.watch_devices();
    });
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().contains(QDir::toNativeSeparators(controller.device_folder)),
             qPrintable(said.first()));
}

// A tool's output read in one piece, far beyond what the report keeps, holds no more
// memory than the two ends it is cut to.
void controller_test::large_read_keeps_its_ends_alone()
{
    run_record record;
    record.add_output(QByteArray(10 * 1024 * 1024, 'x'));
    record.add_output(QByteArray(100, 'y'));
    QCOMPARE(record.output_size(), 10 * 1024 * 1024 + 100);
    QCOMPARE(record.tail.right(100), QByteArray(100, 'y'));
    // The head, and a tail that grows to twice what it keeps before it is cut.
    QVERIFY2(record.head.capacity() + record.tail.capacity() <= 4 * run_record::kept_bytes,
             qPrintable(QString::number(record.head.capacity() + record.tail.capacity())));
}

QTEST_GUILESS_MAIN(controller_test)
#include "tst_controller.moc"
