#include "mainwindow.h"

#include "bootloader.h"
#include "file_drop.h"
#include "label_fit.h"
#include "port_box.h"
#include "status_box.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const char firmware_pattern[] = "*.hex";
const char working_directory[] = "./";
const int status_interval_ms = 400;
const int window_width = 565;
const int window_height = 269;

// The Load File entry reads "Load File...."; any entry holding this opens the dialog.
const char load_file_marker[] = "Load File...";
const char dialog_caption[] = QT_TRANSLATE_NOOP("MainWindow", "Open Firmware File...");
const char dialog_filters[] =
    QT_TRANSLATE_NOOP("MainWindow", "All Files (*);;Firmware Files (*.hex)");
const char dialog_selected_filter[] = "Firmware Files (*.hex)";

const char no_flash_file[] = "No flash file specified yet!";
const char cycle_power_prompt[] = "Please cycle power to the device....";
// Keeps the earlier runs' text well below the new run's first lines.
const int update_separator_lines = 14;

// The status box's accessible description: the outcome in words, for those who
// cannot tell the box's colour.
const char *phase_words(update_phase phase)
{
    switch (phase) {
    case update_phase::idle:
        return QT_TRANSLATE_NOOP("MainWindow", "No update yet");
    case update_phase::running:
        return QT_TRANSLATE_NOOP("MainWindow", "Update running");
    case update_phase::succeeded:
        return QT_TRANSLATE_NOOP("MainWindow", "Update complete");
    case update_phase::failed:
        return QT_TRANSLATE_NOOP("MainWindow", "Update failed");
    }
    return "";
}

// The files a drag carries when the window takes it, nothing when it refuses it.
// Taken as a copy, never a move: a file manager would remove a moved file.
QStringList take_file_drag(QDropEvent *event)
{
    const QStringList paths = (event->possibleActions() & Qt::CopyAction)
                                  ? file_drop::file_paths(event->mimeData())
                                  : QStringList();
    if (paths.isEmpty()) {
        event->ignore();
        return paths;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return paths;
}

} // namespace

MainWindow::MainWindow(bootloader &controller, QTimer &status_timer, QWidget *parent)
    : QMainWindow(parent), request_attention([](QWidget &window) { QApplication::alert(&window); }),
      ui(new Ui::MainWindow), controller(controller), status_timer(status_timer), notices(*this)
{
    // The form connects the on_... slots by name at its end, so they come before
    // every connection below.
    ui->setupUi(this);

    connect(&controller.process, SIGNAL(errorOccurred(QProcess::ProcessError)), &controller,
            SLOT(errorslot(QProcess::ProcessError)));
    connect(&controller, SIGNAL(textreadysig(QString)), this, SLOT(insert_text(QString)));
    connect(&controller, SIGNAL(changecolour(QColor)), this,
            SLOT(change_Status_textbox_color(QColor)));
    // Both made before list_ports() below, whose answer travels through them.
    connect(&controller, SIGNAL(devicelist(QStringList)), this,
            SLOT(update_device_box(QStringList)));
    connect(&controller.process, SIGNAL(readyReadStandardOutput()), &controller, SLOT(textready()));
    // Opening the port box lists the ports anew; during an update the controller
    // leaves the list as it is.
    connect(ui->serial_combobox, &port_box::opening, &controller, &bootloader::list_ports);
    connect(&controller, SIGNAL(update_phase_changed(update_phase)), this,
            SLOT(show_update_phase(update_phase)));
    ui->Status_textbox->setAccessibleDescription(tr(phase_words(update_phase::idle)));
    speak_chosen_entry(*ui->serial_combobox, *ui->label_3);
    speak_chosen_entry(*ui->Firmware_combobox, *ui->label_4);
    setAcceptDrops(true);

    setFixedSize(window_width, window_height);
    fit_caption_fonts();
    fill_firmware_box();

    status_timer.setInterval(status_interval_ms);
    connect(&status_timer, SIGNAL(timeout()), this, SLOT(update_text_now()));
    status_timer.start();

    controller.list_ports();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::fit_caption_fonts()
{
    // label_3 carries the longest caption in the narrowest box, so it decides
    // for all the captions; the status box follows groupBox_2's font.
    QLabel *label = ui->label_3;
    if (const auto size = label_fit::width_fitted_point_size(
            label->width(), label->fontMetrics().horizontalAdvance(label->text()),
            label->font().pointSizeF()))
        set_caption_point_size(*size);
    // The width step scales the size in proportion, but a hinted font's text does not
    // narrow in proportion (Tahoma Bold under GDI): measured again, it may still be cut.
    const QFont caption = label->font();
    const auto width_at = [label, &caption](int point_size) {
        QFont font = caption;
        font.setPointSize(point_size);
        return QFontMetrics(font, label).horizontalAdvance(label->text());
    };
    if (const auto size =
            label_fit::narrowed_point_size(label->width(), caption.pointSize(), width_at))
        set_caption_point_size(*size);
    // Measured again: the width step may just have changed the font.
    if (const auto size = label_fit::height_fitted_point_size(
            label->height(), label->fontMetrics().height(), label->font().pointSizeF()))
        set_caption_point_size(*size);
}

void MainWindow::set_caption_point_size(int point_size)
{
    QFont font = ui->label_3->font();
    font.setPointSizeF(point_size);
    ui->label_3->setFont(font);
    ui->label_4->setFont(font);
    ui->groupBox_2->setFont(font);
}

void MainWindow::fill_firmware_box()
{
    const QStringList filters{QString::fromLatin1(firmware_pattern)};
    const QDir dir(QString::fromLatin1(working_directory));
    QComboBox *box = ui->Firmware_combobox;
    box->insertSeparator(1);

    const QStringList names = dir.entryList(filters);
    if (names.isEmpty())
        return;
    box->insertItems(1, names);
    // Selected before the placeholder goes, so the first file reaches the
    // controller through the firmware box's own signal.
    box->setCurrentIndex(1);
    box->removeItem(0);
}

void MainWindow::update_device_box(QStringList list)
{
    for (QString &entry : list)
        entry.prepend(QLatin1String("COM"));
    QComboBox *box = ui->serial_combobox;
    // A port the user had chosen stays chosen while the tool still lists it; the
    // controller then needs to hear nothing, and nothing is stopped.
    const int kept = static_cast<int>(list.indexOf(box->currentText()));
    if (box->currentIndex() >= 0 && kept >= 0) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(list);
        box->setCurrentIndex(kept);
        return;
    }
    box->clear();
    box->addItems(list);
    // On an empty box Qt 6 announces index -1 once more, which Qt 5 does not; the
    // clear() above has already handed the controller the empty port.
    if (!list.isEmpty())
        box->setCurrentIndex(box->count() - 1);
}

void MainWindow::change_Status_textbox_color(QColor color)
{
    status_box::set_background(*ui->Status_textbox, color);
    notices.colour_sent();
}

void MainWindow::insert_text(QString statusstring)
{
    text_queue.append(status_box::entries(statusstring));
    notices.text_sent(statusstring);
}

void MainWindow::update_text_now()
{
    status_box::show_next(text_queue, *ui->Status_textbox);
}

void MainWindow::on_Update_button_pressed()
{
    if (controller.filepath.isEmpty()) {
        // Straight into the box, on a line of its own at the top: it answers the
        // press at once, not a tick later.
        status_box::write_at_top(*ui->Status_textbox,
                                 QString::fromLatin1(no_flash_file) + QLatin1Char('\n'));
        return;
    }

    // An update already under way goes on untouched; the controller says so.
    if (!controller.start_update())
        return;
    // Lines still queued belong to the previous run.
    text_queue.clear();
    status_box::write_at_top(*ui->Status_textbox,
                             QString(update_separator_lines, QLatin1Char('\n')));
    insert_text(QString::fromLatin1(cycle_power_prompt));
}

void MainWindow::on_Firmware_combobox_currentIndexChanged(int index)
{
    // Read at once: the dialog below inserts an entry at this very index, and the
    // controller must get the entry that was chosen, as Qt 5's text signal gave it.
    const QString text = ui->Firmware_combobox->itemText(index);
    // The dialog first, while the controller still holds the file chosen before;
    // the changes the dialog makes to the box come back through this slot and
    // reach the controller before this one does.
    if (text.contains(QLatin1String(load_file_marker), Qt::CaseSensitive))
        load_file_through_dialog();
    controller.filepathupdate(text);
}

void MainWindow::load_file_through_dialog()
{
    // The controller has not seen this change yet, so its path is still the
    // file chosen before; the dialog opens on it.
    const QString start = controller.filepath.isEmpty() ? QString::fromLatin1(working_directory)
                                                        : controller.filepath;
    QString selected_filter = QString::fromLatin1(dialog_selected_filter);
    const QString path = QFileDialog::getOpenFileName(this, tr(dialog_caption), start,
                                                      tr(dialog_filters), &selected_filter);
    if (path.isEmpty())
        return;

    add_firmware_file(path);
}

void MainWindow::add_firmware_file(const QString &path)
{
    QComboBox *box = ui->Firmware_combobox;
    const int load_file = box->count() - 1;
    // Stepping off the Load File entry first means the insertion above it cannot
    // move the current entry, which would open the dialog again; the new path then
    // becomes current by a change of its own, which hands it to the controller.
    if (box->currentIndex() == load_file)
        box->setCurrentIndex(load_file - 1);
    box->insertItem(load_file, path);
    box->setCurrentIndex(load_file);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    take_file_drag(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent *event)
{
    take_file_drag(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    for (const QString &path : take_file_drag(event))
        add_firmware_file(path);
}

void MainWindow::show_update_phase(update_phase phase)
{
    ui->Status_textbox->setAccessibleDescription(tr(phase_words(phase)));
    // The prompt that the Update press is about to queue, said with the start.
    notices.phase_changed(phase, phase == update_phase::running
                                     ? tr(phase_words(phase)) + QLatin1String(". ") +
                                           QString::fromLatin1(cycle_power_prompt)
                                     : tr(phase_words(phase)));
    const bool over = phase == update_phase::succeeded || phase == update_phase::failed;
    if (over && !isActiveWindow() && request_attention)
        request_attention(*this);
}

void MainWindow::on_serial_combobox_currentIndexChanged(int index)
{
    // Read at once, as the entry stands at this change.
    const QString entry = ui->serial_combobox->itemText(index);
    // A run under way talks to the old port; it ends here and is not resumed.
    controller.stop_for_new_port();
    controller.select_port(entry);
}
