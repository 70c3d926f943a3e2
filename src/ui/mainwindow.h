#pragma once

#include <QMainWindow>
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
    // Wired to the program-wide controller and status timer.
    explicit MainWindow(QWidget *parent = nullptr);
    // Wired to the given controller and timer; tests use their own.
    MainWindow(bootloader &controller, QTimer &status_timer, QWidget *parent = nullptr);
    ~MainWindow() override;

private:
    Ui::MainWindow *ui;
    QStringList text_queue;
    bootloader &controller;
    QTimer &status_timer;

    friend class MainWindowTest;
};
