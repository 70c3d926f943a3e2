#include "mainwindow.h"
#include "program_objects.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MainWindow window(program::controller(), program::status_timer());
    window.show();
    return application.exec();
}
