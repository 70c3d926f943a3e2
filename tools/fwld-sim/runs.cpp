#include "runs.h"

#include "output.h"
#include "text_util.h"
#include "texts.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#endif

void hang()
{
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(1));
}

void crash()
{
#ifdef _WIN32
    // abort() ends a Windows process with exit code 3, which a parent cannot tell from
    // an ordinary failure. A real crash is an unhandled exception: it goes through the
    // system's crash handling (error reporting, Wine's debugger) as a tool's would.
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
#else
    // A demo directory should not fill up with core files.
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
#endif
    std::abort();
}

int port_list_run(const sim_settings &settings)
{
    std::string text = texts::port_list;
    for (std::size_t i = 0; i < settings.ports.size(); ++i)
        text += (i ? ":" : "") + std::to_string(settings.ports[i]);
    console::line(text);
    return 0;
}

bool open_port(const sim_settings &settings, const std::string &port_text, const std::string &speed,
               unsigned long &port, traffic_record &record)
{
    if (port_text.empty()) {
        console::line(texts::no_port);
        return false;
    }
    std::uint64_t number = 0;
    std::uint64_t baud = 0;
    const bool port_ok = parse_number(port_text, number) && number <= 255 &&
                         settings.port_listed(static_cast<unsigned long>(number));
    // A speed the port driver cannot be set to fails the open like a missing port does.
    const bool speed_ok = parse_number(speed, baud) && baud >= 300 && baud <= 4000000;
    if (!port_ok || !speed_ok) {
        record.log("open COM" + port_text + " at " + speed + " baud: refused");
        console::line(texts::cannot_open_port);
        return false;
    }
    port = static_cast<unsigned long>(number);
    record.log("open COM" + port_text + " at " + speed + " baud");
    return true;
}

int wait_run(const sim_settings &settings, const std::string &port_text, const std::string &speed)
{
    traffic_record record;
    // A new update starts a new record; the flash run that follows adds to it.
    if (settings.fault.kind == fault_kind::debug_file || !record.open(true))
        console::line(texts::debug_file_failed);
    record.log("wait for bootloader: -s " + port_text + " -M " + speed + " -b");
    unsigned long port = 0;
    if (!open_port(settings, port_text, speed, port, record))
        return 1;

    const bool device_here = settings.device_on(port);
    const long appears = settings.device_appears_after_ms;
    const long limit = settings.wait_limit_ms;
    // Zero would print dots as fast as the pipe takes them.
    const long interval = settings.dot_interval_ms < 10 ? 10 : settings.dot_interval_ms;
    static const char *const dots[] = {"....", ".   ", "..  ", "... "};
    const auto start = std::chrono::steady_clock::now();
    for (long round = 0;; ++round) {
        const long now = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now() - start)
                                               .count());
        if (device_here && now >= appears && appears <= limit) {
            record.log("< VERSION " + settings.bootloader_version + " " + settings.device_name);
            // Keeps the detection line out of the read that carries the last dots.
            if (round > 0)
                sleep_ms(settings.phase_delay_ms);
            console::line(format("%s%lu:%s:%s", texts::device_found, port,
                                 settings.bootloader_version.c_str(),
                                 settings.device_name.c_str()));
            return 0;
        }
        if (now >= limit) {
            record.log("no answer within " + std::to_string(limit) + " ms");
            console::line(texts::find_timeout);
            return 1;
        }
        console::figure(dots[round % 4]);
        record.log("> VERSION?");
        long next = (round + 1) * interval;
        if (device_here && appears > now && appears < next)
            next = appears;
        if (limit < next)
            next = limit;
        sleep_ms(next - now);
    }
}
