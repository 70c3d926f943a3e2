#include "tool_messages.h"
#include "wait_limits.h"
#include "warnings.h"
#include "window_rig.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QWheelEvent>

#ifdef Q_OS_WIN
#include <windows.h>

#include <dbt.h>
#endif

namespace {

// A serial device comes or goes as the system tells the program: on Windows the
// device broadcast, on Linux a device node in the watched folder.
bool device_event(window_rig &rig, const QString &node, bool arrives = true)
{
#ifdef Q_OS_WIN
    Q_UNUSED(node);
    Q_UNUSED(arrives);
    Q_UNUSED(rig);
    // What Windows sends every top-level window when a device node changes. A
    // thread message takes the same road through Qt's event dispatcher, which a
    // test on the offscreen platform, with no window of the system's, needs.
    return PostThreadMessageW(GetCurrentThreadId(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
#else
    const QString path = rig.controller.device_folder + '/' + node;
    return arrives ? QFile(path).open(QIODevice::WriteOnly) : QFile::remove(path);
#endif
}

const char port_changed[] =
    "Update stopped: the serial port was changed. Press Update to try again.";
// With the bound the test sets, two seconds.
const char stop_overdue[] = "The upload tool has not stopped after 2 seconds. Please check the "
                            "cable and press Update to try again.";

// The sample firmware with one checksum broken.
QByteArray broken_checksum()
{
    QByteArray hex = tool_dir::simulator_sample("demo-firmware-v1.0.hex");
    const int end = hex.indexOf('\n');
    hex[end - 2] = hex[end - 2] == '0' ? '1' : '0';
    return hex;
}

} // namespace

class whole_update_test : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void outcome_data();
    void outcome();
    void tool_missing_data();
    void tool_missing();
    void port_box_follows_the_hardware_data();
    void port_box_follows_the_hardware();
    void open_list_keeps_the_highlight_data();
    void open_list_keeps_the_highlight();
    void device_events_list_the_ports_data();
    void device_events_list_the_ports();
    void port_change_stops_update_data();
    void port_change_stops_update();
    void writing_is_not_cut_off_data();
    void writing_is_not_cut_off();
    void run_ends_data();
    void run_ends();
    void tool_exits_right_after_answering_data();
    void tool_exits_right_after_answering();
    void messages_stay_readable();
    void tool_outlives_its_stop();
    void update_pressed_while_running_data();
    void update_pressed_while_running();
    void standard_error_flood_is_not_kept();
    void closing_window_ends_cleanly();
    void odd_firmware_paths_reach_tool_unchanged_data();
    void odd_firmware_paths_reach_tool_unchanged();
    void floods_leave_window_responsive_data();
    void floods_leave_window_responsive();
    void copy_details_data();
    void copy_details();
    void damaged_file_never_reaches_tool_data();
    void damaged_file_never_reaches_tool();
};

void whole_update_test::initTestCase()
{
    qRegisterMetaType<QProcess::ExitStatus>();
    QVERIFY(!tool_dir::simulator_sample("demo-firmware-v1.0.hex").isEmpty());
}

void whole_update_test::outcome_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("device_library");
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("colour");

    const QByteArray good = tool_dir::simulator_sample("demo-firmware-v1.0.hex");
    const QByteArray library; // the stand-in's own
    QTest::newRow("success") << QByteArray() << library << good << "Upload Complete!"
                             << "green";
    QTest::newRow("device_never_appears")
        << QByteArray("device_appears_after_ms=60000\nwait_limit_ms=300\n") << library << good
        << tool_messages::no_device << "red";
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
    // A crash is a failure of the process, reported as such, and ends the update red.
    QTest::newRow("tool_crashes_while_writing")
        << QByteArray("fault=crash_while_writing\n") << library << good << "Crashed!"
        << "red";
}

void whole_update_test::outcome()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, device_library);
    QFETCH(QByteArray, firmware);
    QFETCH(QString, top);
    QFETCH(QString, colour);

    window_rig rig;
    QVERIFY(rig.use_simulator(settings, device_library));
    QVERIFY(rig.dir.write_file("fw.hex", firmware));
    rig.open();

    QVERIFY(rig.ports_listed());
    rig.press_update();
    QTest::mouseRelease(rig.update, Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), top, update_wait_ms);
    QCOMPARE(rig.colour(), status_colour(colour));
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

void whole_update_test::tool_missing_data()
{
    QTest::addColumn<bool>("at_update"); // the tool goes after the port list
    QTest::addColumn<bool>("present");   // a file that is no program stands in its place
    QTest::newRow("missing_at_start") << false << false;
    QTest::newRow("missing_at_update") << true << false;
    QTest::newRow("present_but_no_program") << false << true;
}

// A tool that cannot be started says where the program looked and what to do.
void whole_update_test::tool_missing()
{
    QFETCH(bool, at_update);
    QFETCH(bool, present);

    window_rig rig(at_update ? tool_dir::fake_tool : tool_dir::no_tool);
    QVERIFY(rig.dir.is_valid());
    QVERIFY(rig.dir.set_script(ports_answer));
    QVERIFY(rig.dir.write_file("fw.hex", placeholder_firmware));
    if (present)
        QVERIFY(rig.dir.write_file("fwld.exe", "not a program\n"));
    rig.open();
    if (at_update) {
        QVERIFY(rig.ports_listed());
        QVERIFY(QFile::remove(rig.dir.file_path("fwld.exe")));
        rig.press_update();
    }
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const QString hint =
        present ? "The upload tool fwld.exe in " + folder + " is there but could not be started ("
                : "The upload tool fwld.exe was not found in the folder " + folder +
                      ". Put this program in the folder of fwld.exe and start it from there.";
    QTRY_VERIFY_WITH_TIMEOUT(rig.top().startsWith(hint), tool_wait_ms);
    QCOMPARE(rig.lines().mid(1, 2), QStringList({"Failed to start!", "Error occured: "}));
    QCOMPARE(rig.colour(), status_colour(at_update ? "red" : "white"));
    QCOMPARE(rig.ports->count(), at_update ? 2 : 0);
}

void whole_update_test::port_box_follows_the_hardware_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("during_update");
    QTest::addColumn<QStringList>("entries"); // after the box was opened again
    QTest::addColumn<QString>("chosen");
    QTest::newRow("port_appears_chosen_kept")
        << QByteArray(ports_answer) + "2:print COM Numbers are:3:4:7\\r\\n\n"
        << false << QStringList{"COM3", "COM4", "COM7"} << "COM4";
    QTest::newRow("chosen_port_goes")
        << QByteArray(ports_answer) + "2:print COM Numbers are:3\\r\\n\n"
        << false << QStringList{"COM3"} << "COM3";
    QTest::newRow("refused_during_update")
        << QByteArray(ports_answer) + "2:hang\n3:print COM Numbers are:9\\r\\n\n"
        << true << QStringList{"COM3", "COM4"} << "COM4";
}

// Opening the port box lists the ports anew, so that a cable plugged in later shows.
void whole_update_test::port_box_follows_the_hardware()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, during_update);
    QFETCH(QStringList, entries);
    QFETCH(QString, chosen);

    window_rig rig;
    QVERIFY(rig.open_scripted(script));
    QTRY_COMPARE_WITH_TIMEOUT(rig.ports->count(), 2, tool_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    if (during_update) {
        rig.press_update();
        // The waiting run has begun once it has recorded its command line.
        QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 2, tool_wait_ms);
        QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::Running, tool_wait_ms);
    }
    QSignalSpy choices(rig.ports, SIGNAL(currentIndexChanged(int)));
    rig.ports->showPopup();
    rig.ports->hidePopup();
    if (during_update) {
        QVERIFY(rig.drain());
        QCOMPARE(rig.dir.runs().size(), 2);
        QCOMPARE(rig.controller.process.state(), QProcess::Running);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 2, tool_wait_ms);
        QCOMPARE(rig.dir.runs().at(1), QStringList{"-t"});
        QTRY_COMPARE_WITH_TIMEOUT(rig.ports->count(), entries.size(), tool_wait_ms);
        QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning,
                                  tool_wait_ms);
    }
    QStringList shown;
    for (int i = 0; i < rig.ports->count(); ++i)
        shown << rig.ports->itemText(i);
    QCOMPARE(shown, entries);
    QCOMPARE(rig.ports->currentText(), chosen);
    QCOMPARE(rig.controller.comport, chosen.mid(3));
    // The choice among a list is the controller's: the box tells it of the user's alone.
    QVERIFY(choices.isEmpty());
    QCOMPARE(rig.controller.COMdevices.size(), during_update ? 2 : entries.size());
}

void whole_update_test::open_list_keeps_the_highlight_data()
{
    QTest::addColumn<QByteArray>("second_list"); // the tool's answer once the list is open
    QTest::addColumn<bool>("up_first");          // the user highlights COM3 before it comes
    QTest::addColumn<QString>("chosen");         // after Down and Return
    QTest::newRow("new_port_below") << QByteArray("3:4:9") << false << "COM9";
    QTest::newRow("new_port_above_the_highlight") << QByteArray("1:3:4") << true << "COM4";
    QTest::newRow("highlighted_port_gone") << QByteArray("4:9") << true << "COM9";
}

// The list read anew while it is open must not move the keyboard's place in it: the
// next Down goes on from the entry the user sees highlighted, so Return takes the
// port the user meant.
void whole_update_test::open_list_keeps_the_highlight()
{
    QFETCH(QByteArray, second_list);
    QFETCH(bool, up_first);
    QFETCH(QString, chosen);

    window_rig rig;
    QVERIFY(rig.open_scripted(QByteArray(ports_answer) + "2:wait answer\n" +
                              "2:print COM Numbers are:" + second_list + "\\r\\n\n"));
    QVERIFY(rig.ports_listed());
    rig.window->activateWindow();
    rig.ports->setFocus();
    QTest::keyClick(rig.ports, Qt::Key_F4);
    QAbstractItemView *list = rig.ports->view();
    QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), tool_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 2, tool_wait_ms);
    if (up_first)
        QTest::keyClick(list, Qt::Key_Up);
    QVERIFY(rig.dir.touch("answer"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.ports->count(), second_list.count(':') + 1, tool_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    QVERIFY(list->isVisible());

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!list->isVisible(), tool_wait_ms);
    QCOMPARE(rig.ports->currentText(), chosen);
    QCOMPARE(rig.controller.comport, chosen.mid(3));
}

void whole_update_test::device_events_list_the_ports_data()
{
    QTest::addColumn<QStringList>("nodes"); // arriving, or going with a leading '-'
    QTest::addColumn<QString>("during");    // "nothing", "an_update" or "the_first_list"
    QTest::newRow("cable_plugged_in") << QStringList{"ttyUSB0"} << "nothing";
    QTest::newRow("burst_of_devices") << QStringList{"ttyUSB0", "ttyACM0", "-ttyUSB0"} << "nothing";
    QTest::newRow("during_an_update") << QStringList{"ttyUSB0"} << "an_update";
    // The tool has looked at the ports before the device came, and answers late.
    QTest::newRow("during_the_first_list") << QStringList{"ttyUSB0"} << "the_first_list";
}

// A serial device that comes or goes has the ports listed anew without a click;
// a burst of them one list; during an update or a list being read, once that is over.
void whole_update_test::device_events_list_the_ports()
{
    QFETCH(QStringList, nodes);
    QFETCH(QString, during);
    const bool during_update = during == "an_update";
    const bool first_list = during == "the_first_list";

    // Run 2 is the update's waiting run when there is one; it fails once released.
    const int list_run = during_update ? 3 : 2;
    const QByteArray script =
        (first_list ? "1:wait answer\n" : "") + QByteArray(ports_answer) +
        (during_update ? "2:wait release\n2:print No device found!\\r\\n\n2:exit 1\n" : "") +
        QByteArray::number(list_run) + ":print COM Numbers are:3:4:7\\r\\n\n";
    window_rig rig;
    QVERIFY(rig.open_scripted(script));
    if (first_list)
        QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 1, tool_wait_ms);
    else
        QVERIFY(rig.ports_listed());
    if (during_update) {
        rig.press_update();
        QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 2, tool_wait_ms);
    }

    QSignalSpy settled(&rig.controller.port_watcher, &port_watch::changed);
    for (const QString &node : nodes)
        QVERIFY(
            device_event(rig, node.startsWith('-') ? node.mid(1) : node, !node.startsWith('-')));
    QTRY_COMPARE_WITH_TIMEOUT(settled.count(), 1, tool_wait_ms);
    if (during_update) {
        // The device stays the tool's until the update is over.
        QVERIFY(rig.drain());
        QCOMPARE(rig.dir.runs().size(), 2);
        QCOMPARE(rig.controller.process.state(), QProcess::Running);
        QVERIFY(rig.dir.touch("release"));
        QTRY_COMPARE_WITH_TIMEOUT(rig.colour(), status_colour("red"), tool_wait_ms);
    }
    if (first_list) {
        QVERIFY(rig.drain());
        QCOMPARE(rig.dir.runs().size(), 1);
        QVERIFY(rig.dir.touch("answer"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(rig.ports->count(), 3, tool_wait_ms);
    QCOMPARE(rig.dir.runs().value(list_run - 1), QStringList{"-t"});
    QCOMPARE(entries_of(rig.ports), (QStringList{"COM3", "COM4", "COM7"}));
    // The port the user had keeps its place as the choice.
    QCOMPARE(rig.ports->currentText(), QString("COM4"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    QVERIFY(rig.drain());
    QCOMPARE(rig.dir.runs().size(), list_run);
    QCOMPARE(settled.count(), 1);
}

void whole_update_test::port_change_stops_update_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("running_line");
    QTest::newRow("while_waiting_for_the_device")
        << QByteArray("device_appears_after_ms=60000\nwait_limit_ms=60000\n")
        << "Please cycle power to the device";
    QTest::newRow("while_writing")
        << QByteArray("device_appears_after_ms=0\nprogress_delay_ms=100\n") << "Upload Progress";
}

void whole_update_test::port_change_stops_update()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, running_line);

    window_rig rig;
    QVERIFY(rig.use_simulator(settings));
    QVERIFY(rig.dir.write_file("fw.hex", tool_dir::simulator_sample("demo-firmware-v1.0.hex")));
    rig.open();
    QVERIFY(rig.ports_listed());

    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::Running, tool_wait_ms);
    QTRY_VERIFY_WITH_TIMEOUT(rig.top().startsWith(running_line), update_wait_ms);
    QCOMPARE(rig.controller.process.state(), QProcess::Running);

    rig.ports->setCurrentIndex(0);
    // While the device is written the user is asked first, and chooses to stop.
    if (running_line == "Upload Progress") {
        auto *question = rig.window->findChild<QMessageBox *>();
        QVERIFY(question != nullptr);
        for (QAbstractButton *button : question->buttons())
            if (button != question->escapeButton())
                QTest::mouseClick(button, Qt::LeftButton);
    }
    // The stop has returned before the tool ended: nothing waited for it. Its end
    // comes back through the event loop.
    QCOMPARE(rig.controller.process.state(), QProcess::Running);
    QCOMPARE(rig.controller.comport, QString("3"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    QVERIFY(rig.drain());
    // The stop itself is ours and no crash; the user is told why the update ended.
    QVERIFY(!rig.box->toPlainText().contains("Error occured"));
    QCOMPARE(rig.lines().value(1), QString(port_changed));
    QCOMPARE(rig.colour(), status_colour("red"));
}

void whole_update_test::writing_is_not_cut_off_data()
{
    QTest::addColumn<QString>("by");     // "close" (title bar, Alt+F4) or "wheel" (port box)
    QTest::addColumn<bool>("writing");   // else the tool only waits for the device
    QTest::addColumn<QString>("answer"); // "escape", "stop", or "none": the update ends first
    QTest::newRow("close_escape_keeps_the_update") << "close" << true << "escape";
    QTest::newRow("close_stop_ends_program_and_tool") << "close" << true << "stop";
    QTest::newRow("close_question_goes_with_the_outcome") << "close" << true << "none";
    QTest::newRow("close_while_waiting_ends_at_once") << "close" << false << "";
    QTest::newRow("port_box_wheel_escape_keeps_the_port") << "wheel" << true << "escape";
}

// A slip of the user must not leave the device half written: while it is written a
// close or another port asks first, and only the user's choice to stop stops.
void whole_update_test::writing_is_not_cut_off()
{
    QFETCH(QString, by);
    QFETCH(bool, writing);
    QFETCH(QString, answer);

    // The writing run holds its success line until the test says "go".
    const QByteArray script =
        QByteArray(ports_answer) +
        (writing ? QByteArray(device_found) +
                       "2:hang\n3:print Upload Progress  10%\\b\\b\\b\\b\n3:wait go\n"
                       "3:print Reset send successful!\\r\\n\n"
                 : QByteArray("2:hang\n"));
    auto rig = std::make_unique<window_rig>();
    QVERIFY(rig->start_update(script));
    QTRY_COMPARE_WITH_TIMEOUT(rig->dir.runs().size(), writing ? 3 : 2, tool_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig->controller.process.state(), QProcess::Running, tool_wait_ms);
    if (writing)
        QTRY_VERIFY_WITH_TIMEOUT(rig->top().startsWith("Upload Progress"), tool_wait_ms);
    const qint64 pid = rig->controller.process.processId();
    // The event loop runs as main() runs it, and ends with the window; should it not,
    // the bound ends it with 1.
    const auto program_ends = [](const std::function<void()> &action) {
        QTimer bound;
        connect(&bound, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        bound.start(tool_wait_ms);
        QTimer::singleShot(0, action);
        return QCoreApplication::exec() == 0;
    };

    if (by == "close" && !writing) {
        QVERIFY(program_ends([&rig] { rig->window->close(); }));
        QVERIFY(!rig->window->findChild<QMessageBox *>());
        rig.reset();
        QVERIFY(process_gone(pid));
        return;
    }
    if (by == "close") {
        rig->window->close();
    } else {
        const QPoint at = rig->ports->rect().center();
        QWheelEvent up(at, rig->ports->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(rig->ports, &up);
    }
    QPointer<QMessageBox> question = rig->window->findChild<QMessageBox *>();
    QVERIFY(question && question->isVisible());
    QVERIFY(rig->window->isVisible());
    QCOMPARE(question->icon(), QMessageBox::Warning);
    QCOMPARE(question->buttons().size(), 2);
    QCOMPARE(question->defaultButton(), question->escapeButton());
    if (answer == "stop") {
        QVERIFY(program_ends([&question] {
            for (QAbstractButton *button : question->buttons())
                if (button != question->escapeButton())
                    QTest::mouseClick(button, Qt::LeftButton);
        }));
        rig.reset();
        QVERIFY(process_gone(pid));
        return;
    }
    if (answer == "escape")
        QTest::keyClick(question, Qt::Key_Escape);
    QVERIFY(rig->dir.touch("go"));
    QTRY_COMPARE_WITH_TIMEOUT(rig->top(), QString("Upload Complete!"), update_wait_ms);
    QCOMPARE(rig->colour(), status_colour("green"));
    QTRY_VERIFY_WITH_TIMEOUT(!question, tool_wait_ms);
    QVERIFY(rig->window->isVisible());
    QCOMPARE(rig->ports->currentText(), QString("COM4"));
    QCOMPARE(rig->controller.comport, QString("4"));
    QCOMPARE(rig->dir.runs().size(), 3);
}

void whole_update_test::run_ends_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("colour");

    const QByteArray ports = ports_answer;
    const QByteArray found = device_found;
    QTest::newRow("waiting_run_exits_before_the_device_is_found")
        << ports + "2:print .   \\b\\b\\b\\b\n2:exit 1\n"
        << "The upload tool stopped before the update was complete (exit code 1). Please try "
           "again."
        << "red";
    QTest::newRow("flash_run_exits_halfway")
        << ports + found +
               "2:hang\n3:print Now writing from 0x0 to 0x7f\\r\\n\n"
               "3:print Upload Progress  50%\\b\\b\\b\\b\n3:exit 0\n"
        << "The upload tool stopped before the update was complete (exit code 0). Please try "
           "again."
        << "red";
    QTest::newRow("waiting_run_ends_by_itself_after_the_device_is_found")
        << ports + found + "3:print Reset send successful!\\r\\n\n"
        << "Upload Complete!"
        << "green";
    QTest::newRow("exit_code_after_success_changes_nothing")
        << ports + found + "2:hang\n3:print Reset send successful!\\r\\n\n3:exit 3\n"
        << "Upload Complete!"
        << "green";
    QTest::newRow("exit_after_failure_changes_nothing")
        << ports + found + "2:hang\n3:print Timeout!\\r\\n\n3:exit 1\n"
        << "Communication error! Please ensure all cables are secure and in good repair!"
        << "red";
    QTest::newRow("flash_run_crashes")
        << ports + found + "2:hang\n3:print Upload Progress  10%\\b\\b\\b\\b\n3:crash\n"
        << "Crashed!"
        << "red";
    // A warning (the tool carries on) names no outcome: the run's end still does.
    QTest::newRow("warning_while_waiting_then_crash_while_writing")
        << ports + "2:print failed to make debug file!\\r\\n\n2:wait read2.1\n" + found +
               "2:hang\n3:print Now writing from 0x0 to 0x7f\\r\\nUpload Progress  "
               "99%\\b\\b\\b\\b\n"
               "3:wait read3.1\n3:crash\n"
        << "Crashed!"
        << "red";
    QTest::newRow("warning_while_writing_then_exit")
        << ports + found +
               "2:hang\n3:print Now writing from 0x0 to 0x7f\\r\\n"
               "Truncating lower range limit to lower range of writable flash\\r\\n\n"
               "3:wait read3.1\n3:print Upload Progress  50%\\b\\b\\b\\b\n3:exit 3\n"
        << "The upload tool stopped before the update was complete (exit code 3). Please try "
           "again."
        << "red";
    // A pipe can split a text anywhere; what arrives in pieces counts once, whole.
    QTest::newRow("success_line_split_across_reads")
        << ports + found +
               "2:hang\n3:print Reset send succ\n3:wait read3.1\n3:print essful!\\r\\n\n"
        << "Upload Complete!"
        << "green";
    QTest::newRow("detection_line_split_across_reads")
        << ports +
               "2:print Device found on port:\n2:wait read2.1\n2:print 7:2A:Unit\\r\\n\n2:hang\n"
               "3:print Reset send successful!\\r\\n\n"
        << "Upload Complete!"
        << "green";
    QTest::newRow("error_line_split_across_reads")
        << ports + found + "2:hang\n3:print no stx\n3:wait read3.1\n3:print  char!\\r\\n\n"
        << "Communication error! Please ensure all cables are secure and in good repair!"
        << "red";
}

// However a run ends, the update ends green or red with words that say why.
void whole_update_test::run_ends()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, top);
    QFETCH(QString, colour);

    window_rig rig;
    QVERIFY(rig.start_update(script));
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), top, update_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    QVERIFY(rig.drain());
    QCOMPARE(rig.lines().value(1), top);
    QCOMPARE(rig.colour(), status_colour(colour));
    QCOMPARE(rig.box->toPlainText().count(top), 1);
    // The version on the detection line, however it arrived.
    if (rig.dir.runs().size() == 3)
        QCOMPARE(rig.dir.runs().at(2).mid(4, 2), QStringList({"-B", "2A"}));
}

// A tool that answers and exits at once ends its run while its last output is
// still being delivered; stopping or starting the tool from there must wait. The
// tool answers once the test says "go", and the test holds the event loop until the
// tool has ended, so that the answer and the end reach the program together.
void whole_update_test::tool_exits_right_after_answering_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("answering_run");
    QTest::newRow("port_list") << QByteArray("wait go\nprint COM Numbers are:3:4\\r\\n\n") << 1;
    QTest::newRow("detection_line") << QByteArray(ports_answer) + "2:wait go\n" + device_found +
                                           "3:print Reset send successful!\\r\\n\n"
                                    << 2;
}

void whole_update_test::tool_exits_right_after_answering()
{
    QFETCH(QByteArray, script);
    QFETCH(int, answering_run);

    window_rig rig;
    QVERIFY(rig.open_scripted(script));
    if (answering_run == 2) {
        QVERIFY(rig.ports_listed());
        rig.press_update();
    }
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), answering_run, tool_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::Running, tool_wait_ms);
    QVERIFY(rig.dir.touch("go"));
    QVERIFY(wait_for_exit_unnoticed(rig.controller.process.processId(), tool_wait_ms));

    if (answering_run == 2) {
        QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString("Upload Complete!"), update_wait_ms);
        QCOMPARE(rig.dir.runs().size(), 3);
    } else {
        QVERIFY(rig.ports_listed());
    }
    QVERIFY(rig.drain());
    QVERIFY2(!rig.box->toPlainText().contains("Error occured"), qPrintable(rig.box->toPlainText()));
}

// A message the user has to read is not overwritten by the figures that follow it.
void whole_update_test::messages_stay_readable()
{
    window_rig rig;
    QVERIFY(rig.start_update(QByteArray(ports_answer) +
                             "2:print failed to make debug file!\\r\\n\n"
                             "2:wait read2.1\n2:print .   \\b\\b\\b\\b\n2:wait read2.2\n"
                             "2:print ..  \\b\\b\\b\\b\n2:wait read2.3\n"
                             "2:print ... \\b\\b\\b\\b\n2:hang\n"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString("Please cycle power to the device... "),
                              tool_wait_ms);

    QCOMPARE(rig.lines().value(1), QString("Unable to create \"serial_communication_record.txt\", "
                                           "future debugging may be impaired."));
    QVERIFY(rig.lines().value(2).startsWith("Please cycle power to the device."));
}

// A tool stuck in a driver outlives its kill (on Windows, until the driver lets go).
// The window goes on turning meanwhile; when the bound runs out the box says so on
// red, and the run that was to replace the tool never starts.
void whole_update_test::tool_outlives_its_stop()
{
    window_rig rig;
    bool survive = true;
    rig.controller.kill_tool = [&survive](QProcess &tool) {
        if (!survive)
            tool.kill();
    };
    rig.controller.stop_wait_ms = 2000;
    QVERIFY(rig.start_update(QByteArray(ports_answer) + "2:print no stx char!\\r\\n\n2:hang\n"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString(tool_messages::communication), tool_wait_ms);
    const qint64 pid = rig.controller.process.processId();

    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString(stop_overdue), tool_wait_ms);
    QCOMPARE(rig.colour(), status_colour("red"));
    QCOMPARE(rig.controller.process.processId(), pid);
    QCOMPARE(rig.dir.runs().size(), 2);

    // The tool lets go at last: nothing starts on its end.
    survive = false;
    rig.controller.process.kill();
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    QVERIFY(rig.drain());
    QCOMPARE(rig.dir.runs().size(), 2);
    QCOMPARE(rig.lines().value(1), QString(stop_overdue));

    // Update starts afresh.
    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 3, tool_wait_ms);
    QCOMPARE(rig.dir.runs().last(), QStringList({"-s", "4", "-M", "1000000", "-b"}));
}

// A second press of Update: refused while an update is under way, waiting for a
// port list still being read, and starting anew once an update has failed.
void whole_update_test::update_pressed_while_running_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("second");         // refused, waits_for_ports, starts_anew
    QTest::addColumn<QStringList>("second_run"); // the command line the press leads to
    const QStringList on_com4{"-s", "4", "-M", "1000000", "-b"};
    QTest::newRow("update_running")
        << QByteArray(ports_answer) + "2:print .   \\b\\b\\b\\b\n2:hang\n"
        << "refused" << on_com4;
    // The list comes late, and its run does not end; the update runs on the port it
    // then chose as soon as the list is in.
    QTest::newRow("port_list_answers_late")
        << QByteArray("1:wait go\n") + ports_answer + "1:hang\n2:hang\n"
        << "waits_for_ports" << on_com4;
    // A list that never comes holds the update only so long.
    QTest::newRow("port_list_never_answers") << QByteArray("1:hang\n2:hang\n") << "waits_for_ports"
                                             << QStringList{"-s", "1", "-M", "1000000", "-b"};
    // The tool takes its time to close the port after a failure; the user need not
    // wait. The new update's first figure takes the place of its prompt, though a
    // message ended the update before.
    QTest::newRow("failed_update_still_closing")
        << QByteArray(ports_answer) +
               "2:print no stx char!\\r\\n\n2:hang\n3:print .   \\b\\b\\b\\b\n3:hang\n"
        << "starts_anew" << on_com4;
}

void whole_update_test::update_pressed_while_running()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, second);
    QFETCH(QStringList, second_run);

    window_rig rig;
    // Only a list that never comes may wait out the bound; a list that comes must
    // start the update by itself.
    rig.controller.port_list_wait_ms = second_run.value(1) == "1" ? 1000 : 10 * update_wait_ms;
    QVERIFY(rig.open_scripted(script));
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 1, tool_wait_ms);
    if (second != "waits_for_ports") {
        QVERIFY(rig.ports_listed());
        rig.press_update();
        const QString settled = second == "refused" ? "Please cycle power to the device.   "
                                                    : "Communication error! Please ensure all "
                                                      "cables are secure and in good repair!";
        // A slow pipe (Wine's) can bring the run's line well after the prompt.
        QTRY_COMPARE_WITH_TIMEOUT(rig.top(), settled, tool_wait_ms);
        QCOMPARE(rig.dir.runs().size(), 2);
    }
    const QString before = rig.box->toPlainText();
    const qint64 pid = rig.controller.process.processId();
    const int runs_before = rig.dir.runs().size();

    const QStringList warnings = warnings_during([&] {
        rig.press_update();
        QVERIFY(rig.drain());
    });
    QCOMPARE(warnings, QStringList());
    if (second == "refused") {
        // Nothing pushed or cleared: one line more, and the same process.
        QCOMPARE(rig.controller.process.processId(), pid);
        QCOMPARE(rig.lines().mid(1, 2),
                 QStringList({"An update is already running!", before.section('\n', 0, 0)}));
        QCOMPARE(rig.lines().size(), before.split('\n').size() + 2);
        QCOMPARE(rig.dir.runs().size(), runs_before);
        return;
    }
    QVERIFY(!rig.lines().contains("An update is already running!"));
    QVERIFY(rig.lines().contains("Please cycle power to the device...."));
    QCOMPARE(rig.colour(), status_colour("white"));
    if (script.startsWith("1:wait go"))
        QVERIFY(rig.dir.touch("go"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), runs_before + 1, tool_wait_ms);
    QCOMPARE(rig.dir.runs().last(), second_run);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::Running, tool_wait_ms);
    if (script.startsWith("1:wait go"))
        QCOMPARE(rig.ports->count(), 2);
    if (second == "starts_anew") {
        QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString("Please cycle power to the device.   "),
                                  tool_wait_ms);
        // The figure took the place of the top line then, the rig's drain mark.
        QCOMPARE(rig.lines().mid(1, 2), QStringList({"Please cycle power to the device....", ""}));
    }
}

// Standard error is never shown; a tool that floods it must not fill memory.
void whole_update_test::standard_error_flood_is_not_kept()
{
    window_rig rig;
    QVERIFY(rig.dir.is_valid());
    // 64 MB on standard error and nothing on standard output, far more than a pipe holds,
    // in 64 KB writes: under Wine each write costs about as much whatever its size.
    QVERIFY(rig.dir.set_script("erepeat 65536/64 " + QByteArray(1023, 'e') + "\\n\n"));
    QSignalSpy finished(&rig.controller.process,
                        QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    rig.open();
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, update_wait_ms);
    QCOMPARE(rig.controller.process.readAllStandardError().size(), 0);
}

void whole_update_test::closing_window_ends_cleanly()
{
    tool_dir dir;
    QVERIFY(dir.is_valid());
    QVERIFY(dir.set_script("hang\n"));
    auto *controller = new bootloader;
    QTimer timer;
    QStringList late;
    qint64 pid = 0;
    int rc = -1;
    {
        MainWindow window(*controller, timer);
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(controller->process.state(), QProcess::Running, tool_wait_ms);
        pid = controller->process.processId();
        // Closing the last window ends the event loop, as in main().
        QTimer::singleShot(0, &window, &QWidget::close);
        rc = qApp->exec();
    }
    connect(controller, &bootloader::textreadysig, this, [&late](const QString &t) { late << t; });
    QCOMPARE(rc, 0);
    QVERIFY(!process_gone(pid)); // still running until the controller goes

    QCOMPARE(warnings_during([controller] { delete controller; }), QStringList());
    QCOMPARE(late, QStringList());
    QVERIFY(process_gone(pid));
}

void whole_update_test::odd_firmware_paths_reach_tool_unchanged_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks_and_quotes") << QString("my firmware \"v2\" 'final'.hex");
    QTest::newRow("shell_metacharacters") << QString("fw; $(touch pwned) `touch pwned` & x.hex");
    QTest::newRow("non_ascii_letters") << QString::fromUtf8("Firmwäre für Gerät ñ.hex");
}

void whole_update_test::odd_firmware_paths_reach_tool_unchanged()
{
    QFETCH(QString, name);
#ifdef Q_OS_WIN
    if (name.contains('"'))
        QSKIP("Windows forbids \" in file names");
#endif

    window_rig rig;
    QVERIFY(rig.use_simulator());
    QVERIFY(rig.dir.write_file(name, tool_dir::simulator_sample("demo-firmware-v1.0.hex")));
    rig.open();
    QCOMPARE(rig.controller.filepath, name);
    QVERIFY(rig.ports_listed());

    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.top(), QString("Upload Complete!"), update_wait_ms);
    QCOMPARE(rig.dir.runs().value(2).value(7), name);
    QCOMPARE(rig.dir.runs().value(2).size(), 8);
    QVERIFY(!QFile::exists(rig.dir.file_path("pwned")));
}

void whole_update_test::floods_leave_window_responsive_data()
{
    QTest::addColumn<QByteArray>("script");
    // In writes of a few KB, as buffered output comes: under Wine every write costs a
    // good fraction of a millisecond, and one write a line would take half a minute.
    QTest::newRow("10_MB_of_unrelated_lines") << QByteArray(
        "repeat 163840/64 unrelated chatter the program knows nothing about 0123\\r\\n\n");
    QTest::newRow("binary_garbage") << QByteArray("random 4000000 42\n");
    QTest::newRow("zero_bytes") << QByteArray("repeat 200000/400 \\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\n");
}

void whole_update_test::floods_leave_window_responsive()
{
    QFETCH(QByteArray, script);

    window_rig rig;
    QVERIFY(rig.dir.is_valid());
    QVERIFY(rig.dir.set_script(script));
    QSignalSpy finished(&rig.controller.process,
                        QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    rig.open();

    // The event loop keeps turning while the tool floods the pipe.
    int ticks = 0;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&ticks] { ++ticks; });
    probe.start(1);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, update_wait_ms);
    QVERIFY(ticks > 0);

    QVERIFY(rig.drain());
    QCOMPARE(rig.lines().mid(1).join('\n').trimmed(), QString());
    QCOMPARE(rig.colour(), QApplication::palette().color(QPalette::Base));
    QCOMPARE(rig.ports->count(), 0);
}

void whole_update_test::copy_details_data()
{
    QTest::addColumn<QByteArray>("script");
    // "nothing", "tool_goes", "port_changes" or "bad_file" (fw.hex damaged before Update)
    QTest::addColumn<QString>("during_update");
    QTest::addColumn<QString>("opened_by"); // "mouse" or "shift_f10"
    // Each found in the report after the one before it.
    QTest::addColumn<QStringList>("in_order");

    const QByteArray ports = ports_answer;
    const QByteArray found = device_found;
    const QString waiting = "Command line: ./fwld.exe -s 4 -M 1000000 -b\n";
    const QString writing = "Command line: ./fwld.exe -s 4 -M 1000000 -B 2A -f fw.hex\n";
    QTest::newRow("tool_fails_after_a_line_no_row_matches")
        << ports + found +
               "2:hang\n3:print Calibrating the flux capacitor: Ger\\xC3\\xA4t \\xFF\\r\\n\n"
               "3:print Upload Progress  50%\\b\\b\\b\\b\n3:exit 7\n"
        << "nothing"
        << "mouse"
        << QStringList{"SHA-256: e01b381491bcc4f1714fa44786f72da1a4948d7af1e3be28507fc42843adbc76\n"
                       "Data: 4 bytes, addresses 0x00000000 to 0x00000003\nVerdict: accepted\n",
                       "Command line: ./fwld.exe -t\n", waiting, writing,
                       "How it ended: exited with exit code 7",
                       // As a terminal shows it: CR LF ends the line, UTF-8 reads as
                       // text, a byte that is no UTF-8 is escaped.
                       QString::fromUtf8("Calibrating the flux capacitor: Gerät \\xFF\n"
                                         "Upload Progress  50%\\b\\b\\b\\b\n"),
                       "== Status box ==",
                       "The upload tool stopped before the update was complete (exit code 7).",
                       "Final colour: red"};
    // The placeholder stands for the scratch folder, known once the rig has made it.
    QTest::newRow("tool_cannot_be_started")
        << ports << "tool_goes"
        << "shift_f10"
        << QStringList{"Working folder: FOLDER\n",
                       "Tool: FOLDER" + QString(QDir::separator()) + "fwld.exe (not there)",
                       waiting,
                       "How it ended: failed to start: REASON\n",
                       "Failed to start!",
                       "Final colour: red"};
    QTest::newRow("port_change_stops_the_waiting_run")
        << ports + "2:hang\n"
        << "port_changes"
        << "mouse"
        << QStringList{waiting,
                       "How it ended: stopped by the program: the port chosen in the "
                       "port box changed",
                       port_changed, "Final colour: red"};
    // The file as the check read it, and no run of the update.
    QTest::newRow("firmware_refused")
        << ports << "bad_file"
        << "mouse"
        << QStringList{"== Firmware file as checked at Update ==\nFile: fw.hex\nSize: 32 bytes\n"
                       "SHA-256: dd5a3330d4368b2e3402838434d3e09306878958d439ffffd9f3a549f94ba22d\n"
                       "Verdict: refused: Line 1: the checksum does not match.\n",
                       "Command line: ./fwld.exe -t\n",
                       "== Status box ==", "Line 1: the checksum does not match.\n",
                       "Final colour: red (Update failed)"};
    // 160,000 lines of 64 bytes, of which the first and the last 64 KB are kept.
    QTest::newRow("flood_within_the_cap")
        << ports + found +
               "2:hang\n3:repeat 160000/64 chatter that no row of the message table matches, "
               "0123456789ab\\r\\n\n3:exit 1\n"
        << "nothing"
        << "shift_f10"
        << QStringList{writing, "How it ended: exited with exit code 1",
                       "Standard output (10240000 bytes):\n", "[... 10108928 bytes left out ...]"};
}

// The report for support, copied from the status box's menu after the update.
void whole_update_test::copy_details()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, during_update);
    QFETCH(QString, opened_by);
    QFETCH(QStringList, in_order);

    window_rig rig;
    QVERIFY(rig.open_scripted(script));
    QVERIFY(rig.ports_listed());
    if (during_update == "tool_goes")
        QVERIFY(QFile::remove(rig.dir.file_path("fwld.exe")));
    if (during_update == "bad_file")
        QVERIFY(rig.dir.write_file("fw.hex", ":0400000001020304F1\n:00000001FF\n"));
    rig.press_update();
    if (during_update == "port_changes") {
        QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 2, tool_wait_ms);
        rig.ports->setCurrentIndex(0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(rig.colour(), status_colour("red"), update_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, update_wait_ms);
    QVERIFY(rig.drain());

    QGuiApplication::clipboard()->clear();
    if (opened_by == "mouse") {
        const QPoint at(40, 20);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, rig.box->viewport()->mapToGlobal(at));
        QApplication::sendEvent(rig.box->viewport(), &click);
    } else {
        rig.box->setFocus();
        QTest::keyClick(rig.box, Qt::Key_F10, Qt::ShiftModifier);
    }
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu *>(QApplication::activePopupWidget()),
                             tool_wait_ms);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    // Qt's own entries first, then a separator and ours.
    const QList<QAction *> entries = menu->actions();
    QVERIFY(entries.size() >= 3);
    QVERIFY(entries.at(entries.size() - 2)->isSeparator());
    QCOMPARE(entries.last()->text().remove('&'), QString("Copy Details"));
    QTest::keyClick(menu, Qt::Key_D);
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::clipboard()->text().isEmpty(), tool_wait_ms);

    const QString report = QGuiApplication::clipboard()->text();
    // Two 64 KB ends with a few escapes between, and the rest of the report.
    QVERIFY2(report.size() < 200000, qPrintable(QString::number(report.size())));
    int from = 0;
    for (QString expected : in_order) {
        expected.replace("FOLDER", QDir::toNativeSeparators(QDir::currentPath()))
            .replace("REASON", rig.controller.process.errorString());
        const int at = report.indexOf(expected, from);
        QVERIFY2(at >= 0, qPrintable("not found after position " + QString::number(from) + ": " +
                                     expected + "\n--- report ---\n" + report.left(4000)));
        from = at + expected.size();
    }
}

void whole_update_test::damaged_file_never_reaches_tool_data()
{
    QTest::addColumn<QByteArray>("firmware"); // empty: listed, then gone before Update
    QTest::addColumn<QString>("cause");       // REASON: the system's, for a file gone

    QTest::newRow("checksum_broken") << broken_checksum() << "Line 1: the checksum does not match.";
    QTest::newRow("cut_short_in_a_line")
        << QByteArray(":0400000001020304F2\n:04000400050")
        << "Line 2: the file ends in the middle of this line. It may not have downloaded "
           "completely.";
    QTest::newRow("binary_renamed")
        << QByteArray("\x0c\x94\x34\x00\x0c\x94\x46\x00", 8)
        << "The file is not a text file, so it cannot be a firmware (.hex) file.";
    QTest::newRow("gone_before_update") << QByteArray() << "The file could not be read: REASON";
}

// A file that cannot be right is refused at Update, before the user is asked to
// cycle power; the tool never sees it, and Update goes on at once with another file.
void whole_update_test::damaged_file_never_reaches_tool()
{
    QFETCH(QByteArray, firmware);
    QFETCH(QString, cause);

    window_rig rig;
    // fw.hex is chosen, as the first listed; other.hex is the user's next choice.
    QVERIFY(rig.build({"fw.hex", "other.hex"}, ports_answer + QByteArray("2:exit 3\n")));
    rig.open();
    QVERIFY(rig.ports_listed());
    QVERIFY(firmware.isEmpty() ? QFile::remove("fw.hex") : rig.dir.write_file("fw.hex", firmware));
    QFile gone("fw.hex");
    if (firmware.isEmpty() && !gone.open(QIODevice::ReadOnly))
        cause.replace("REASON", gone.errorString());
    QSignalSpy told(&rig.controller, &bootloader::update_phase_changed);

    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.colour(), status_colour("red"), tool_wait_ms);
    QVERIFY(rig.drain());
    QCOMPARE(rig.lines().value(1), cause);
    QCOMPARE(rig.lines().value(2), QString(tool_messages::bad_firmware));
    QVERIFY(!rig.lines().contains("Please cycle power to the device...."));
    QCOMPARE(rig.dir.runs(), QList<QStringList>{{"-t"}});
    QCOMPARE(told.count(), 1);
    QCOMPARE(told.first().at(0).value<update_phase>(), update_phase::failed);
    QCOMPARE(told.first().at(1).toString(), QString(tool_messages::bad_firmware) + ' ' + cause);

    rig.firmware->setCurrentIndex(1);
    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 2, tool_wait_ms);
    QCOMPARE(rig.dir.runs().last(), (QStringList{"-s", "4", "-M", "1000000", "-b"}));
}

QTEST_MAIN(whole_update_test)
#include "tst_whole_update.moc"
