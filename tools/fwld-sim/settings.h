#pragma once

#include <string>
#include <vector>

// What the simulated world looks like, from "fwld-sim.conf" in the working directory.
// The file is read at every run, so a demo user can change the device or inject a
// fault while the update program stays open.
struct Fault
{
    enum Kind {
        None,
        HangAtStart, // any run: prints nothing and never ends
        Hang,        // flash run: stops half-way through writing, never ends
        CrashWhileWriting,
        Comm,         // flash run: a communication failure, text in `text`
        VerifyFail,   // a flash cell that does not take its value
        WriteError,   // the disk refuses a write to the traffic record
        EepromOutput, // the EEPROM data cannot be appended to its output file
        DebugFile,    // the traffic record cannot be created
        Text,         // flash run: prints `text`, one of the tool's failure texts, and fails
    };
    Kind kind = None;
    std::string text;
};

struct Settings
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
    Fault fault;
    std::string image_file;
    std::string transcript_file;

    bool device_on(unsigned long port) const;
    bool port_listed(unsigned long port) const;
};

extern const char settings_file_name[];

// Reads the settings file if there is one. A line it cannot use is reported on
// standard error (which the update program does not interpret) and the default stays.
Settings load_settings();
