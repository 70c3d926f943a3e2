#include "bootloader.h"

bootloader::bootloader()
{
    program = QStringLiteral("./fwld.exe");
    comport = QStringLiteral("1");
    baudrate = QStringLiteral("1000000");

    green.setRgb(0, 255, 50, 255);
    red.setRgb(255, 0, 0, 255);
    white.setRgb(255, 255, 255, 255);
}

bootloader::~bootloader()
{
    // The tool may still be running at shutdown. Cut its notifications first, so
    // that nothing from the dying process reaches slots of a half-destroyed
    // controller, then kill it and wait, so that QProcess is not destroyed while
    // its child runs.
    process.disconnect(this);
    disconnect(&process, nullptr, nullptr, nullptr);
    process.close();
}

void bootloader::start_run()
{
    process.start(program, arguments, QIODevice::ReadWrite);
}

void bootloader::list_ports()
{
    arguments.clear();
    arguments << QStringLiteral("-t");
    start_run();
}

void bootloader::start_update()
{
    arguments.clear();
    arguments << QStringLiteral("-s") << comport << QStringLiteral("-M") << baudrate
              << QStringLiteral("-b");
    start_run();
    emit changecolour(white);
}

void bootloader::start_flash()
{
    arguments.clear();
    arguments << QStringLiteral("-s") << comport << QStringLiteral("-M") << baudrate
              << QStringLiteral("-B") << bootloader_version << QStringLiteral("-f") << filepath;
    // The update run is still alive when the device has been found; it has to
    // make way for the flash run on the same process.
    process.close();
    start_run();
}

void bootloader::select_port(QString entry)
{
    QString result;
    if (entry.contains(QLatin1String("COM"), Qt::CaseSensitive))
        result = entry.remove(QLatin1String("COM"), Qt::CaseSensitive);
    comport = result;
}

void bootloader::filepathupdate(QString text)
{
    // The firmware box's entry for a working directory without firmware.
    const char no_files_placeholder[] = "No files found in local directory";

    // "Load File...." opens the file dialog; it is no file.
    if (text.contains(QLatin1String("Load File..."), Qt::CaseSensitive))
        return;
    // Nor is the placeholder. Taken as a path it would let Update ask for a power
    // cycle and then flash a file that does not exist; with no path, Update
    // refuses at once.
    if (text == QLatin1String(no_files_placeholder)) {
        filepath.clear();
        return;
    }
    filepath = text;
}
