#include "status_box.h"
#include "window_rig.h"

#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// The status box as the window drives it: queueing by insert_text, one entry per
// update_text_now, the bounded history and the background colour. The status
// timer is stopped so that only the test's own calls show entries.
class status_box_test : public QObject
{
    Q_OBJECT
private slots:
    void entries_data();
    void entries();
    void ticks_data();
    void ticks();
    void progress_replaces_first_visual_line_of_wrapped_paragraph();
    void tick_brings_view_back_to_newest_line();
    void controller_text_is_queued_not_shown();
    void history_keeps_newest_thousand_lines_data();
    void history_keeps_newest_thousand_lines();
    void colour_sets_base_of_every_group();
};

void status_box_test::entries_data()
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

void status_box_test::entries()
{
    QFETCH(QString, text);
    QFETCH(QStringList, queued);

    QCOMPARE(status_box::entries(text), queued);
}

void status_box_test::ticks_data()
{
    QTest::addColumn<QStringList>("texts");
    // The whole text of the box after each tick, starting from the form's empty
    // box; one tick more finds the queue empty and changes nothing.
    QTest::addColumn<QStringList>("after_ticks");

    QTest::newRow("tick_on_empty_queue_does_nothing") << QStringList() << QStringList{""};
    QTest::newRow("progress_overwrites_empty_box")
        << QStringList{"Upload Progress 100%\r"} << QStringList{"Upload Progress 100%"};
    QTest::newRow("newest_plain_entry_on_top")
        << QStringList{"A", "B", "C"} << QStringList{"A\n", "B\nA\n", "C\nB\nA\n"};
    QTest::newRow("three_progress_entries_in_one_tick")
        << QStringList{"P1\r", "P2\r", "P3\r"} << QStringList{"P3"};
    QTest::newRow("P1_N2_P3_over_three_ticks")
        << QStringList{"P1\r", "N2", "P3\r"} << QStringList{"P1", "N2\nP1", "P3\nP1"};
    QTest::newRow("plain_entry_ends_a_progress_run")
        << QStringList{"P1\r", "P2\r", "N3"} << QStringList{"P2", "N3\nP2"};
    QTest::newRow("leading_carriage_return_empties_top_line")
        << QStringList{"N1", "\rhidden"} << QStringList{"N1\n", "\n"};
    QTest::newRow("carriage_return_inside_line_is_progress")
        << QStringList{"a\rb\nc"} << QStringList{"a", "c\na"};
}

void status_box_test::ticks()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, after_ticks);

    window_rig rig;
    QVERIFY(rig.build());
    rig.timer.stop();
    for (const QString &text : texts)
        rig.window->insert_text(text);
    QCOMPARE(rig.box->toPlainText(), QString());

    for (const QString &expected : after_ticks) {
        rig.window->update_text_now();
        QCOMPARE(rig.box->toPlainText(), expected);
    }
    rig.window->update_text_now();
    QCOMPARE(rig.box->toPlainText(), after_ticks.last());
}

void status_box_test::progress_replaces_first_visual_line_of_wrapped_paragraph()
{
    window_rig rig;
    QVERIFY(rig.build());
    rig.timer.stop();
    // Wrapping needs the box laid out at its real width.
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));

    const QString long_line = QString("word ").repeated(80).trimmed();
    rig.window->insert_text(long_line);
    rig.window->update_text_now();
    QTextBlock top = rig.box->document()->firstBlock();
    QVERIFY2(top.layout()->lineCount() > 1, "the test line must wrap");
    const int first_line_length = top.layout()->lineAt(0).textLength();

    rig.window->insert_text("P\r");
    rig.window->update_text_now();
    // The figure takes the place of the first line; the wrapped rest of the
    // paragraph stays after it (Qt keeps the blank at the wrap).
    const QString text = rig.box->document()->firstBlock().text();
    QVERIFY(text.startsWith('P'));
    const QString rest = text.mid(1);
    QVERIFY2(rest.trimmed().size() >= long_line.size() - first_line_length - 1, qPrintable(text));
    QVERIFY(long_line.endsWith(rest));
}

void status_box_test::tick_brings_view_back_to_newest_line()
{
    window_rig rig;
    QVERIFY(rig.build());
    rig.timer.stop();
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    for (int i = 1; i <= 30; ++i) {
        rig.window->insert_text(QString("line %1").arg(i));
        rig.window->update_text_now();
    }
    // The user has scrolled down to older lines.
    QScrollBar *scroll = rig.box->verticalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    scroll->setValue(scroll->maximum());

    rig.window->insert_text("line 31");
    rig.window->update_text_now();
    QTextEdit *box = rig.box;
    const QRect newest = box->cursorRect(QTextCursor(box->document()));
    QVERIFY2(box->viewport()->rect().contains(newest), qPrintable(QString::number(newest.top())));
}

void status_box_test::controller_text_is_queued_not_shown()
{
    window_rig rig;
    QVERIFY(rig.build());
    rig.timer.stop();

    emit rig.controller.textreadysig("Error occured: ");
    QCOMPARE(rig.box->toPlainText(), QString());
    rig.window->update_text_now();
    QCOMPARE(rig.box->toPlainText(), QString("Error occured: \n"));
}

void status_box_test::history_keeps_newest_thousand_lines_data()
{
    QTest::addColumn<int>("lines");       // plain lines "line 1", "line 2", ... shown in turn
    QTest::addColumn<QString>("figure");  // a progress figure shown after them, if any
    QTest::addColumn<int>("line_feeds");  // then written straight into the box, then trimmed
    QTest::addColumn<QStringList>("top"); // the first two lines of the box
    QTest::addColumn<QString>("bottom");

    // 1,000 plain lines make 1,001 paragraphs, the last one empty: that one goes.
    QTest::newRow("keeps_all_of_1000_lines")
        << 1000 << QString() << 0 << QStringList{"line 1000", "line 999"} << "line 1";
    QTest::newRow("drops_oldest_of_1001_lines")
        << 1001 << QString() << 0 << QStringList{"line 1001", "line 1000"} << "line 2";
    QTest::newRow("progress_after_trimming_rewrites_top_line")
        << 1001 << "Upload Progress  42%\r" << 0 << QStringList{"Upload Progress  42%", "line 1000"}
        << "line 2";
    // What the window does when Update is pressed: 14 empty paragraphs push out
    // the 14 oldest lines.
    QTest::newRow("direct_line_feeds_trimmed_too")
        << 1001 << QString() << 14 << QStringList{"", ""} << "line 16";
}

void status_box_test::history_keeps_newest_thousand_lines()
{
    QFETCH(int, lines);
    QFETCH(QString, figure);
    QFETCH(int, line_feeds);
    QFETCH(QStringList, top);
    QFETCH(QString, bottom);

    window_rig rig;
    QVERIFY(rig.build());
    rig.timer.stop();
    for (int i = 1; i <= lines; ++i) {
        rig.window->insert_text(QString("line %1").arg(i));
        rig.window->update_text_now();
    }
    if (!figure.isEmpty()) {
        rig.window->insert_text(figure);
        rig.window->update_text_now();
    }
    QTextEdit *box = rig.box;
    if (line_feeds > 0) {
        box->moveCursor(QTextCursor::Start);
        box->insertPlainText(QString(line_feeds, '\n'));
        status_box::trim_history(*box);
    }

    const QStringList shown = box->toPlainText().split('\n');
    QCOMPARE(shown.size(), 1000);
    QCOMPARE(shown.mid(0, 2), top);
    QCOMPARE(shown.last(), bottom);
    QVERIFY(!box->document()->isUndoAvailable());
}

void status_box_test::colour_sets_base_of_every_group()
{
    window_rig rig;
    QVERIFY(rig.build());
    const QColor text_before = rig.box->palette().color(QPalette::Text);
    const QColor green(0, 255, 50);

    emit rig.controller.changecolour(green);
    const QPalette palette = rig.box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(palette.brush(group, QPalette::Base).color(), green);
        QCOMPARE(palette.brush(group, QPalette::Base).style(), Qt::SolidPattern);
    }
    QCOMPARE(palette.color(QPalette::Text), text_before);
}

QTEST_MAIN(status_box_test)
#include "tst_status_box.moc"
