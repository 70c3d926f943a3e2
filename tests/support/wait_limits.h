#pragma once

// The longest a test waits for what a child process brings about. A wait ends as soon
// as its condition holds, so a limit costs time only when a test fails; what it must
// not do is end a slow run that would have passed. The slowest place the suites run is
// Wine on a busy two-core machine, where starting a process takes up to a second and
// the stand-in tool is a second process behind the fake one. Each limit is at least
// three times the longest its waits took there (README.md, Testing), and CTest's
// per-test timeout (tests/CMakeLists.txt) is well above the sum of a suite's run.

// Anything up to one run of a tool: started, its output read and shown, ended; and
// the event loop's own work, such as the status box showing what is queued.
constexpr int tool_wait_ms = 30000;

// A whole update through the stand-in tool (three runs and its pauses), or a run that
// floods the program with output.
constexpr int update_wait_ms = 90000;
