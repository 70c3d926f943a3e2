#pragma once

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs the types of windows.h, so it must not be sorted before it.
#include <shellapi.h>
#endif

// The program's arguments as UTF-8 on Windows, where the narrow argv would lose
// every character outside the code page; as the raw bytes elsewhere. Windows
// needs shell32 for CommandLineToArgvW.
inline std::vector<std::string> program_arguments(int argc, char **argv)
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
