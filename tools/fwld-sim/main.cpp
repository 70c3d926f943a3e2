// fwld-sim: a stand-in for the uploader tool, simulating a device behind its command
// line so that the update program can be demonstrated and tested without hardware.
// See README.md for the settings, the device library and every failure it can show.
#include "output.h"
#include "runs.h"
#include "settings.h"
#include "texts.h"

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs the types of windows.h, so it must not be sorted before it.
#include <shellapi.h>
#endif

namespace {

// Arguments as UTF-8 on Windows, where the narrow argv would lose every character
// outside the code page; as the raw bytes elsewhere.
std::vector<std::string> arguments(int argc, char **argv)
{
    std::vector<std::string> result;
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(size > 0 ? size - 1 : 0, '\0');
        if (size > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, &arg[0], size, nullptr, nullptr);
        result.push_back(arg);
    }
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i)
        result.emplace_back(argv[i]);
#endif
    return result;
}

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
    const std::vector<std::string> args = arguments(argc, argv);
    const Settings settings = load_settings();
    if (!settings.transcript_file.empty())
        console::copy_to(settings.transcript_file);

    const bool port_list = args.size() == 1 && args[0] == "-t";
    const bool common = args.size() >= 5 && args[0] == "-s" && args[2] == "-M";
    const bool wait = common && args.size() == 5 && args[4] == "-b";
    const bool flash = common && args.size() == 8 && args[4] == "-B" && args[6] == "-f";
    if (!port_list && !wait && !flash)
        return usage();
    if (settings.fault.kind == Fault::HangAtStart)
        hang();
    if (port_list)
        return port_list_run(settings);
    if (wait)
        return wait_run(settings, args[1], args[3]);
    return flash_run(settings, args[1], args[3], args[5], args[7]);
}
