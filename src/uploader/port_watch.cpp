#include "port_watch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileSystemWatcher>

#ifdef Q_OS_WIN
#include <windows.h>

#include <dbt.h>
#endif

namespace {

// The names the kernel and udev give serial devices: USB adapters (ttyUSB, ttyACM),
// on-board and PCI ports (ttyS), SoC ports (ttyAMA), Bluetooth (rfcomm). The rest
// of the folder (disks, sound, terminals' pts) comes and goes without bearing on
// the ports.
const char *const serial_node_patterns[] = {"tty*", "rfcomm*"};

} // namespace

port_watch::port_watch()
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settle_ms);
    connect(&m_settle, &QTimer::timeout, this, &port_watch::settled);
}

void port_watch::start(const QString &folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    if (!m_filtering && QCoreApplication::instance()) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_filtering = true;
    }
#else
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        // udev touches the device nodes often; the folder is read once things settle.
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
                QOverload<>::of(&QTimer::start));
    }
    if (!m_folder.isEmpty())
        m_watcher->removePath(m_folder);
    const bool told = folder == m_unwatched;
    m_folder = folder;
    m_nodes = serial_nodes();
    if (m_watcher->addPath(m_folder))
        return;
    // The port box still lists the ports whenever it is opened.
    if (!told)
        qWarning("Serial devices are not watched: %s cannot be watched. Open the port box to "
                 "list the ports.",
                 qUtf8Printable(QDir::toNativeSeparators(m_folder)));
    m_unwatched = m_folder;
#endif
}

QStringList port_watch::serial_nodes() const
{
    QStringList patterns;
    for (const char *pattern : serial_node_patterns)
        patterns << QString::fromLatin1(pattern);
    // Device nodes are neither files nor folders to QDir: they are "system" entries.
    return QDir(m_folder).entryList(patterns, QDir::System | QDir::Files | QDir::NoDotAndDotDot,
                                    QDir::Name);
}

void port_watch::settled()
{
#ifndef Q_OS_WIN
    // Windows names serial devices in its message; here the folder says whether
    // one came or went, or only something else.
    const QStringList nodes = serial_nodes();
    if (nodes == m_nodes)
        return;
    m_nodes = nodes;
#endif
    emit changed();
}

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
bool port_watch::nativeEventFilter(const QByteArray &type, void *message, qintptr *result)
#else
bool port_watch::nativeEventFilter(const QByteArray &type, void *message, long *result)
#endif
{
    Q_UNUSED(result);
#ifdef Q_OS_WIN
    if (type != "windows_generic_MSG")
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_DEVICECHANGE)
        return false;
    bool serial = msg->wParam == DBT_DEVNODES_CHANGED;
    if ((msg->wParam == DBT_DEVICEARRIVAL || msg->wParam == DBT_DEVICEREMOVECOMPLETE) &&
        msg->lParam != 0)
        serial = reinterpret_cast<const DEV_BROADCAST_HDR *>(msg->lParam)->dbch_devicetype ==
                 DBT_DEVTYP_PORT;
    if (serial)
        m_settle.start();
#else
    Q_UNUSED(type);
    Q_UNUSED(message);
#endif
    // Others may want the message too.
    return false;
}
