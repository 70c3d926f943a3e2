#include "tool_messages.h"
#include "wait_limits.h"
#include "window_rig.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMimeData>
#include <QScopeGuard>
#include <QUrl>

#include <cmath>
#include <map>

// What the window does for the user around an update, through the real window and
// controller and the fake tool: files dropped from the file manager, the request
// for attention when an update ends, and what a screen reader is told.

namespace {

// Run 3 of a scripted update writes.
const char success[] = "3:print Reset send successful!\\r\\n\n";

// A drag as a file manager starts it: it offers a copy or a move, and proposes the
// move (Explorer does for a file on the same drive, Shift asks for one anywhere).
const Qt::DropActions file_manager_actions = Qt::CopyAction | Qt::MoveAction;
const Qt::KeyboardModifiers move_proposed = Qt::ShiftModifier;

// WCAG 2's contrast ratio of two colours, typed from its definition.
double wcag_contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

// A colour scheme as the desktop hands it to the program: text and background
// colours for windows and for boxes.
QPalette scheme(const QColor &window, const QColor &base, const QColor &text)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    return palette;
}

} // namespace

class window_aids_test : public QObject
{
    Q_OBJECT
private slots:
    void dropped_files_data();
    void dropped_files();
    void update_end_data();
    void update_end();
    void accessible_names_data();
    void accessible_names();
    void status_text_readable_data();
    void status_text_readable();
};

void window_aids_test::dropped_files_data()
{
    QTest::addColumn<QStringList>("dragged"); // in a scratch folder; "NAME/" a folder there
    QTest::addColumn<bool>("from_load_file"); // the Load File entry is current, as after a
                                              // cancelled dialog
    QTest::addColumn<QStringList>("added");   // the entries the box gains

    QTest::newRow("one_file") << QStringList{"a.hex"} << false << QStringList{"a.hex"};
    QTest::newRow("two_files_the_last_one_chosen")
        << QStringList{"a.hex", "b.txt"} << false << QStringList{"a.hex", "b.txt"};
    QTest::newRow("one_file_onto_the_load_file_entry")
        << QStringList{"a.hex"} << true << QStringList{"a.hex"};
    QTest::newRow("folder_refused") << QStringList{"folder/"} << false << QStringList();
    QTest::newRow("file_and_folder_refused_whole")
        << QStringList{"a.hex", "folder/"} << false << QStringList();
    QTest::newRow("web_address_refused")
        << QStringList{"https://www.velmora.example/fw.hex"} << false << QStringList();
    QTest::newRow("file_gone_refused") << QStringList{"gone.hex"} << false << QStringList();
}

void window_aids_test::dropped_files()
{
    QFETCH(QStringList, dragged);
    QFETCH(bool, from_load_file);
    QFETCH(QStringList, added);

    window_rig rig;
    QVERIFY(rig.open_scripted(ports_answer));
    // A folder of the working directory, whose files the box does not list itself.
    const QString elsewhere = rig.dir.file_path("elsewhere");
    QVERIFY(QDir().mkdir(elsewhere));
    QList<QUrl> urls;
    for (const QString &name : dragged) {
        if (name.startsWith("https:")) {
            urls << QUrl(name);
            continue;
        }
        if (name.endsWith('/'))
            QVERIFY(QDir().mkdir(elsewhere + '/' + name));
        else if (name != "gone.hex")
            QVERIFY(rig.dir.write_file("elsewhere/" + name, placeholder_firmware));
        urls << QUrl::fromLocalFile(elsewhere + '/' + name);
    }
    QComboBox *firmware = rig.firmware;
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    const QStringList before{"fw.hex", "", load_file};
    QCOMPARE(entries_of(firmware), before);
    if (from_load_file) {
        const QSignalBlocker quiet(firmware);
        firmware->setCurrentIndex(2);
    }
    const QString chosen = rig.controller.filepath;

    // A dialog opening here would be a fault; it is closed so that the test goes on.
    bool dialog_opened = false;
    QTimer dialog_guard;
    connect(&dialog_guard, &QTimer::timeout, [&dialog_opened] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            dialog_opened = true;
            dialog->reject();
        }
    });
    dialog_guard.start(10);

    // Dropped onto the status box, which takes no drops itself: Qt hands the drag on
    // to the window.
    QMimeData data;
    data.setUrls(urls);
    QWidget *target = rig.box->viewport();
    const QPoint at = target->rect().center();
    // Qt keeps the window as the drag's target until the drag ends, whatever ends
    // the test.
    struct drag_end
    {
        QWidget *target;
        ~drag_end()
        {
            QDragLeaveEvent leave;
            QApplication::sendEvent(target, &leave);
        }
    } end{target};
    QDragEnterEvent enter(at, file_manager_actions, &data, Qt::LeftButton, move_proposed);
    QApplication::sendEvent(target, &enter);
    QCOMPARE(enter.proposedAction(), Qt::MoveAction);
    QCOMPARE(enter.isAccepted(), !added.isEmpty());
    if (enter.isAccepted()) {
        // Never a move, which would have the file manager remove the file.
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDragMoveEvent move(at, file_manager_actions, &data, Qt::LeftButton, move_proposed);
        QApplication::sendEvent(target, &move);
        QVERIFY(move.isAccepted());
        QCOMPARE(move.dropAction(), Qt::CopyAction);
        QDropEvent drop(at, file_manager_actions, &data, Qt::LeftButton, move_proposed);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    }

    QStringList expected = before;
    for (const QString &name : added)
        expected.insert(expected.size() - 1, elsewhere + '/' + name);
    QCOMPARE(entries_of(firmware), expected);
    QVERIFY(!dialog_opened);
    if (added.isEmpty()) {
        QCOMPARE(firmware->currentIndex(), from_load_file ? 2 : 0);
        QCOMPARE(rig.controller.filepath, chosen);
        return;
    }
    QCOMPARE(firmware->currentIndex(), expected.size() - 2);
    QCOMPARE(rig.controller.filepath, expected.value(expected.size() - 2));

    // What Update writes is the file dropped last.
    QVERIFY(rig.dir.set_script(QByteArray(ports_answer) + device_found + success));
    rig.press_update();
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 3, update_wait_ms);
    QCOMPARE(rig.dir.runs().at(2).value(7), expected.value(expected.size() - 2));
}

namespace {

// What a screen reader is told: the name of each notification as it is shown,
// which is when the platform's bridge hands it on (Qt's show event for it).
class notices_shown : public QObject
{
public:
    explicit notices_shown(QWidget *notice) { notice->installEventFilter(this); }
    QStringList told;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            told << static_cast<QWidget *>(watched)->accessibleName();
        return false;
    }
};

} // namespace

void window_aids_test::update_end_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("outcome"); // what a screen reader is told at the end
    QTest::addColumn<int>("attention");

    const QByteArray ports = ports_answer;
    const QByteArray found = device_found;
    const QString complete = "Update complete";
    const QString comm_error = "Update failed. " + QString(tool_messages::communication);
    QTest::newRow("complete_while_the_window_is_active")
        << ports + found + success << true << complete << 0;
    QTest::newRow("complete_behind_another_window")
        << ports + found + success << false << complete << 1;
    QTest::newRow("error_line_behind_another_window")
        << ports + found + "2:hang\n3:print Timeout!\\r\\n\n3:exit 1\n"
        << false << comm_error << 1;
    QTest::newRow("error_line_while_the_window_is_active")
        << ports + found + "2:hang\n3:print Timeout!\\r\\n\n3:exit 1\n"
        << true << comm_error << 0;
    // Reported twice by Qt, as a process error and as the run's end; told once.
    QTest::newRow("crash_behind_another_window")
        << ports + found + "2:hang\n3:print Upload Progress  10%\\b\\b\\b\\b\n3:crash\n"
        << false << "Update failed. Error occured: Crashed!" << 1;
    // The box turns red for the warning, but the update goes on and ends well.
    QTest::newRow("warning_then_complete_behind_another_window")
        << ports + "2:print failed to make debug file!\\r\\n\n2:wait read2.1\n" + found + success
        << false << complete << 1;
}

void window_aids_test::update_end()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, active);
    QFETCH(QString, outcome);
    QFETCH(int, attention);

    window_rig rig;
    QVERIFY(rig.open_scripted(script));
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(rig.box);
    QVERIFY(box);
    QCOMPARE(box->text(QAccessible::Description), QString("No update yet"));
    int asked = 0;
    rig.window->request_attention = [&asked, &rig](QWidget &window) {
        QCOMPARE(&window, static_cast<QWidget *>(rig.window.get()));
        ++asked;
    };

    QWidget other;
    if (active) {
        rig.window->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(rig.window->isActiveWindow(), tool_wait_ms);
    } else {
        other.show();
        other.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!rig.window->isActiveWindow(), tool_wait_ms);
    }
    QVERIFY(rig.ports_listed());

    auto *notice = rig.window->findChild<QWidget *>("spoken_notice");
    QVERIFY(notice);
    notices_shown notices(notice);
    rig.press_update();
    // Over once the tool has ended after the outcome: anything reported late is in.
    QTRY_VERIFY2_WITH_TIMEOUT(notices.told.size() >= 2 && rig.dir.runs().size() == 3 &&
                                  rig.controller.process.state() == QProcess::NotRunning,
                              qPrintable(notices.told.join(" | ")), update_wait_ms);
    QVERIFY(rig.drain());
    QCOMPARE(notices.told,
             QStringList({"Update running. Please cycle power to the device....", outcome}));
    QCOMPARE(box->text(QAccessible::Description), outcome.section('.', 0, 0));
    QCOMPARE(asked, attention);
    QCOMPARE(rig.window->isActiveWindow(), active);
}

void window_aids_test::accessible_names_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    // The label that names it on the screen, and for a box the entry chosen with
    // it: Orca reads a box's caption, not its entry.
    QTest::addColumn<QString>("caption");

    QTest::newRow("firmware_box") << "Firmware_combobox"
                                  << "Firmware file"
                                  << "Select Firmware: fw.hex";
    QTest::newRow("port_box") << "serial_combobox"
                              << "Serial port"
                              << "Select Serial Port: COM4";
    QTest::newRow("update_button") << "Update_button"
                                   << "Update firmware" << QString();
    QTest::newRow("status_box") << "Status_textbox"
                                << "Update status"
                                << "Status";
}

void window_aids_test::accessible_names()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, caption);

    window_rig rig;
    QVERIFY(rig.open_scripted(ports_answer));
    QVERIFY(rig.ports_listed());
    auto *widget = rig.window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);

#ifdef Q_OS_UNIX
    // On Unix Qt names a combo box by its entry; a screen reader there tells the
    // box by the caption that labels it.
    const QString read = qobject_cast<QComboBox *>(widget) ? widget->accessibleName()
                                                           : iface->text(QAccessible::Name);
#else
    const QString read = iface->text(QAccessible::Name);
#endif
    QCOMPARE(read, name);

    const auto labels = iface->relations(QAccessible::Label);
    QCOMPARE(labels.size(), caption.isEmpty() ? 0 : 1);
    if (!caption.isEmpty())
        QCOMPARE(labels.first().first->text(QAccessible::Name), caption);
}

void window_aids_test::status_text_readable_data()
{
    QTest::addColumn<QPalette>("palette");
    // qt5ct's "darker" colours, and Windows' High Contrast Black.
    QTest::newRow("dark_scheme") << scheme(QColor(0x42, 0x42, 0x45), QColor(0x30, 0x2f, 0x2e),
                                           Qt::white);
    QTest::newRow("high_contrast_black") << scheme(Qt::black, Qt::black, Qt::white);
}

// The status text reads on each of the box's colours, under a scheme whose own
// text colour would vanish on them.
void window_aids_test::status_text_readable()
{
    QFETCH(QPalette, palette);

    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });

    window_rig rig;
    QVERIFY(rig.open_scripted(ports_answer));
    rig.window->insert_text(tool_messages::communication);
    QVERIFY(rig.drain());
    for (const QString colour : {"white", "green", "red"}) {
        // As the controller sends it.
        emit rig.controller.changecolour(status_colour(colour));
        // As painted: the most frequent colour is the box's, and the text's is the
        // one that stands out most from it (the core of a letter, past its smoothed
        // edge).
        const QImage picture = rig.box->viewport()->grab().toImage();
        std::map<QRgb, int> counts;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ++counts[picture.pixel(x, y) | 0xff000000u];
        QRgb background = counts.begin()->first;
        for (const auto &[rgb, count] : counts)
            if (count > counts[background])
                background = rgb;
        double best = 1.0;
        for (const auto &entry : counts)
            best = std::max(best, wcag_contrast(QColor(entry.first), QColor(background)));

        QCOMPARE(QColor(background), status_colour(colour));
        // WCAG 2's floor for text of this size.
        QVERIFY2(best >= 4.5,
                 qPrintable(QString("%1: contrast %2").arg(colour).arg(best, 0, 'f', 2)));
    }
}

QTEST_MAIN(window_aids_test)
#include "tst_window_aids.moc"
