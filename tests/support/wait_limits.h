#pragma once

// The longest a test waits for what a child process brings about. A wait ends as soon
// as its condition holds, so a limit costs time only when a test fails; what it must
// not do is end a slow run that would have passed. The slowest place the suites run is
// Wine on a busy two-core machine: there one run of a tool took up to 1.5 s and a whole
// update through the stand-in tool (a second process behind the fake one on Windows)
// up to 6 s. Each limit is several times that, so that a machine twice as slow still
// has a margin of three.
//
// A QTRY_* that fails costs three times its limit: QtTest waits the limit, then twice
// the limit again to tell whether a longer one would have done, and only then prints
// the FAIL line. CTest's timeout of each suite is its passing run plus three times the
// longest limit here (tests/CMakeLists.txt reads these lines, so keep them in the form
// `constexpr int NAME_wait_ms = N;`), so that CTest never kills a suite before a
// failing wait has said why.

// Anything up to one run of a tool: started, its output read and shown, ended; and
// the event loop's own work, such as the status box showing what is queued.
constexpr int tool_wait_ms = 30000;

// Several runs in a row, as in a whole update, or a run that floods the program with
// output.
constexpr int update_wait_ms = 60000;
