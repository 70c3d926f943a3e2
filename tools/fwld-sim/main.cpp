// fwld-sim: a stand-in for the uploader tool, simulating a device behind its command
// line so that the update program can be demonstrated and tested without hardware.
// See README.md for the settings, the device library and every failure it can show.
#include "output.h"
#include "program_arguments.h"
#include "runs.h"
#include "settings.h"
#include "texts.h"

#include <string>
#include <vector>

namespace {

int usage()
{
    console::line(texts::usage);
    console::line("  fwld -t                                   list the serial ports");
    console::line("  fwld -s PORT -M SPEED -b                  wait for the bootloader on PORT");
    console::line("  fwld -s PORT -M SPEED -B VERSION -f FILE  write and verify FILE");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    console::setup();
    const std::vector<std::string> args = program_arguments(argc, argv);
    const sim_settings settings = load_settings();
    if (!settings.transcript_file.empty())
        console::copy_to(settings.transcript_file);

    const bool port_list = args.size() == 1 && args[0] == "-t";
    const bool common = args.size() >= 5 && args[0] == "-s" && args[2] == "-M";
    const bool wait = common && args.size() == 5 && args[4] == "-b";
    const bool flash = common && args.size() == 8 && args[4] == "-B" && args[6] == "-f";
    if (!port_list && !wait && !flash)
        return usage();
    if (settings.fault.kind == fault_kind::hang_at_start)
        hang();
    if (port_list)
        return port_list_run(settings);
    if (wait)
        return wait_run(settings, args[1], args[3]);
    return flash_run(settings, args[1], args[3], args[5], args[7]);
}
