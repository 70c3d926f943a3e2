// A scripted stand-in for the uploader tool, for tests that need a real child
// process. It appends its command line to "runs.log" in the working directory
// and then follows "fake-tool.script" from the same directory, one command a line:
//
//   print TEXT   write TEXT (with \n \r \b \t \\ \0 and \xHH escapes) and flush it
//   sleep MS     wait MS milliseconds
//   wait FILE    wait until FILE exists in the working directory
//   hang         wait forever
//   crash        abort the process
//   exit CODE    exit with CODE
//   repeat N[/K] TEXT  write TEXT (escapes as for print) N times, K copies to a
//                      write (one if not given)
//   erepeat N[/K] TEXT the same on standard error
//   random N SEED  write N pseudo-random bytes (zero bytes included), seeded
//   exec PROGRAM   become PROGRAM with the same arguments (after recording them);
//                  on Windows, run it as a child with them, pass its output through
//                  and exit with its exit code
//
// The runs are counted, and a script line may be prefixed with "N:" so that it
// applies to the N-th run only (counting from 1). Lines without a prefix apply
// to every run.
#include "program_arguments.h"
#include "text_util.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::string escape_argument(const std::string &arg)
{
    std::string out;
    for (unsigned char c : arg) {
        if (c == '%' || c < 0x20) {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string unescape(const std::string &text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char e = text[++i];
        switch (e) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 'b':
            out += '\b';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        case 'x':
            if (i + 2 < text.size() && hex_digit(text[i + 1]) >= 0 && hex_digit(text[i + 2]) >= 0) {
                out += static_cast<char>(hex_digit(text[i + 1]) * 16 + hex_digit(text[i + 2]));
                i += 2;
            }
            break;
        default:
            out += e;
            break;
        }
    }
    return out;
}

// The log is written and read in binary mode: in text mode Windows would end its
// lines in \r\n, and the test side reads them as plain \n-separated lines.
int count_runs()
{
    std::ifstream log("runs.log", std::ios::binary);
    int runs = 0;
    std::string line;
    while (std::getline(log, line))
        if (line == "--")
            ++runs;
    return runs;
}

#ifdef _WIN32
// Windows has no exec: a new process would leave this one to end at once, with the
// parent reading an exit code of its own. So PROGRAM runs as a child on the same
// standard handles and its exit code becomes ours. Its command line is ours with
// the program name replaced, so each argument reaches it exactly as quoted for us.
int run_as_child(const std::string &program)
{
    const wchar_t *rest = GetCommandLineW();
    if (*rest == L'"') {
        rest = std::wcschr(rest + 1, L'"');
        rest = rest ? rest + 1 : L"";
    } else {
        while (*rest && *rest != L' ' && *rest != L'\t')
            ++rest;
    }
    std::wstring command_line = L"\"";
    for (const char c : program) // a relative path of ASCII letters, as scripts give it
        command_line += static_cast<wchar_t>(c == '/' ? '\\' : c);
    command_line += L"\"";
    command_line += rest;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    // The child must die with us, as the program we would have become would: a test
    // that kills this process means the tool, and a child left behind would keep
    // running in the scratch folder. Windows kills what is left in a job whose last
    // handle closes, and a process's handles close when it is killed.
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job ||
        !SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits))
        return 127;
    PROCESS_INFORMATION child{};
    // Without an application name CreateProcess adds ".exe" to a name that has none,
    // as the shell would. The child starts suspended, so that it is in the job before
    // it can do anything.
    if (!CreateProcessW(nullptr, &command_line[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                        nullptr, nullptr, &startup, &child))
        return 127;
    if (!AssignProcessToJobObject(job, child.hProcess)) {
        TerminateProcess(child.hProcess, 127);
        return 127;
    }
    ResumeThread(child.hThread);
    WaitForSingleObject(child.hProcess, INFINITE);
    DWORD code = 127;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return static_cast<int>(code);
}
#endif

[[noreturn]] void crash()
{
#ifdef _WIN32
    // abort() ends a Windows process with exit code 3, which a parent cannot tell from
    // an ordinary failure. A real crash is an unhandled exception: it goes through the
    // system's crash handling (error reporting, Wine's debugger) as a tool's would.
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
#endif
    std::abort();
}

} // namespace

int main(int argc, char **argv)
{
#ifdef _WIN32
    // Text mode would turn every \n of a script's output into \r\n.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const int run = count_runs() + 1;
    {
        std::ofstream log("runs.log", std::ios::app | std::ios::binary);
        for (const std::string &arg : program_arguments(argc, argv))
            log << escape_argument(arg) << '\n';
        log << "--\n";
    }

    std::ifstream script("fake-tool.script");
    std::string line;
    while (std::getline(script, line)) {
        const std::size_t colon = line.find(':');
        const std::size_t space = line.find(' ');
        if (colon != std::string::npos && (space == std::string::npos || colon < space)) {
            if (std::atoi(line.substr(0, colon).c_str()) != run)
                continue;
            line = line.substr(colon + 1);
        }
        const std::size_t sep = line.find(' ');
        const std::string command = line.substr(0, sep);
        const std::string rest = sep == std::string::npos ? std::string() : line.substr(sep + 1);
        if (command == "print") {
            const std::string text = unescape(rest);
            std::fwrite(text.data(), 1, text.size(), stdout);
            std::fflush(stdout);
        } else if (command == "sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(rest.c_str())));
        } else if (command == "wait") {
            while (!std::ifstream(rest))
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else if (command == "hang") {
            for (;;)
                std::this_thread::sleep_for(std::chrono::seconds(1));
        } else if (command == "crash") {
            crash();
        } else if (command == "repeat" || command == "erepeat") {
            std::FILE *out = command == "repeat" ? stdout : stderr;
            const std::size_t blank = rest.find(' ');
            const std::string counts = rest.substr(0, blank);
            const std::size_t slash = counts.find('/');
            long count = std::atol(counts.substr(0, slash).c_str());
            const long per_write = slash == std::string::npos
                                       ? 1
                                       : std::max(1L, std::atol(counts.c_str() + slash + 1));
            const std::string text =
                blank == std::string::npos ? std::string() : unescape(rest.substr(blank + 1));
            std::string block;
            for (long i = 0; i < per_write; ++i)
                block += text;
            while (count > 0) {
                const long copies = std::min(count, per_write);
                std::fwrite(block.data(), text.size(), static_cast<std::size_t>(copies), out);
                std::fflush(out);
                count -= copies;
            }
        } else if (command == "random") {
            const std::size_t blank = rest.find(' ');
            long count = std::atol(rest.substr(0, blank).c_str());
            std::uint64_t state = blank == std::string::npos
                                      ? 1U
                                      : std::strtoul(rest.substr(blank + 1).c_str(), nullptr, 10);
            std::vector<char> block(4096);
            while (count > 0) {
                const std::size_t n = std::min<long>(count, static_cast<long>(block.size()));
                for (std::size_t i = 0; i < n; ++i) {
                    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
                    block[i] = static_cast<char>(state >> 56);
                }
                std::fwrite(block.data(), 1, n, stdout);
                std::fflush(stdout);
                count -= static_cast<long>(n);
            }
        } else if (command == "exec") {
#ifdef _WIN32
            std::fflush(stdout);
            return run_as_child(rest);
#else
            argv[0] = const_cast<char *>(rest.c_str());
            execv(rest.c_str(), argv);
            return 127;
#endif
        } else if (command == "exit") {
            return std::atoi(rest.c_str());
        }
    }
    return 0;
}
