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
    void members_in_creation_order();
    void geometry_data();
    void geometry();
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

void form_test::members_in_creation_order()
{
    QCOMPARE(window->objectName(), QString("MainWindow"));
    QCOMPARE(window->centralWidget(), ui->centralWidget);
    QCOMPARE(window->menuBar(), ui->menuBar);
    QVERIFY(ui->menuBar->actions().isEmpty());

    // Creation order sets the default focus chain and stacking order.
    QStringList children;
    for (QObject *child : ui->centralWidget->children())
        children << child->objectName();
    QCOMPARE(children, QStringList({"label_3", "groupBox_2", "Update_button", "serial_combobox",
                                    "Firmware_combobox", "label_4"}));
    QCOMPARE(ui->Status_textbox->parentWidget(), ui->groupBox_2);
}

void form_test::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QSize>("minimum");

    QTest::newRow("label_3") << "label_3" << QRect(440, 10, 111, 20) << QSize(0, 0);
    QTest::newRow("groupBox_2") << "groupBox_2" << QRect(10, 100, 541, 161) << QSize(0, 0);
    QTest::newRow("Status_textbox")
        << "Status_textbox" << QRect(10, 20, 521, 131) << QSize(521, 121);
    QTest::newRow("Update_button") << "Update_button" << QRect(10, 60, 541, 31) << QSize(541, 31);
    QTest::newRow("serial_combobox") << "serial_combobox" << QRect(443, 30, 111, 22) << QSize(0, 0);
    QTest::newRow("Firmware_combobox")
        << "Firmware_combobox" << QRect(10, 30, 421, 22) << QSize(0, 0);
    QTest::newRow("label_4") << "label_4" << QRect(10, 10, 271, 16) << QSize(0, 0);
}

void form_test::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QSize, minimum);

    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), rect);
    QCOMPARE(widget->minimumSize(), minimum);
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
