#include "program_objects.h"

#include "bootloader.h"

#include <QTimer>

namespace {
// Defined in this order in one translation unit, so the controller is built
// first and destroyed last.
bootloader the_controller;
QTimer the_status_timer;
} // namespace

namespace program {

bootloader &controller()
{
    return the_controller;
}

QTimer &status_timer()
{
    return the_status_timer;
}

} // namespace program
