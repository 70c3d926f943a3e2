#include "mainwindow.h"

#include "bootloader.h"
#include "file_drop.h"
#include "label_fit.h"
#include "language.h"
#include "port_box.h"
#include "status_box.h"
#include "ui_mainwindow.h"
#include "update_report.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSessionManager>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const char firmware_pattern[] = "*.hex";
// label_3's caption as the form writes it (in English): the captions' size is fitted to it.
const char port_caption[] = "Select Serial Port:";
const char working_directory[] = "./";
const int status_interval_ms = 400;

// The Load File entry reads "Load File...."; any entry holding this opens the dialog.
const char load_file_marker[] = "Load File...";
// The firmware box's entries that are no file, in the form's words: the controller
// knows them by these, whatever language the box shows them in.
const char *const form_entries[] = {
    QT_TRANSLATE_NOOP("MainWindow", "No files found in local directory"),
    QT_TRANSLATE_NOOP("MainWindow", "Load File...."),
};
const char dialog_caption[] = QT_TRANSLATE_NOOP("MainWindow", "Open Firmware File...");
const char all_files_filter[] = QT_TRANSLATE_NOOP("MainWindow", "All Files (*)");
const char firmware_filter[] = QT_TRANSLATE_NOOP("MainWindow", "Firmware Files (*.hex)");
const char filter_separator[] = ";;";

const char no_flash_file[] = QT_TRANSLATE_NOOP("MainWindow", "No flash file specified yet!");
// Keeps the earlier runs' text well below the new run's first lines.
const int update_separator_lines = 14;
const char copy_details_entry[] = QT_TRANSLATE_NOOP("MainWindow", "Copy &Details");
// The status box's lines the report keeps, the newest: a long wait for the
// device shows a new figure every tick.
const int reported_lines = 500;

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

// A firmware box entry as the controller reads it: a translated entry of the form in
// the form's own words, a file as it is.
QString in_form_words(const QString &entry)
{
    for (const char *words : form_entries)
        if (entry == MainWindow::tr(words))
            return QLatin1String(words);
    return entry;
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
      ui(new Ui::MainWindow), controller(controller), status_timer(status_timer),
      notice(new spoken_notice(this))
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
    connect(&controller, SIGNAL(update_phase_changed(update_phase, QString)), this,
            SLOT(show_update_phase(update_phase, QString)));
    connect(&controller, &bootloader::update_opens, this, &MainWindow::set_apart_for_update);
    connect(&controller, &bootloader::writing_begins, this, [this] { hold_session_end(true); });
#if QT_CONFIG(sessionmanager)
    // Windows ending the session (a log off, a restart for its updates) is refused
    // while the device is written; at any other time it goes on.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &session) {
        if (this->controller.device_being_written())
            session.cancel();
    });
#endif
    ui->Status_textbox->setAccessibleDescription(tr(phase_words(update_phase::idle)));
    speak_chosen_entry(*ui->serial_combobox, *ui->label_3);
    speak_chosen_entry(*ui->Firmware_combobox, *ui->label_4);
    ui->Status_textbox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->Status_textbox, &QWidget::customContextMenuRequested, this,
            &MainWindow::open_status_menu);
    // The menu key opens it on every platform; Shift+F10, the other key for it on
    // Windows, does not on X11. Opened at the text cursor, as for the menu key.
    auto *menu_key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), ui->Status_textbox);
    menu_key->setContext(Qt::WidgetShortcut);
    connect(menu_key, &QShortcut::activated, this,
            [this] { open_status_menu(ui->Status_textbox->cursorRect().center()); });
    setAcceptDrops(true);

    // The form's size, fixed: the boxes are placed for it and for no other.
    setFixedSize(size());
    fit_caption_fonts();
    fill_firmware_box();

    status_timer.setInterval(status_interval_ms);
    connect(&status_timer, SIGNAL(timeout()), this, SLOT(update_text_now()));
    status_timer.start();

    controller.list_ports();
    controller.watch_devices();
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::fit_caption_fonts()
{
    // label_3 carries the longest caption in the narrowest box, so it decides
    // for all the captions; the status box follows groupBox_2's font. It is
    // measured in the form's own words, so that the captions have the same size
    // in every language; a translation that is wider still is narrowed below.
    QLabel *label = ui->label_3;
    const QString words = QLatin1String(port_caption);
    if (const auto size = label_fit::width_fitted_point_size(
            label->width(), label->fontMetrics().horizontalAdvance(words),
            label->font().pointSizeF()))
        set_caption_point_size(*size);
    // The width step scales the size in proportion, but a hinted font's text does not
    // narrow in proportion (Tahoma Bold under GDI): measured again, it may still be cut.
    const auto narrow_to_fit = [this](const QLabel &caption, const QString &text) {
        const QFont font = caption.font();
        const auto width_at = [&](int point_size) {
            QFont sized = font;
            sized.setPointSize(point_size);
            return QFontMetrics(sized, &caption).horizontalAdvance(text);
        };
        if (const auto size =
                label_fit::narrowed_point_size(caption.width(), font.pointSize(), width_at))
            set_caption_point_size(*size);
    };
    narrow_to_fit(*label, words);
    // Measured again: the width step may just have changed the font.
    if (const auto size = label_fit::height_fitted_point_size(
            label->height(), label->fontMetrics().height(), label->font().pointSizeF()))
        set_caption_point_size(*size);
    // The captions as translated, each in its own box.
    narrow_to_fit(*label, label->text());
    narrow_to_fit(*ui->label_4, ui->label_4->text());
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
    const int chosen = static_cast<int>(list.indexOf(QLatin1String("COM") + controller.comport));
    ui->serial_combobox->set_entries(list, chosen);
    name_with_entry(*ui->label_3, *ui->serial_combobox);
}

void MainWindow::change_Status_textbox_color(QColor color)
{
    status_box::set_background(*ui->Status_textbox, color);
}

void MainWindow::insert_text(QString statusstring)
{
    text_queue.append(status_box::entries(statusstring));
}

void MainWindow::update_text_now()
{
    if (text_queue.isEmpty())
        return;
    status_box::show_next(text_queue, *ui->Status_textbox);
    // The entry shown is the box's top line now.
    shown_lines.append(ui->Status_textbox->document()->firstBlock().text());
    if (shown_lines.size() > reported_lines) {
        shown_lines.removeFirst();
        ++shown_left_out;
    }
}

void MainWindow::on_Update_button_pressed()
{
    if (controller.filepath.isEmpty()) {
        // Straight into the box, on a line of its own at the top: it answers the
        // press at once, not a tick later.
        status_box::write_at_top(*ui->Status_textbox, tr(no_flash_file) + QLatin1Char('\n'));
        return;
    }

    // An update already under way goes on untouched; the controller says so. An
    // accepted one opens from the controller (set_apart_for_update, the prompt).
    controller.start_update();
}

void MainWindow::set_apart_for_update()
{
    // Lines still queued belong to the previous run.
    text_queue.clear();
    shown_lines.clear();
    shown_left_out = 0;
    status_box::write_at_top(*ui->Status_textbox,
                             QString(update_separator_lines, QLatin1Char('\n')));
}

void MainWindow::on_Firmware_combobox_currentIndexChanged(int index)
{
    // Read at once: the dialog below inserts an entry at this very index, and the
    // controller must get the entry that was chosen, as Qt 5's text signal gave it.
    const QString text = in_form_words(ui->Firmware_combobox->itemText(index));
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
    QString selected_filter = tr(firmware_filter);
    const QString filters =
        tr(all_files_filter) + QLatin1String(filter_separator) + tr(firmware_filter);
    const QString path =
        QFileDialog::getOpenFileName(this, tr(dialog_caption), start, filters, &selected_filter);
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

void MainWindow::show_update_phase(update_phase phase, QString explanation)
{
    this->phase = phase;
    const QString words = tr(phase_words(phase));
    ui->Status_textbox->setAccessibleDescription(words);
    // The start is told with what the user is to do, a failure with what went wrong.
    //: What a screen reader says: how the update stands (%1), then what the user is to
    //: do or what went wrong (%2).
    notice->say(explanation.isEmpty() ? words : tr("%1. %2").arg(words, explanation));
    const bool over = phase == update_phase::succeeded || phase == update_phase::failed;
    if (!over)
        return;
    hold_session_end(false);
    // Nothing left to stop: the question goes, and the window stays as it is.
    if (question)
        question->reject();
    if (!isActiveWindow() && request_attention)
        request_attention(*this);
}

void MainWindow::on_serial_combobox_currentIndexChanged(int index)
{
    // Only the user changes the box's entry: the controller's lists come in quietly.
    // Read at once, as the entry stands at this change.
    const QString entry = ui->serial_combobox->itemText(index);
    if (controller.device_being_written()) {
        port_wanted = entry;
        ask_before_stopping(interruption::port_change);
        return;
    }
    controller.choose_port(entry);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (close_confirmed || !controller.device_being_written()) {
        QMainWindow::closeEvent(event);
        return;
    }
    event->ignore();
#if QT_CONFIG(sessionmanager)
    // Qt 5 closes the windows when Windows ends the session, which has been refused
    // already; Windows' own screen tells the user why.
    if (qApp->isSavingSession())
        return;
#endif
    ask_before_stopping(interruption::closing);
}

void MainWindow::ask_before_stopping(interruption what)
{
    if (question) {
        question->activateWindow();
        return;
    }
    const bool closing = what == interruption::closing;
    // Opened without a loop of its own (exec()): the tool's output and the status
    // timer go on meanwhile, and the outcome can come.
    question = new QMessageBox(
        QMessageBox::Warning, windowTitle(),
        closing ? tr("The firmware is still being written to the device. Closing now stops the "
                     "update and can leave the device without working firmware until it is "
                     "updated again.")
                : tr("The firmware is still being written to the device. Choosing another port "
                     "now stops the update and can leave the device without working firmware "
                     "until it is updated again."),
        QMessageBox::NoButton, this);
    QPushButton *keep = question->addButton(tr("Keep Updating"), QMessageBox::RejectRole);
    QPushButton *stop = question->addButton(
        closing ? tr("Stop and Close") : tr("Stop and Change Port"), QMessageBox::DestructiveRole);
    question->setDefaultButton(keep);
    question->setEscapeButton(keep);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QMessageBox *asked = question;
    connect(asked, &QDialog::finished, this, [this, asked, stop, what] {
        // Answered: the outcome that a stop brings finds no question to take away.
        question.clear();
        stop_after_question(what, asked->clickedButton() == stop);
    });
    question->open();
}

void MainWindow::stop_after_question(interruption what, bool stop)
{
    if (what == interruption::closing) {
        close_confirmed = stop;
        if (stop)
            close();
        return;
    }
    if (stop)
        controller.choose_port(port_wanted);
    else
        update_device_box(controller.COMdevices); // back on the port being written, quietly
}

void MainWindow::hold_session_end(bool hold)
{
    if (hold == session_end_held)
        return;
    session_end_held = hold;
#ifdef Q_OS_WIN
    const HWND window = reinterpret_cast<HWND>(winId());
    if (hold)
        ShutdownBlockReasonCreate(
            window, reinterpret_cast<LPCWSTR>(
                        tr("Writing firmware to the device: do not turn off").utf16()));
    else
        ShutdownBlockReasonDestroy(window);
#endif
}

void MainWindow::open_status_menu(const QPoint &pos)
{
    // Where the system also turns Shift+F10 into a menu request, the second
    // request finds the first menu open.
    if (QApplication::activePopupWidget() != nullptr)
        return;
    QTextEdit *box = ui->Status_textbox;
    // A scroll area reports the position in its viewport; Qt's own entries take
    // it in the document, to find a link under it.
    const QPoint scrolled(box->horizontalScrollBar()->value(), box->verticalScrollBar()->value());
    QMenu *menu = box->createStandardContextMenu(pos + scrolled);
    menu->addSeparator();
    QAction *details = menu->addAction(tr(copy_details_entry));
    connect(details, &QAction::triggered, this, &MainWindow::copy_details);
    // Opened without a loop of its own (exec()), so that what the tool and the
    // status timer do while the menu is open does not run nested in this slot.
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(box->viewport()->mapToGlobal(pos));
}

void MainWindow::copy_details()
{
    report_facts facts = controller.details();
    facts.shown_lines = shown_lines;
    facts.shown_left_out = shown_left_out;
    facts.language = language::description();
    const QColor colour = ui->Status_textbox->palette().color(QPalette::Base);
    const QString name = colour == controller.green   ? QStringLiteral("green")
                         : colour == controller.red   ? QStringLiteral("red")
                         : colour == controller.white ? QStringLiteral("white")
                                                      : colour.name();
    facts.colour =
        name + QLatin1String(" (") + QLatin1String(phase_words(phase)) + QLatin1Char(')');
    QGuiApplication::clipboard()->setText(write_report(facts));
}
