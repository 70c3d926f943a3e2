#include "keep_awake.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifdef VELMORA_DBUS
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>

namespace {

const char logind_service[] = "org.freedesktop.login1";
const char logind_path[] = "/org/freedesktop/login1";
const char logind_manager[] = "org.freedesktop.login1.Manager";
const char portal_service[] = "org.freedesktop.portal.Desktop";
const char portal_path[] = "/org/freedesktop/portal/desktop";
const char portal_inhibit[] = "org.freedesktop.portal.Inhibit";
const char portal_request[] = "org.freedesktop.portal.Request";
// The portal's flags for suspending and for the session going idle.
const uint portal_suspend = 4;
const uint portal_idle = 8;

} // namespace
#endif

keep_awake::keep_awake() = default;

keep_awake::~keep_awake()
{
    release();
}

void keep_awake::hold(const QString &who, const QString &why)
{
    if (m_held)
        return;
    m_held = true;
#ifdef Q_OS_WIN
    Q_UNUSED(who);
    Q_UNUSED(why);
    // The system, not the display.
    SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
#elif defined(VELMORA_DBUS)
    m_who = who;
    m_why = why;
    // An answer still to come is kept now.
    if (!m_asking)
        ask_logind();
#else
    Q_UNUSED(who);
    Q_UNUSED(why);
#endif
}

void keep_awake::release()
{
    if (!m_held)
        return;
    m_held = false;
#ifdef Q_OS_WIN
    SetThreadExecutionState(ES_CONTINUOUS);
#elif defined(VELMORA_DBUS)
    m_logind_lock.clear();
    close_portal_request();
#endif
}

#ifdef VELMORA_DBUS
void keep_awake::ask_logind()
{
    QDBusMessage inhibit =
        QDBusMessage::createMethodCall(QLatin1String(logind_service), QLatin1String(logind_path),
                                       QLatin1String(logind_manager), QStringLiteral("Inhibit"));
    inhibit << QStringLiteral("sleep:idle") << m_who << m_why << QStringLiteral("block");
    on_answer(QDBusConnection::systemBus().asyncCall(inhibit), &keep_awake::logind_answered);
}

void keep_awake::ask_portal()
{
    QDBusMessage inhibit =
        QDBusMessage::createMethodCall(QLatin1String(portal_service), QLatin1String(portal_path),
                                       QLatin1String(portal_inhibit), QStringLiteral("Inhibit"));
    // No parent window: ours has no identifier the portal would know.
    inhibit << QString() << (portal_suspend | portal_idle)
            << QVariantMap{{QStringLiteral("reason"), m_why}};
    on_answer(QDBusConnection::sessionBus().asyncCall(inhibit), &keep_awake::portal_answered);
}

void keep_awake::on_answer(const QDBusPendingCall &call,
                           void (keep_awake::*answered)(QDBusPendingCall))
{
    m_asking = true;
    // A call that could not be sent (no bus) carries its error already, and a watcher
    // would never say so.
    if (call.isFinished()) {
        (this->*answered)(call);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, answered](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                (this->*answered)(*finished);
            });
}

void keep_awake::logind_answered(QDBusPendingCall call)
{
    m_asking = false;
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = call;
    if (reply.isError()) {
        // No logind (a container, a sandbox, another init system): the desktop may
        // still have a portal.
        if (m_held)
            ask_portal();
        return;
    }
    // Let go of meanwhile: the descriptor closes with the reply.
    if (m_held)
        m_logind_lock = QVariant::fromValue(reply.value());
}

void keep_awake::portal_answered(QDBusPendingCall call)
{
    m_asking = false;
    const QDBusPendingReply<QDBusObjectPath> reply = call;
    if (reply.isError())
        return;
    m_portal_request = reply.value().path();
    if (!m_held)
        close_portal_request();
}

void keep_awake::close_portal_request()
{
    if (m_portal_request.isEmpty())
        return;
    // After the application object, at the program's very end, the bus connection
    // goes with the process, and the portal lets go of what it held for it.
    if (QCoreApplication::instance() != nullptr)
        QDBusConnection::sessionBus().send(
            QDBusMessage::createMethodCall(QLatin1String(portal_service), m_portal_request,
                                           QLatin1String(portal_request), QStringLiteral("Close")));
    m_portal_request.clear();
}
#endif
