#pragma once

#include <QColor>
#include <QMainWindow>
#include <QString>
#include <QStringList>

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
    // Refills the serial box from port numbers such as "3"; the last becomes current,
    // unless the port chosen before is still listed, which then stays chosen.
    void update_device_box(QStringList list);
    void change_Status_textbox_color(QColor color);
    // Queues text for the status box; nothing is drawn until the next tick.
    void insert_text(QString statusstring);
    // One tick of the status timer: shows at most one queued entry.
    void update_text_now();

private slots:
    // Connected by name when the form is set up. The boxes' slots take the index:
    // Qt 6 has no currentIndexChanged(QString), and the index signal fires in
    // exactly the cases Qt 5's text signal did (currentTextChanged does not).
    void on_Update_button_pressed();
    void on_Firmware_combobox_currentIndexChanged(int index);
    void on_serial_combobox_currentIndexChanged(int index);

private:
    void fit_caption_fonts();
    void set_caption_point_size(int point_size);
    void fill_firmware_box();
    void load_file_through_dialog();

    Ui::MainWindow *ui;
    QStringList text_queue;
    bootloader &controller;
    QTimer &status_timer;
};
