#include "update_rig.h"
#include "warnings.h"

namespace {

const char device_missing[] = "Unable to find the device within a time limit of 30 seconds! "
                              "Please check connections and try again!";

// The sample firmware with one checksum broken.
QByteArray brokenChecksum()
{
    QByteArray hex = sample("demo-firmware-v1.0.hex");
    const int end = hex.indexOf('\n');
    hex[end - 2] = hex[end - 2] == '0' ? '1' : '0';
    return hex;
}

} // namespace

class WholeUpdateTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void outcome_data();
    void outcome();
    void toolMissing();
    void portChangeStopsUpdateSilently();
    void closingWindowEndsCleanly();
    void oddFirmwarePathsReachToolUnchanged_data();
    void oddFirmwarePathsReachToolUnchanged();
    void floodsLeaveWindowResponsive_data();
    void floodsLeaveWindowResponsive();
};

void WholeUpdateTest::initTestCase()
{
    qRegisterMetaType<QProcess::ExitStatus>();
    QVERIFY(!sample("demo-firmware-v1.0.hex").isEmpty());
}

void WholeUpdateTest::outcome_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("deviceLibrary");
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("colour");

    const QByteArray good = sample("demo-firmware-v1.0.hex");
    const QByteArray library; // the stand-in's own
    QTest::newRow("success") << QByteArray() << library << good << "Upload Complete!"
                             << "green";
    QTest::newRow("device_never_appears")
        << QByteArray("device_appears_after_ms=60000\nwait_limit_ms=300\n") << library << good
        << device_missing << "red";
    QTest::newRow("defective_hex_file")
        << QByteArray() << library << brokenChecksum()
        << "File could not be uploaded to device. Please ensure the firmware file is not corrupt "
           "and is a valid firmware file from https://www.velmora.example/downloads!"
        << "red";
    QTest::newRow("communication_error_while_writing")
        << QByteArray("fault=comm:no stx char!\n") << library << good
        << "Communication error! Please ensure all cables are secure and in good repair!"
        << "red";
    QTest::newRow("verification_fails")
        << QByteArray("fault=verify_fail\n") << library << good
        << "Unable to use this firmware file. Please ensure the file loaded is a valid firmware "
           "file for your device, and is not corrupt!"
        << "red";
    QTest::newRow("bootloader_version_unknown")
        << QByteArray("bootloader_version=77\n") << library << good
        << "Program requires an update to program this device, please download the latest "
           "software from https://www.velmora.example/downloads!"
        << "red";
    QTest::newRow("device_library_missing")
        << QByteArray() << QByteArray("-") << good
        << "Could not find device library file \"device.txt\" in the local directory. Please "
           "replace this file or reinstall the program."
        << "red";
    QTest::newRow("device_flash_size_zero")
        << QByteArray() << QByteArray("2A 0 VM100 Sensor Unit\n") << good
        << "Error with device configuration. Please check that device.txt is not corrupt, and "
           "reinstall the tool if necessary."
        << "red";
    // A crash is a failure of the process, reported as such; it sends no colour.
    QTest::newRow("tool_crashes_while_writing")
        << QByteArray("fault=crash_while_writing\n") << library << good << "Crashed!"
        << "white";
}

void WholeUpdateTest::outcome()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, deviceLibrary);
    QFETCH(QByteArray, firmware);
    QFETCH(QString, top);
    QFETCH(QString, colour);

    Rig rig;
    QVERIFY(rig.dir.isValid());
    QVERIFY(rig.useSimulator(settings, deviceLibrary));
    QVERIFY(rig.dir.writeFile("fw.hex", firmware));
    rig.open();

    QTRY_COMPARE_WITH_TIMEOUT(rig.ports->currentText(), QString("COM4"), 10000);
    QTest::mousePress(rig.update, Qt::LeftButton);
    QTest::mouseRelease(rig.update, Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), top, 30000);
    const QColor expected = colour == "green" ? rig.controller.green
                            : colour == "red" ? rig.controller.red
                                              : rig.controller.white;
    QCOMPARE(rig.colour(), expected);
    if (colour == "green") {
        const QList<QStringList> runs{{"-t"},
                                      {"-s", "4", "-M", "1000000", "-b"},
                                      {"-s", "4", "-M", "1000000", "-B", "2A", "-f", "fw.hex"}};
        QCOMPARE(rig.dir.runs(), runs);
        QVERIFY(rig.lines().contains("VM100 Sensor Unit detected with bootloader version 2A"));
    }
    if (top == "Crashed!")
        QCOMPARE(rig.lines().value(1), QString("Error occured: "));
}

void WholeUpdateTest::toolMissing()
{
    Rig rig(ToolDir::NoTool);
    QVERIFY(rig.dir.isValid());
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString("Failed to start!"), 10000);
    QCOMPARE(rig.lines().value(1), QString("Error occured: "));
    QCOMPARE(rig.ports->count(), 0);
}

void WholeUpdateTest::portChangeStopsUpdateSilently()
{
    Rig rig;
    QVERIFY(rig.dir.isValid());
    QVERIFY(rig.useSimulator("device_appears_after_ms=60000\nwait_limit_ms=60000\n"));
    QVERIFY(rig.dir.writeFile("fw.hex", sample("demo-firmware-v1.0.hex")));
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(rig.ports->currentText(), QString("COM4"), 10000);

    QTest::mousePress(rig.update, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::Running, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(rig.top().startsWith("Please cycle power to the device"), 10000);

    rig.ports->setCurrentIndex(0);
    QCOMPARE(rig.controller.process.state(), QProcess::NotRunning);
    QCOMPARE(rig.controller.comport, QString("3"));
    QVERIFY(rig.drain());
    QVERIFY(!rig.box->toPlainText().contains("Error occured"));
    QCOMPARE(rig.colour(), rig.controller.white);
}

void WholeUpdateTest::closingWindowEndsCleanly()
{
    ToolDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(dir.setScript("hang\n"));
    auto *controller = new bootloader;
    QTimer timer;
    QStringList late;
    qint64 pid = 0;
    int rc = -1;
    {
        MainWindow window(*controller, timer);
        window.show();
        QVERIFY(controller->process.waitForStarted(10000));
        pid = controller->process.processId();
        // Closing the last window ends the event loop, as in main().
        QTimer::singleShot(0, &window, &QWidget::close);
        rc = qApp->exec();
    }
    connect(controller, &bootloader::textreadysig, this, [&late](const QString &t) { late << t; });
    QCOMPARE(rc, 0);
    QVERIFY(!processGone(pid)); // still running until the controller goes

    QCOMPARE(warningsDuring([controller] { delete controller; }), QStringList());
    QCOMPARE(late, QStringList());
    QVERIFY(processGone(pid));
}

void WholeUpdateTest::oddFirmwarePathsReachToolUnchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks_and_quotes") << QString("my firmware \"v2\" 'final'.hex");
    QTest::newRow("shell_metacharacters") << QString("fw; $(touch pwned) `touch pwned` & x.hex");
    QTest::newRow("non_ascii_letters") << QString::fromUtf8("Firmwäre für Gerät ñ.hex");
}

void WholeUpdateTest::oddFirmwarePathsReachToolUnchanged()
{
    QFETCH(QString, name);
#ifdef Q_OS_WIN
    if (name.contains('"'))
        QSKIP("Windows forbids \" in file names");
#endif

    Rig rig;
    QVERIFY(rig.dir.isValid());
    QVERIFY(rig.useSimulator());
    QVERIFY(rig.dir.writeFile(name, sample("demo-firmware-v1.0.hex")));
    rig.open();
    QCOMPARE(rig.controller.filepath, name);
    QTRY_COMPARE_WITH_TIMEOUT(rig.ports->currentText(), QString("COM4"), 10000);

    QTest::mousePress(rig.update, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString("Upload Complete!"), 30000);
    QCOMPARE(rig.dir.runs().value(2).value(7), name);
    QCOMPARE(rig.dir.runs().value(2).size(), 8);
    QVERIFY(!QFile::exists(rig.dir.filePath("pwned")));
}

void WholeUpdateTest::floodsLeaveWindowResponsive_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::newRow("10_MB_of_unrelated_lines") << QByteArray(
        "repeat 163840 unrelated chatter the program knows nothing about 0123\\r\\n\n");
    QTest::newRow("binary_garbage") << QByteArray("random 4000000 42\n");
    QTest::newRow("zero_bytes") << QByteArray("repeat 200000 \\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\n");
}

void WholeUpdateTest::floodsLeaveWindowResponsive()
{
    QFETCH(QByteArray, script);

    Rig rig;
    QVERIFY(rig.dir.isValid());
    QVERIFY(rig.dir.setScript(script));
    QSignalSpy finished(&rig.controller.process,
                        QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    rig.open();

    // The event loop keeps turning while the tool floods the pipe.
    int ticks = 0;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&ticks] { ++ticks; });
    probe.start(1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QVERIFY(ticks > 0);

    QVERIFY(rig.drain());
    QCOMPARE(rig.lines().mid(1).join('\n').trimmed(), QString());
    QCOMPARE(rig.colour(), QApplication::palette().color(QPalette::Base));
    QCOMPARE(rig.ports->count(), 0);
}

QTEST_MAIN(WholeUpdateTest)
#include "tst_whole_update.moc"
