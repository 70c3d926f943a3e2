#include "file_dialog.h"
#include "wait_limits.h"
#include "warnings.h"
#include "window_rig.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

const char placeholder[] = "No files found in local directory";
const char no_flash_file[] = "No flash file specified yet!";
const char cycle_power_prompt[] = "Please cycle power to the device....";

using run_list = QList<QStringList>;

// Makes the Load File entry current, as a click in the list does, and lets the
// dialog be answered.
dialog_seen load_through_dialog(window_rig &rig, const QString &path)
{
    dialog_seen seen;
    QObject guard;
    answer_file_dialog(&guard, path, &seen);
    rig.firmware->setCurrentIndex(rig.firmware->findText(load_file));
    return seen;
}

// One change to a box in the equivalence test, and what reached the controller
// through it, in order: "firmware TEXT" for filepathupdate(TEXT), "port N" for
// select_port("COMN") ("firmware " and "port " for an empty text).
enum class which_box { firmware, port };
enum class box_change { select, insert, insert_separator, remove, rename, clear, load_file };
struct box_step
{
    which_box box;
    box_change change;
    int index;
    QStringList texts;
    QStringList reached;
};
using box_steps = QList<box_step>;

void apply(window_rig &rig, const box_step &step, const QString &dir)
{
    QComboBox *box = step.box == which_box::port ? rig.ports : rig.firmware;
    const QString text = step.texts.value(0);
    switch (step.change) {
    case box_change::select:
        box->setCurrentIndex(step.index);
        break;
    case box_change::insert:
        box->insertItem(step.index, text);
        break;
    case box_change::insert_separator:
        box->insertSeparator(step.index);
        break;
    case box_change::remove:
        box->removeItem(step.index);
        break;
    case box_change::rename:
        box->setItemText(step.index, text);
        break;
    case box_change::clear:
        box->clear();
        break;
    case box_change::load_file: {
        QObject guard;
        dialog_seen seen;
        answer_file_dialog(&guard, dir + '/' + text, &seen);
        box->setCurrentIndex(step.index);
        break;
    }
    }
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

Q_DECLARE_METATYPE(box_steps)

class mainwindow_test : public QObject
{
    Q_OBJECT
private slots:
    void startup_firmware_box_data();
    void startup_firmware_box();
    void startup_wiring();
    void startup_caption_fonts();
    void port_list_data();
    void port_list();
    void update_without_firmware();
    void update_with_firmware();
    void load_two_files_through_dialog();
    void cancelled_dialog_keeps_firmware();
    void placeholder_is_no_file();
    void box_changes_reach_controller_data();
    void box_changes_reach_controller();
};

void mainwindow_test::startup_firmware_box_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("filepath");

    QTest::newRow("hex_files_case_ignored_other_files_left_out")
        << QStringList{"b.hex", "A.HEX", "c.txt"} << QStringList{"A.HEX", "b.hex", "", load_file}
        << "A.HEX";
    QTest::newRow("no_hex_file_keeps_placeholder")
        << QStringList{"c.txt"} << QStringList{placeholder, "", load_file} << "";
}

void mainwindow_test::startup_firmware_box()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, entries);
    QFETCH(QString, filepath);

    window_rig rig;
    QVERIFY(rig.build(files));
    QComboBox *box = rig.firmware;

    QCOMPARE(entries_of(box), entries);
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(rig.controller.filepath, filepath);
    const int separator = entries.indexOf("");
    QCOMPARE(box->itemData(separator, Qt::AccessibleDescriptionRole).toString(),
             QString("separator"));
}

void mainwindow_test::startup_wiring()
{
    window_rig rig;
    bool built = false;
    const QStringList warnings = warnings_during([&] { built = rig.build(); });
    QVERIFY(built);
    // A misspelt signature fails only at run time, with a warning.
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));

    QCOMPARE(rig.window->minimumSize(), QSize(565, 269));
    QCOMPARE(rig.window->maximumSize(), QSize(565, 269));
    QVERIFY(rig.timer.isActive());
    QCOMPARE(rig.timer.interval(), 400);
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs(), run_list{{"-t"}}, tool_wait_ms);
    QVERIFY(rig.ports->count() == 0);
    QCOMPARE(rig.controller.comport, QString("1"));
}

void mainwindow_test::startup_caption_fonts()
{
    window_rig rig;
    QVERIFY(rig.build());
    const auto *label_3 = rig.widget<QLabel>("label_3");

    // "Select Serial Port:" lies whole inside its fixed box. From the form's 11 points
    // the size goes in proportion to how much wider the text is than the box, cut to
    // a whole point, and lower still while the text is cut off: a hinted font does
    // not narrow in proportion. Measured with Qt's metrics on this machine's fonts.
    const auto font_at = [label_3](int size) {
        QFont font = label_3->font();
        font.setPointSize(size);
        return font;
    };
    const auto fits = [&](int size) {
        const QFontMetrics metrics(font_at(size));
        return metrics.horizontalAdvance(label_3->text()) <= label_3->width() &&
               metrics.height() <= label_3->height();
    };
    const float ratio =
        static_cast<float>(label_3->width()) /
        static_cast<float>(QFontMetrics(font_at(11)).horizontalAdvance(label_3->text()));
    int expected = ratio >= 1.0f && ratio <= 1.25f ? 11 : static_cast<int>(11.0f * ratio);
    while (expected > 1 && !fits(expected))
        --expected;
    const int size = label_3->font().pointSize();
    QVERIFY(label_3->font().bold());
    QVERIFY2(fits(size), qPrintable(QString::number(size)));
    QCOMPARE(size, expected);
    QCOMPARE(rig.widget<QLabel>("label_4")->font(), label_3->font());
    QCOMPARE(rig.widget<QGroupBox>("groupBox_2")->font(), label_3->font());
    QCOMPARE(rig.box->font(), label_3->font());
    QCOMPARE(rig.update->font().pointSize(), 10);
    QCOMPARE(rig.ports->font(), rig.widget<QWidget>("centralWidget")->font());
}

void mainwindow_test::port_list_data()
{
    QTest::addColumn<QStringList>("earlier_list");
    QTest::addColumn<QStringList>("list");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("comport");

    QTest::newRow("ports_3_and_7_select_last")
        << QStringList() << QStringList{"3", "7"} << QStringList{"COM3", "COM7"} << "7";
    QTest::newRow("single_port_12")
        << QStringList() << QStringList{"12"} << QStringList{"COM12"} << "12";
    QTest::newRow("new_list_replaces_old")
        << QStringList{"1", "2"} << QStringList{"5"} << QStringList{"COM5"} << "5";
    QTest::newRow("empty_after_non_empty_clears_port")
        << QStringList{"3", "7"} << QStringList() << QStringList() << "";
    QTest::newRow("empty_on_empty_box_keeps_default_port")
        << QStringList() << QStringList() << QStringList() << "1";
}

void mainwindow_test::port_list()
{
    QFETCH(QStringList, earlier_list);
    QFETCH(QStringList, list);
    QFETCH(QStringList, entries);
    QFETCH(QString, comport);

    // The tool's port list lines, a run each: the earlier list at start-up, the
    // list of the row when the box is opened.
    const auto line = [](int run, const QStringList &ports) {
        return QByteArray::number(run) + ":print COM Numbers are:" + ports.join(':').toLatin1() +
               "\\r\\n\n";
    };
    const int runs = earlier_list.isEmpty() ? 1 : 2;
    window_rig rig;
    QVERIFY(rig.build({}, (runs == 2 ? line(1, earlier_list) : QByteArray()) + line(runs, list)));
    const auto listed = [&rig](int run) {
        return rig.dir.runs().size() == run &&
               rig.controller.process.state() == QProcess::NotRunning;
    };
    if (runs == 2) {
        QTRY_VERIFY_WITH_TIMEOUT(listed(1), tool_wait_ms);
        rig.ports->showPopup();
        rig.ports->hidePopup();
    }
    QTRY_VERIFY_WITH_TIMEOUT(listed(runs), tool_wait_ms);

    QCOMPARE(entries_of(rig.ports), entries);
    QCOMPARE(rig.ports->currentIndex(), entries.size() - 1);
    QCOMPARE(rig.controller.comport, comport);
}

void mainwindow_test::update_without_firmware()
{
    window_rig rig;
    QVERIFY(rig.build());
    rig.timer.stop();
    // The port list runs from the event loop, and is over before the presses.
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.arguments, QStringList{"-t"}, tool_wait_ms);
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    const QColor red(255, 0, 0);
    rig.window->change_Status_textbox_color(red);
    rig.window->insert_text("queued line");

    rig.press_update();
    rig.press_update();

    // Written at once, each on a line of its own at the top.
    const QString pressed = QString(no_flash_file) + '\n' + no_flash_file + '\n';
    QCOMPARE(rig.box->toPlainText(), pressed);
    // The queue still holds the one line, and nothing else: a tick shows it, the next none.
    rig.window->update_text_now();
    QCOMPARE(rig.box->toPlainText(), "queued line\n" + pressed);
    rig.window->update_text_now();
    QCOMPARE(rig.box->toPlainText(), "queued line\n" + pressed);
    QCOMPARE(rig.box->palette().color(QPalette::Base), red);
    QCOMPARE(rig.controller.process.state(), QProcess::NotRunning);
    QCOMPARE(rig.controller.arguments, QStringList{"-t"});
}

void mainwindow_test::update_with_firmware()
{
    window_rig rig;
    QVERIFY(rig.build({"fw.hex"}));
    rig.timer.stop();
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    rig.window->change_Status_textbox_color(QColor(255, 0, 0));
    rig.window->insert_text("Earlier line");
    rig.window->update_text_now();
    rig.window->insert_text("stale line");

    rig.press_update();

    QCOMPARE(rig.box->palette().color(QPalette::Base), QColor(255, 255, 255));
    const QString separated = QString(14, '\n') + "Earlier line\n";
    QCOMPARE(rig.box->toPlainText(), separated);
    // The stale line is gone from the queue and the prompt is its only entry.
    rig.window->update_text_now();
    QCOMPARE(rig.box->toPlainText(), cycle_power_prompt + ('\n' + separated));
    rig.window->update_text_now();
    QCOMPARE(rig.box->toPlainText(), cycle_power_prompt + ('\n' + separated));
    QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs(),
                              (run_list{{"-t"}, {"-s", "1", "-M", "1000000", "-b"}}), tool_wait_ms);
}

void mainwindow_test::load_two_files_through_dialog()
{
    // A folder the box does not list itself.
    window_rig rig;
    QVERIFY(rig.build());
    QVERIFY(rig.dir.write_file("elsewhere/first.hex", placeholder_firmware));
    QVERIFY(rig.dir.write_file("elsewhere/second.hex", placeholder_firmware));
    const QString elsewhere = canonical(rig.dir.file_path("elsewhere"));
    const QString first = elsewhere + "/first.hex";
    const QString second = elsewhere + "/second.hex";

    const dialog_seen seen = load_through_dialog(rig, first);
    QVERIFY(seen.opened);
    QCOMPARE(seen.caption, QString("Open Firmware File..."));
    QCOMPARE(seen.filters, (QStringList{"All Files (*)", "Firmware Files (*.hex)"}));
    QCOMPARE(seen.selected_filter, QString("Firmware Files (*.hex)"));
    QCOMPARE(seen.directory, canonical(rig.dir.path()));
    QCOMPARE(entries_of(rig.firmware), (QStringList{placeholder, "", first, load_file}));
    QCOMPARE(rig.firmware->currentText(), first);
    QCOMPARE(rig.controller.filepath, first);

    // The second dialog opens where the first file was.
    const dialog_seen again = load_through_dialog(rig, second);
    QVERIFY(again.opened);
    QCOMPARE(again.directory, elsewhere);
    QCOMPARE(entries_of(rig.firmware), (QStringList{placeholder, "", first, second, load_file}));
    QCOMPARE(rig.firmware->currentText(), second);
    QCOMPARE(rig.controller.filepath, second);
}

void mainwindow_test::cancelled_dialog_keeps_firmware()
{
    window_rig rig;
    QVERIFY(rig.build({"fw.hex"}));

    const dialog_seen seen = load_through_dialog(rig, QString());
    QVERIFY(seen.opened);
    QCOMPARE(seen.directory, canonical(rig.dir.path()));
    QCOMPARE(entries_of(rig.firmware), (QStringList{"fw.hex", "", load_file}));
    QCOMPARE(rig.firmware->currentText(), QString(load_file));
    QCOMPARE(rig.controller.filepath, QString("fw.hex"));
}

void mainwindow_test::placeholder_is_no_file()
{
    window_rig rig;
    QVERIFY(rig.build());
    QVERIFY(rig.dir.write_file("elsewhere/fw.hex", placeholder_firmware));
    const QString firmware = canonical(rig.dir.file_path("elsewhere/fw.hex"));
    rig.timer.stop();
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    QVERIFY(load_through_dialog(rig, firmware).opened);
    QCOMPARE(rig.controller.filepath, firmware);

    // Going back to the placeholder leaves no file to flash.
    rig.firmware->setCurrentIndex(0);
    QCOMPARE(rig.firmware->currentText(), QString(placeholder));
    QCOMPARE(rig.controller.filepath, QString());

    rig.press_update();
    QCOMPARE(rig.box->toPlainText(), QString(no_flash_file) + '\n');
    // Nothing was queued: a tick adds nothing.
    rig.window->update_text_now();
    QCOMPARE(rig.box->toPlainText(), QString(no_flash_file) + '\n');
    QCOMPARE(rig.controller.arguments, QStringList{"-t"});
}

void mainwindow_test::box_changes_reach_controller_data()
{
    QTest::addColumn<box_steps>("steps");

    // Typed from Qt 5's currentIndexChanged(QString): sent with the entry's text
    // whenever the current index changes, whether by a choice or because entries
    // before it came or went; "" when the box empties; never for a new text alone.
    // The window starts as [a.hex, b.hex, separator, Load File....] on a.hex,
    // with an empty port box.
    using B = which_box;
    using C = box_change;
    QTest::newRow("duplicate_texts_each_choice_reaches")
        << box_steps{{B::firmware, C::insert, 1, {"a.hex"}, {}},
                     {B::firmware, C::select, 1, {}, {"firmware a.hex"}},
                     {B::firmware, C::select, 0, {}, {"firmware a.hex"}},
                     {B::firmware, C::select, 0, {}, {}}};
    QTest::newRow("insert_before_current_moves_it_after_leaves_it")
        << box_steps{{B::firmware, C::select, 1, {}, {"firmware b.hex"}},
                     {B::firmware, C::insert, 0, {"x.hex"}, {"firmware b.hex"}},
                     {B::firmware, C::insert_separator, 0, {}, {"firmware b.hex"}},
                     {B::firmware, C::insert, 4, {"y.hex"}, {}}};
    QTest::newRow("remove_before_current_moves_it")
        << box_steps{{B::firmware, C::select, 1, {}, {"firmware b.hex"}},
                     {B::firmware, C::remove, 0, {}, {"firmware b.hex"}},
                     {B::firmware, C::remove, 2, {}, {}}};
    QTest::newRow("new_text_alone_reaches_nothing")
        << box_steps{{B::firmware, C::rename, 0, {"renamed.hex"}, {}},
                     {B::firmware, C::rename, 1, {"c.hex"}, {}}};
    QTest::newRow("clear_hands_over_empty_text")
        << box_steps{{B::firmware, C::clear, 0, {}, {"firmware "}},
                     {B::firmware, C::insert, 0, {"c.hex"}, {"firmware c.hex"}}};
    // The dialog logic steps onto the entry above Load File (here the separator)
    // and then onto the new path; each change reaches the controller in turn.
    QTest::newRow("load_file_nested_changes_in_order") << box_steps{
        {B::firmware, C::load_file, 3, {"b.hex"}, {"firmware ", "firmware DIR/b.hex"}}};
    // The controller's port lists reach the box quietly; what the box itself
    // announces is the user's.
    QTest::newRow("port_entries_chosen") << box_steps{{B::port, C::insert, 0, {"COM2"}, {"port 2"}},
                                                      {B::port, C::insert, 1, {"COM6"}, {}},
                                                      {B::port, C::select, 1, {}, {"port 6"}},
                                                      {B::port, C::rename, 1, {"COM7"}, {}},
                                                      {B::port, C::select, 0, {}, {"port 2"}}};
}

void mainwindow_test::box_changes_reach_controller()
{
    QFETCH(box_steps, steps);

    // The controller cannot be watched, so its two members are looked at and
    // blanked on every index change of either box and after each step; a repeat
    // of the same text then still shows. Depending on the Qt a look falls just
    // before or just after the controller hears of the change that set it off,
    // so a look that finds nothing new is left out. Declared before the window,
    // which may still change its boxes while it is destroyed.
    const QString unset = QStringLiteral("<unset>");
    QStringList reached;
    window_rig rig;
    QVERIFY(rig.build({"a.hex", "b.hex"}));
    QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning, tool_wait_ms);
    const QString dir = canonical(rig.dir.path());

    const auto look = [&] {
        if (rig.controller.filepath != unset)
            reached << "firmware " + rig.controller.filepath;
        if (rig.controller.comport != unset)
            reached << "port " + rig.controller.comport;
        rig.controller.filepath = rig.controller.comport = unset;
    };
    look();
    QCOMPARE(reached, (QStringList{"firmware a.hex", "port 1"}));
    for (QComboBox *box : {rig.firmware, rig.ports})
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), box, look);

    for (const box_step &step : steps) {
        reached.clear();
        apply(rig, step, dir);
        look();
        QStringList expected = step.reached;
        expected.replaceInStrings("DIR", dir);
        QCOMPARE(reached, expected);
    }
}

QTEST_MAIN(mainwindow_test)
#include "tst_mainwindow.moc"
