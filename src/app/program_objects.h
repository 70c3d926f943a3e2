#pragma once

class bootloader;
class QTimer;

// The two objects that live for the whole process, outside Qt's object tree:
// the controller, then the status timer. Both exist before main() runs and are
// destroyed after it returns, in the reverse order.
namespace program {
bootloader &controller();
QTimer &status_timer();
} // namespace program
