#include "bootloader.h"

// Reading and interpreting the tool's output, and reporting process errors.

void bootloader::textready()
{
    // Drain both channels so that the pipes never fill up; the output is not
    // interpreted yet.
    output = QString::fromLatin1(process.readAllStandardOutput());
    error_output = QString::fromLatin1(process.readAllStandardError());
}

void bootloader::errorslot(QProcess::ProcessError errors)
{
    Q_UNUSED(errors) // not reported to the user yet
}
