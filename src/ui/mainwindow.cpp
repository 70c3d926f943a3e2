#include "mainwindow.h"

#include "bootloader.h"
#include "program_objects.h"
#include "ui_mainwindow.h"

#include <QTimer>

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(program::controller(), program::status_timer(), parent)
{
}

MainWindow::MainWindow(bootloader &controller, QTimer &status_timer, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), controller(controller),
      status_timer(status_timer)
{
    ui->setupUi(this);
}

MainWindow::~MainWindow()
{
    delete ui;
}
