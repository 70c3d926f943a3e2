#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QFileSystemWatcher;

// Notices serial devices coming and going (a cable plugged in or pulled out) and
// says so once a burst of such events has settled: a hub or a driver install
// brings several at once, and they should bring one port list.
//
// On Linux it watches the device folder for serial device nodes (ttyUSB0, ttyACM0,
// ...) through the file system's notifications; on Windows it reads the system's
// WM_DEVICECHANGE broadcast, which reaches every top-level window unasked and
// passes Qt's native event filters on the way.
class port_watch : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // How long the devices must stay quiet before changed() is sent.
    static constexpr int settle_ms = 500;

    port_watch();

    // Starts watching, once the application object exists; `folder` is the device
    // folder (Linux). Started again, it watches the new folder instead.
    void start(const QString &folder);

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override;
#else
    bool nativeEventFilter(const QByteArray &type, void *message, long *result) override;
#endif

signals:
    void changed();

private:
    void settled();
    QStringList serial_nodes() const;

    QTimer m_settle;
    QFileSystemWatcher *m_watcher = nullptr;
    QString m_folder;
    // The folder that could not be watched, once said.
    QString m_unwatched;
    QStringList m_nodes;
    bool m_filtering = false;
};
