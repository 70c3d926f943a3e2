#pragma once

#include <QStringList>

#include <functional>

// The warnings (and worse) that Qt prints while `action` runs, for checks such as
// "no process destroyed while running".
QStringList warnings_during(const std::function<void()> &action);

// True when no process of this id is left, not even one waiting to be reaped.
bool process_gone(qint64 pid);

// Blocks the calling thread, event loop and all, until the process has ended (true),
// at most `limit_ms`; the process is left for QProcess to reap and report. A test
// that then returns to the event loop finds the tool's last output and its end
// waiting together, as a tool that answers and exits at once can bring them.
bool wait_for_exit_unnoticed(qint64 pid, int limit_ms);
