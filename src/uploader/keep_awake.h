#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class QDBusPendingCall;

// Keeps the system from going to sleep while it is held; the display may still
// sleep. Asking is all it does: where the system offers no way, or refuses, the
// program goes on as before and says nothing.
//
// Windows: SetThreadExecutionState for the calling thread. Linux: a sleep and idle
// inhibitor of logind (system bus), else of the desktop portal (session bus), for
// sandboxes and systems without logind; the answer comes back through the event
// loop, so that a slow bus never holds the window.
class keep_awake : public QObject
{
public:
    keep_awake();
    ~keep_awake() override;

    // `who`: the program, `why`: what it is doing, in words, as the system lists
    // them to the user. Held already, it changes nothing.
    void hold(const QString &who, const QString &why);
    // Lets go; not held, it changes nothing.
    void release();

private:
    // Linux only: the D-Bus calls and what they hold.
    void ask_logind();
    void ask_portal();
    // Hands the answer of `call` to `answered` once it comes, at once when the call
    // could not even be sent.
    void on_answer(const QDBusPendingCall &call, void (keep_awake::*answered)(QDBusPendingCall));
    void logind_answered(QDBusPendingCall call);
    void portal_answered(QDBusPendingCall call);
    void close_portal_request();

    QString m_who;
    QString m_why;
    // An answer is still to come: what it brings is kept or let go as m_held then says.
    bool m_asking = false;
    // logind's inhibitor lasts as long as its file descriptor is open: a
    // QDBusUnixFileDescriptor, held as a QVariant so that no D-Bus header is needed here.
    QVariant m_logind_lock;
    // The portal's lasts until this request is closed.
    QString m_portal_request;
    bool m_held = false;
};
