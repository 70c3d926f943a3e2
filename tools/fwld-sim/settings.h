#pragma once

#include <string>
#include <vector>

// The fault the `fault` key injects.
enum class fault_kind {
    none,
    hang_at_start, // any run: prints nothing and never ends
    hang,          // flash run: stops half-way through writing, never ends
    crash_while_writing,
    comm,          // flash run: a communication failure, text in `text`
    verify_fail,   // a flash cell that does not take its value
    write_error,   // the disk refuses a write to the traffic record
    eeprom_output, // the EEPROM data cannot be appended to its output file
    debug_file,    // the traffic record cannot be created
    text,          // flash run: prints `text`, one of the tool's failure texts, and fails
};

struct injected_fault
{
    fault_kind kind = fault_kind::none;
    std::string text;
};

// What the simulated world looks like, from "fwld-sim.conf" in the working directory.
// The file is read at every run, so a demo user can change the device or inject a
// fault while the update program stays open.
struct sim_settings
{
    std::vector<unsigned long> ports{3, 4};
    bool device_port_set = false;
    unsigned long device_port = 0; // the last listed port unless set
    long device_appears_after_ms = 3000;
    long wait_limit_ms = 30000;
    std::string device_name = "VM100 Sensor Unit";
    std::string bootloader_version = "2A";
    long progress_delay_ms = 30;
    long phase_delay_ms = 200;
    long dot_interval_ms = 250;
    injected_fault fault;
    std::string image_file;
    std::string transcript_file;

    bool device_on(unsigned long port) const;
    bool port_listed(unsigned long port) const;
};

extern const char settings_file_name[];

// Reads the settings file if there is one. A line it cannot use is reported on
// standard error (which the update program does not interpret) and the default stays.
sim_settings load_settings();
