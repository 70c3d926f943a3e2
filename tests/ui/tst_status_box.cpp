#include "window_rig.h"

#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// The status box as the window drives it: queueing by insert_text, one entry per
// update_text_now, and the background colour. The status timer is stopped so
// that only the test's own calls show entries.
class StatusBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void queueing_data();
    void queueing();
    void ticks_data();
    void ticks();
    void progress_replaces_first_visual_line_of_wrapped_paragraph();
    void controller_text_is_queued_not_shown();
    void colour_sets_base_of_every_group();

private:
    static QStringList &queue_of(WindowRig &rig) { return rig.window->text_queue; }
};

void StatusBoxTest::queueing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("queued");

    QTest::newRow("empty_queues_nothing") << QString() << QStringList();
    QTest::newRow("line_without_line_feed") << "one" << QStringList{"one\n"};
    QTest::newRow("line_with_line_feed") << "one\n" << QStringList{"one\n"};
    QTest::newRow("two_lines_in_order") << "one\ntwo" << QStringList{"one\n", "two\n"};
    QTest::newRow("empty_line_cuts_the_text") << "one\n\ntwo" << QStringList{"one\n"};
    QTest::newRow("leading_line_feed_queues_nothing") << "\none" << QStringList();
    QTest::newRow("progress_keeps_carriage_return")
        << "Upload Progress 100%\r" << QStringList{"Upload Progress 100%\r\n"};
    QTest::newRow("carriage_return_inside_line") << "a\rb\nc" << QStringList{"a\rb\n", "c\n"};
}

void StatusBoxTest::queueing()
{
    QFETCH(QString, text);
    QFETCH(QStringList, queued);

    WindowRig rig;
    QVERIFY(rig.ready);
    rig.timer.stop();
    const QString shown = rig.status_box()->toPlainText();

    rig.window->insert_text(text);
    QCOMPARE(queue_of(rig), queued);
    QCOMPARE(rig.status_box()->toPlainText(), shown);
}

void StatusBoxTest::ticks_data()
{
    QTest::addColumn<QStringList>("texts");
    // The whole text of the box after each tick, starting from the form's empty box.
    QTest::addColumn<QStringList>("after_ticks");
    QTest::addColumn<int>("left_after_first_tick");

    QTest::newRow("tick_on_empty_queue_does_nothing") << QStringList() << QStringList{""} << 0;
    QTest::newRow("progress_overwrites_empty_box")
        << QStringList{"Upload Progress 100%\r"} << QStringList{"Upload Progress 100%"} << 0;
    QTest::newRow("newest_plain_entry_on_top")
        << QStringList{"A", "B", "C"} << QStringList{"A\n", "B\nA\n", "C\nB\nA\n"} << 2;
    QTest::newRow("three_progress_entries_in_one_tick")
        << QStringList{"P1\r", "P2\r", "P3\r"} << QStringList{"P3"} << 0;
    QTest::newRow("P1_N2_P3_over_three_ticks")
        << QStringList{"P1\r", "N2", "P3\r"} << QStringList{"P1", "N2\nP1", "P3\nP1"} << 2;
    QTest::newRow("plain_entry_ends_a_progress_run")
        << QStringList{"P1\r", "P2\r", "N3"} << QStringList{"P2", "N3\nP2"} << 1;
    QTest::newRow("leading_carriage_return_empties_top_line")
        << QStringList{"N1", "\rhidden"} << QStringList{"N1\n", "\n"} << 1;
}

void StatusBoxTest::ticks()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, after_ticks);
    QFETCH(int, left_after_first_tick);

    WindowRig rig;
    QVERIFY(rig.ready);
    rig.timer.stop();
    for (const QString &text : texts)
        rig.window->insert_text(text);

    for (int tick = 0; tick < after_ticks.size(); ++tick) {
        rig.window->update_text_now();
        if (tick == 0)
            QCOMPARE(queue_of(rig).size(), left_after_first_tick);
        QCOMPARE(rig.status_box()->toPlainText(), after_ticks.at(tick));
    }
    QVERIFY(queue_of(rig).isEmpty());
}

void StatusBoxTest::progress_replaces_first_visual_line_of_wrapped_paragraph()
{
    WindowRig rig;
    QVERIFY(rig.ready);
    rig.timer.stop();
    // Wrapping needs the box laid out at its real width.
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));

    const QString long_line = QString("word ").repeated(80).trimmed();
    rig.window->insert_text(long_line);
    rig.window->update_text_now();
    QTextBlock top = rig.status_box()->document()->firstBlock();
    QVERIFY2(top.layout()->lineCount() > 1, "the test line must wrap");
    const int first_line_length = top.layout()->lineAt(0).textLength();

    rig.window->insert_text("P\r");
    rig.window->update_text_now();
    // The figure takes the place of the first line; the wrapped rest of the
    // paragraph stays after it (Qt keeps the blank at the wrap).
    const QString text = rig.status_box()->document()->firstBlock().text();
    QVERIFY(text.startsWith('P'));
    const QString rest = text.mid(1);
    QVERIFY2(rest.trimmed().size() >= long_line.size() - first_line_length - 1, qPrintable(text));
    QVERIFY(long_line.endsWith(rest));
}

void StatusBoxTest::controller_text_is_queued_not_shown()
{
    WindowRig rig;
    QVERIFY(rig.ready);
    rig.timer.stop();

    emit rig.controller.textreadysig("Error occured: ");
    QCOMPARE(queue_of(rig), QStringList{"Error occured: \n"});
    QCOMPARE(rig.status_box()->toPlainText(), QString());
}

void StatusBoxTest::colour_sets_base_of_every_group()
{
    WindowRig rig;
    QVERIFY(rig.ready);
    const QColor text_before = rig.status_box()->palette().color(QPalette::Text);
    const QColor green(0, 255, 50);

    emit rig.controller.changecolour(green);
    const QPalette palette = rig.status_box()->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(palette.brush(group, QPalette::Base).color(), green);
        QCOMPARE(palette.brush(group, QPalette::Base).style(), Qt::SolidPattern);
    }
    QCOMPARE(palette.color(QPalette::Text), text_before);
}

QTEST_MAIN(StatusBoxTest)
#include "tst_status_box.moc"
