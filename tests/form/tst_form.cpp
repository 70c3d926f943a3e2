#include "ui_mainwindow.h"

#include <QtTest>

// A bare window with the slots the form binds by name, counting their calls,
// so that the form can be checked on its own.
class counting_window : public QMainWindow
{
    Q_OBJECT
public:
    int calls = 0;
private slots:
    void on_Update_button_pressed() { ++calls; }
    void on_Firmware_combobox_currentIndexChanged(int) { ++calls; }
    void on_serial_combobox_currentIndexChanged(int) { ++calls; }
};

class form_test : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void members_and_tab_order();
    void layout();
    void fonts();
    void texts();
    void firmware_box_starts_with_placeholder_and_no_slot_runs();
    void status_box_is_selectable_but_not_editable();
    void serial_box_takes_focus_by_tab_only();
    void bound_slots_react_to_their_signals();

private:
    counting_window *window = nullptr;
    Ui::MainWindow *ui = nullptr;
};

void form_test::init()
{
    window = new counting_window;
    ui = new Ui::MainWindow;
    ui->setupUi(window);
}

void form_test::cleanup()
{
    delete ui;
    delete window;
}

void form_test::members_and_tab_order()
{
    QCOMPARE(window->objectName(), QString("MainWindow"));
    QCOMPARE(window->centralWidget(), ui->centralWidget);
    QCOMPARE(window->menuBar(), ui->menuBar);
    QVERIFY(ui->menuBar->actions().isEmpty());
    QCOMPARE(ui->Status_textbox->parentWidget(), ui->groupBox_2);

    // Tab goes from the status box to Update (as a keyboard user presses it), then to
    // the port box and the firmware box, and round again.
    QList<QWidget *> tab_order;
    QWidget *widget = ui->Status_textbox;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            tab_order << widget;
        widget = widget->nextInFocusChain();
    } while (widget != ui->Status_textbox && tab_order.size() < 10);
    QCOMPARE(tab_order, (QList<QWidget *>{ui->Status_textbox, ui->Update_button,
                                          ui->serial_combobox, ui->Firmware_combobox}));
}

// Where the window shows what, as the user reads it: each caption above its box, the
// firmware box with the port box to its right, Update across the window under them,
// and the status group under that, with the status box inside it; nothing overlapping
// and all of it inside the window's fixed 565 by 269 pixels.
void form_test::layout()
{
    const QList<QWidget *> shown{ui->label_4,         ui->label_3,       ui->Firmware_combobox,
                                 ui->serial_combobox, ui->Update_button, ui->groupBox_2};
    for (QWidget *a : shown) {
        QVERIFY2(QRect(0, 0, 565, 269).contains(a->geometry()), qPrintable(a->objectName()));
        for (QWidget *b : shown)
            QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " overlaps " + b->objectName()));
    }
    const auto above = [](const QWidget *upper, const QWidget *lower) {
        return upper->geometry().bottom() < lower->y() && upper->x() <= lower->geometry().right() &&
               lower->x() <= upper->geometry().right();
    };
    QVERIFY(above(ui->label_4, ui->Firmware_combobox));
    QVERIFY(above(ui->label_3, ui->serial_combobox));
    QCOMPARE(ui->serial_combobox->y(), ui->Firmware_combobox->y());
    QVERIFY(ui->Firmware_combobox->geometry().right() < ui->serial_combobox->x());
    QVERIFY(above(ui->Firmware_combobox, ui->Update_button));
    QVERIFY(above(ui->serial_combobox, ui->Update_button));
    QVERIFY(above(ui->Update_button, ui->groupBox_2));
    QCOMPARE(ui->groupBox_2->x(), ui->Update_button->x());
    QCOMPARE(ui->groupBox_2->width(), ui->Update_button->width());
    QVERIFY(QRect(QPoint(), ui->groupBox_2->size()).contains(ui->Status_textbox->geometry()));
    // The caption's fixed box, which the window fits "Select Serial Port:" into.
    QCOMPARE(ui->label_3->size(), QSize(111, 20));
}

void form_test::fonts()
{
    for (QWidget *w :
         {static_cast<QWidget *>(ui->label_3), static_cast<QWidget *>(ui->label_4),
          static_cast<QWidget *>(ui->groupBox_2), static_cast<QWidget *>(ui->Status_textbox)}) {
        QCOMPARE(w->font().pointSize(), 11);
        QVERIFY(w->font().bold());
        // 75 in Qt 5, 700 in Qt 6.
        QCOMPARE(int(w->font().weight()), int(QFont::Bold));
    }
    QCOMPARE(ui->Update_button->font().pointSize(), 10);
    QVERIFY(ui->Update_button->font().bold());
    QCOMPARE(ui->label_3->alignment(), Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
    QCOMPARE(window->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(ui->Status_textbox->sizePolicy().horizontalStretch(), 1);
}

void form_test::texts()
{
    QCOMPARE(window->windowTitle(), QString("Velmora Firmware Update Tool V1.1"));
    QCOMPARE(ui->label_3->text(), QString("Select Serial Port:"));
    QCOMPARE(ui->label_4->text(), QString("Select Firmware:"));
    QCOMPARE(ui->groupBox_2->title(), QString("Status"));
    QCOMPARE(ui->Update_button->text(), QString("Update Firmware"));

    // The status box starts as one empty 8 pt paragraph of normal weight, the
    // format that later plain-text insertions take.
    QTextDocument *doc = ui->Status_textbox->document();
    QCOMPARE(doc->blockCount(), 1);
    QCOMPARE(ui->Status_textbox->toPlainText(), QString());
    QTextCursor cursor(doc);
    QCOMPARE(cursor.charFormat().fontPointSize(), 8.0);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
}

void form_test::firmware_box_starts_with_placeholder_and_no_slot_runs()
{
    QCOMPARE(ui->Firmware_combobox->count(), 2);
    QCOMPARE(ui->Firmware_combobox->itemText(0), QString("No files found in local directory"));
    QCOMPARE(ui->Firmware_combobox->itemText(1), QString("Load File...."));
    QCOMPARE(ui->Firmware_combobox->currentIndex(), 0);
    QCOMPARE(ui->serial_combobox->count(), 0);
    QCOMPARE(window->calls, 0);
}

void form_test::status_box_is_selectable_but_not_editable()
{
    QTextEdit *box = ui->Status_textbox;
    QCOMPARE(int(box->textInteractionFlags()), 15);
    box->setFocus();
    QTest::keyClicks(box, "typed");
    QCOMPARE(box->toPlainText(), QString());

    box->insertPlainText("shown line");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->textCursor().selectedText(), QString("shown line"));
}

void form_test::serial_box_takes_focus_by_tab_only()
{
    QCOMPARE(ui->serial_combobox->focusPolicy(), Qt::TabFocus);
}

void form_test::bound_slots_react_to_their_signals()
{
    emit ui->Update_button->pressed();
    ui->Firmware_combobox->setCurrentIndex(1);
    ui->serial_combobox->addItem("COM3");
    QCOMPARE(window->calls, 3);
}

QTEST_MAIN(form_test)
#include "tst_form.moc"
