#pragma once

#include <QStringList>

#include <functional>

// The warnings (and worse) that Qt prints while `action` runs, for checks such as
// "no process destroyed while running".
QStringList warnings_during(const std::function<void()> &action);

// True when no process of this id is left, not even one waiting to be reaped.
bool process_gone(qint64 pid);
