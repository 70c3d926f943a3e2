#pragma once

#include <QMetaType>

// How far the latest update has come, as the controller reports it: the window
// says so in words and asks for attention at the end. An update is over only
// when the controller says it succeeded or failed; a red box alone is no end,
// since some of the tool's texts are warnings after which the update goes on.
enum class update_phase { idle, running, succeeded, failed };

Q_DECLARE_METATYPE(update_phase)
