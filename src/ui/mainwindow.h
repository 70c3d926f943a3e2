#pragma once

#include "screen_reader.h"
#include "update_phase.h"

#include <QColor>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QCloseEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QPoint;
class QTimer;
class bootloader;

namespace Ui {
class MainWindow;
}

// The program's only window. It shows what the controller reports and forwards
// the user's choices to it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Wired to the given controller and status timer: main() hands over the
    // program-wide ones, tests their own.
    MainWindow(bootloader &controller, QTimer &status_timer, QWidget *parent = nullptr);
    ~MainWindow() override;

public slots:
    // Refills the serial box from port numbers such as "3" and shows the
    // controller's choice among them, telling the controller nothing: the choice
    // is the controller's.
    void update_device_box(QStringList list);
    void change_Status_textbox_color(QColor color);
    // Queues text for the status box; nothing is drawn until the next tick.
    void insert_text(QString statusstring);
    // One tick of the status timer: shows at most one queued entry.
    void update_text_now();

public:
    // How the window asks the desktop for the user's attention when an update ends
    // while another window is active: QApplication::alert, which flashes the
    // taskbar button. A test puts its own in to see the request.
    std::function<void(QWidget &window)> request_attention;

protected:
    // Files dragged from the file manager join the firmware box, as if chosen
    // through Load File; the last one becomes the firmware to write.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // While the device is written, a close asks first (and goes on only when the
    // user chooses to stop); at any other time the window closes at once.
    void closeEvent(QCloseEvent *event) override;

private slots:
    // Connected by name when the form is set up. The boxes' slots take the index:
    // Qt 6 has no currentIndexChanged(QString), and the index signal fires in
    // exactly the cases Qt 5's text signal did (currentTextChanged does not).
    void on_Update_button_pressed();
    void on_Firmware_combobox_currentIndexChanged(int index);
    void on_serial_combobox_currentIndexChanged(int index);
    // After the slots above, whose order is their index. Says in words how far the
    // update has come, tells a screen reader with the explanation, and asks for
    // attention at its end.
    void show_update_phase(update_phase phase, QString explanation);
    // An update opens: the queue is dropped and fourteen empty lines go straight
    // into the box, so that the new run's text stands apart from the old.
    void set_apart_for_update();
    // The status box's context menu: Qt's own entries, then Copy Details, which
    // puts the report for the maker's support on the clipboard.
    void open_status_menu(const QPoint &pos);
    void copy_details();

private:
    // What a question stops when the user chooses to.
    enum class interruption { closing, port_change };
    // Asks whether to stop the update while the device is written. The question
    // keeps the update by default (Return, Escape); it goes, as if so answered,
    // when the update ends meanwhile.
    void ask_before_stopping(interruption what);
    void stop_after_question(interruption what, bool stop);
    // Windows: its session end names the program's reason while the device is written.
    void hold_session_end(bool hold);
    void fit_caption_fonts();
    void set_caption_point_size(int point_size);
    void fill_firmware_box();
    void load_file_through_dialog();
    void add_firmware_file(const QString &path);

    Ui::MainWindow *ui;
    QStringList text_queue;
    // What the status box has shown since the update started, for Copy Details.
    QStringList shown_lines;
    int shown_left_out = 0;
    update_phase phase = update_phase::idle;
    bootloader &controller;
    QTimer &status_timer;
    spoken_notice *notice;
    QPointer<QMessageBox> question;
    // The user chose to stop the update and close.
    bool close_confirmed = false;
    // The port the user chose while the device was written, until the question is answered.
    QString port_wanted;
    bool session_end_held = false;
};
