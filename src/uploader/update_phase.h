#pragma once

#include <QMetaType>

// How far the latest update has come: the course of an update keeps it, the
// window says it in words and asks for attention at its end. An update is over
// only when it has succeeded or failed; a red box alone is no end, since some of
// the tool's texts are warnings after which the update goes on.
enum class update_phase {
    idle,      // none yet
    running,   // Update accepted, no outcome yet
    succeeded, // green: the tool reported success
    failed,    // red: it is over; Update starts a new one
};

Q_DECLARE_METATYPE(update_phase)
