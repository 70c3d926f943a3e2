#pragma once

#include <QByteArray>
#include <QFile>

// This process's resident memory in KiB, from Linux's /proc; -1 where there is none.
inline long resident_kib()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
