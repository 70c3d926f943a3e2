#include "bootloader.h"
#include "file_dialog.h"
#include "language.h"
#include "output_interpreter.h"
#include "tool_texts.h"
#include "wait_limits.h"
#include "window_rig.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QWheelEvent>
#include <QtTest>

namespace {

// The pseudo-translation made from the sources at build time (tests/e2e/CMakeLists.txt):
// every text marked for translation reads as itself in square brackets.
const char pseudo_folder[] = ":/pseudo";
const char pseudo_language[] = "xx";

// What the user chose or the tool named, not words of the program's.
const QStringList data{"COM3", "COM4", "fw.hex", "-- drained --"};

// Words that came through the translation: with the data taken out, nothing or a
// text in brackets.
bool translated(QString text)
{
    for (const QString &datum : data)
        text.remove(datum);
    text = text.trimmed();
    return text.isEmpty() || (text.startsWith('[') && text.endsWith(']'));
}

// The entries of the status box's menu, opened as a right click opens it: Qt's own,
// a separator (an empty entry here), the program's.
QStringList status_menu(window_rig &rig)
{
    const QPoint at(40, 20);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, rig.box->viewport()->mapToGlobal(at));
    QApplication::sendEvent(rig.box->viewport(), &click);
    QMenu *menu = nullptr;
    if (!QTest::qWaitFor(
            [&] { return menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()); },
            tool_wait_ms))
        return {};
    QStringList entries;
    for (QAction *entry : menu->actions())
        entries << entry->text();
    menu->close();
    return entries;
}

// Every text of `root` and the widgets in it that a person sees or a screen reader
// says, with where it stands. A question dialog is walked the same way.
void collect(QWidget *root, QStringList &seen)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    seen << "title: " + root->windowTitle();
    for (QWidget *w : widgets) {
        const QString where = w->objectName() + ": ";
        seen << where + w->accessibleName() << where + w->accessibleDescription();
        if (auto *label = qobject_cast<QLabel *>(w))
            seen << where + label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            seen << where + button->text();
        if (auto *group = qobject_cast<QGroupBox *>(w))
            seen << where + group->title();
        if (auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                seen << where + box->itemText(i);
    }
}

} // namespace

class translations_test : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void language_follows_the_system_data();
    void language_follows_the_system();
    void every_text_is_translated_data();
    void every_text_is_translated();
    void tool_lines_are_translated();
    void cleanup() { language::install({}); }

private:
    int english_caption_size = 0;
};

void translations_test::initTestCase()
{
    window_rig english;
    QVERIFY(english.build());
    english_caption_size = english.widget<QLabel>("label_3")->font().pointSize();
}

void translations_test::language_follows_the_system_data()
{
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    // The window's button and Qt's own entry of the status box's menu, as each
    // language's translator wrote them.
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("select_all");

    QTest::newRow("austrian_german") << QStringList{"de-AT"} << "de"
                                     << "Firmware aktualisieren"
                                     << "Alles auswählen";
    QTest::newRow("canadian_french_before_english") << QStringList{"fr-CA", "en-CA"} << "fr"
                                                    << "Mettre à jour le micrologiciel"
                                                    << "Tout sélectionner";
    QTest::newRow("mexican_spanish") << QStringList{"es_MX"} << "es"
                                     << "Actualizar firmware"
                                     << "Seleccionar todo";
    QTest::newRow("untranslated_then_french") << QStringList{"pt-BR", "fr"} << "fr"
                                              << "Mettre à jour le micrologiciel"
                                              << "Tout sélectionner";
    QTest::newRow("english_before_german") << QStringList{"en-GB", "de-DE"} << "en"
                                           << "Update Firmware"
                                           << "Select All";
    // No language with a translation, the POSIX locale among them.
    QTest::newRow("none_translated") << QStringList{"pt-BR", "ja", "C"} << "en"
                                     << "Update Firmware"
                                     << "Select All";
}

// The translations built into the program, chosen from the system's languages, on
// the window and in Qt's own part of it.
void translations_test::language_follows_the_system()
{
    QFETCH(QStringList, system);
    QFETCH(QString, chosen);
    QFETCH(QString, button);
    QFETCH(QString, select_all);

    QCOMPARE(language::install(system), chosen);
    window_rig rig;
    QVERIFY(rig.open_scripted(ports_answer));
    QCOMPARE(rig.update->text(), button);
    // The captions as large as in English, each whole in its box.
    for (const char *name : {"label_3", "label_4"}) {
        const auto *caption = rig.widget<QLabel>(name);
        QCOMPARE(caption->font().pointSize(), english_caption_size);
        QVERIFY(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width());
    }
    QStringList entries;
    for (QString entry : status_menu(rig))
        entries << entry.remove('&').section('\t', 0, 0);
    QVERIFY2(entries.contains(select_all), qPrintable(entries.join(" | ")));
}

void translations_test::every_text_is_translated_data()
{
    QTest::addColumn<QByteArray>("script");
    // What the user does: "update" (with `colour` at its end), "update_without_tool",
    // "course_messages" (Update twice, then another port, which the tool outlives),
    // "no_firmware" (Update with no file to write), "file_dialog", "close_while_writing"
    // and "port_while_writing" (the question, answered with Escape), "refused_file".
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("colour");

    const QByteArray update = QByteArray(ports_answer) + device_found;

    QTest::newRow("whole_update_on_the_stand_in") << QByteArray() << "update"
                                                  << "green";
    QTest::newRow("tool_crashes") << update + "2:hang\n3:crash\n"
                                  << "update"
                                  << "red";
    QTest::newRow("tool_ends_too_soon") << update + "2:hang\n3:exit 3\n"
                                        << "update"
                                        << "red";
    QTest::newRow("tool_cannot_be_started") << QByteArray(ports_answer) << "update_without_tool"
                                            << "red";
    QTest::newRow("update_twice_then_another_port_that_the_tool_outlives")
        << QByteArray(ports_answer) + "2:hang\n"
        << "course_messages" << QString();
    QTest::newRow("no_firmware_file") << QByteArray(ports_answer) << "no_firmware" << QString();
    QTest::newRow("file_dialog") << QByteArray(ports_answer) << "file_dialog" << QString();
    // The questions asked before the writing is cut off, collected while they are shown.
    const QByteArray writing = update + "2:hang\n3:print Upload Progress  10%\\b\\b\\b\\b\n"
                                        "3:wait go\n3:print Reset send successful!\\r\\n\n";
    QTest::newRow("close_while_writing") << writing << "close_while_writing"
                                         << "green";
    QTest::newRow("another_port_while_writing") << writing << "port_while_writing"
                                                << "green";
    // A firmware file refused at Update: the cause, in the user's language.
    QTest::newRow("refused_file") << QByteArray(ports_answer) << "refused_file"
                                  << "red";
}

// Under a pseudo-translation every text of the window, its menu, the file dialog,
// what a screen reader is told and every line an update writes comes marked: a text
// without the mark went around the translation.
void translations_test::every_text_is_translated()
{
    QFETCH(QByteArray, script);
    QFETCH(QString, action);
    QFETCH(QString, colour);

    QCOMPARE(language::install({pseudo_language}, pseudo_folder), QString(pseudo_language));
    window_rig rig;
    if (script.isEmpty()) {
        QVERIFY(rig.use_simulator());
        QVERIFY(rig.dir.write_file("fw.hex", tool_dir::simulator_sample("demo-firmware-v1.0.hex")));
    } else {
        QVERIFY(rig.build(action == "no_firmware" ? QStringList() : QStringList{"fw.hex"}, script));
    }
    rig.open();
    QStringList seen;
    // What a screen reader is told as the update starts and ends.
    connect(&rig.controller, &bootloader::update_phase_changed, rig.window.get(), [&] {
        auto *notice = rig.window->findChild<QWidget *>("spoken_notice");
        seen << "notice: " + notice->accessibleName()
             << "status description: " + rig.box->accessibleDescription();
    });
    QVERIFY(rig.ports_listed());

    if (action == "update_without_tool")
        QVERIFY(QFile::remove(rig.dir.file_path("fwld.exe")));
    // An end record whose checksum is wrong.
    if (action == "refused_file")
        QVERIFY(rig.dir.write_file("fw.hex", ":00000001FE\n"));
    if (action.startsWith("update") || action.endsWith("_file") || action.endsWith("_writing"))
        rig.press_update();
    if (action.endsWith("_writing")) {
        QTRY_VERIFY_WITH_TIMEOUT(rig.top().startsWith("["), update_wait_ms);
        QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 3, tool_wait_ms);
        if (action == "close_while_writing") {
            rig.window->close();
        } else {
            const QPoint at = rig.ports->rect().center();
            QWheelEvent up(at, rig.ports->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(rig.ports, &up);
        }
        auto *question = rig.window->findChild<QMessageBox *>();
        QVERIFY(question && question->isVisible());
        collect(question, seen);
        QTest::keyClick(question, Qt::Key_Escape);
        QVERIFY(rig.dir.touch("go"));
    }
    if (action == "course_messages") {
        QSignalSpy texts(&rig.controller, &bootloader::textreadysig);
        rig.controller.kill_tool = [](QProcess &) {};
        rig.controller.stop_wait_ms = 100;
        rig.press_update();
        QTRY_COMPARE_WITH_TIMEOUT(rig.dir.runs().size(), 2, tool_wait_ms);
        rig.press_update();
        rig.ports->setCurrentIndex(0);
        const int before_overdue = static_cast<int>(texts.count());
        QTRY_VERIFY_WITH_TIMEOUT(texts.count() > before_overdue, tool_wait_ms);
    }
    if (action == "no_firmware")
        rig.press_update();
    if (action == "file_dialog") {
        dialog_seen dialog;
        answer_file_dialog(rig.window.get(), QString(), &dialog);
        rig.firmware->setCurrentIndex(rig.firmware->count() - 1);
        QVERIFY(dialog.opened);
        seen << "dialog: " + dialog.caption;
        for (const QString &filter : dialog.filters)
            seen << "dialog filter: " + filter;
    }
    if (!colour.isEmpty()) {
        QTRY_COMPARE_WITH_TIMEOUT(rig.colour(), status_colour(colour), update_wait_ms);
        QTRY_COMPARE_WITH_TIMEOUT(rig.controller.process.state(), QProcess::NotRunning,
                                  update_wait_ms);
    }
    QVERIFY(rig.drain());

    collect(rig.window.get(), seen);
    for (const QString &line : rig.lines())
        seen << "status box: " + line;
    // The program's own entries follow Qt's, which Qt's translation covers.
    const QStringList menu = status_menu(rig);
    QVERIFY(menu.contains(QString()));
    for (int i = static_cast<int>(menu.size()) - 1; !menu.at(i).isEmpty(); --i)
        seen << "status box menu: " + menu.at(i);

    QStringList bypassed;
    for (const QString &text : seen)
        if (!translated(text.section(": ", 1)))
            bypassed << text;
    QVERIFY2(bypassed.isEmpty(), qPrintable("not translated:\n" + bypassed.join('\n')));
}

// What the interpreter makes of the tool's lines: the message of every row of the
// table (an update shows only the first failure), and the figures, whose blanks and
// digits stay the tool's.
void translations_test::tool_lines_are_translated()
{
    QCOMPARE(language::install({pseudo_language}, pseudo_folder), QString(pseudo_language));
    QString every_message;
    for (const tool_text &t : tool_texts_by_row())
        if (t.row >= 8)
            every_message += t.text + "\r\n";
    int messages = 0;
    for (const tool_event &event : interpret_chunk(every_message)) {
        for (const QString &text : event.texts)
            QVERIFY2(translated(text), qPrintable(text));
        messages += event.texts.size();
    }
    QCOMPARE(messages, 16); // rows 8 to 23

    QCOMPARE(interpret_chunk("Upload Progress  42%" + QString(20, '\b')).value(0).texts,
             QStringList{"[Upload Progress  42%]\r"});
    QCOMPARE(interpret_chunk("Verify Progress   7%" + QString(20, '\b')).value(0).texts,
             QStringList{"[Verify Progress   7%]\r"});
    QCOMPARE(interpret_chunk(".   \b\b\b\b").value(0).texts,
             QStringList{"[Please cycle power to the device.   ]\r"});
}

QTEST_MAIN(translations_test)
#include "tst_translations.moc"
