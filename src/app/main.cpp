#include "language.h"
#include "mainwindow.h"
#include "program_objects.h"

#include <QApplication>
#include <QLocale>
#include <QtGlobal>

namespace {

const char high_dpi_scaling_variable[] = "QT_ENABLE_HIGHDPI_SCALING";

} // namespace

int main(int argc, char *argv[])
{
    // The window is laid out in fixed pixels for a 96 dpi screen. Qt 6 scales it
    // with the screen's DPI; Qt 5 keeps its pixel size and draws larger text,
    // which then no longer fits the boxes, unless its own scaling is turned on.
    // The environment variable turns it on in Qt 5 and changes nothing in Qt 6,
    // where it is on anyway and the application attribute is deprecated; a
    // user's own setting is left alone. Qt 5 would round a factor of 1.5 to 2;
    // passed through, the window takes the screen's own scale in both (a user's
    // QT_SCALE_FACTOR_ROUNDING_POLICY still wins). Both must be set before the
    // application object exists.
    if (!qEnvironmentVariableIsSet(high_dpi_scaling_variable))
        qputenv(high_dpi_scaling_variable, "1");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);

    QApplication application(argc, argv);
    // Before the window: its texts are translated as it is built.
    language::install(QLocale::system().uiLanguages());
    MainWindow window(program::controller(), program::status_timer());
    window.show();
    return application.exec();
}
