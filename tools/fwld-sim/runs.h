#pragma once

#include "settings.h"

class traffic_record;

#include <string>

// The three runs the update program makes. Each returns the process exit code:
// 0 when the run did its job, 1 when it failed.
int port_list_run(const sim_settings &settings);
int wait_run(const sim_settings &settings, const std::string &port, const std::string &speed);
int flash_run(const sim_settings &settings, const std::string &port, const std::string &speed,
              const std::string &version, const std::string &file);

[[noreturn]] void hang();
// Ends the process the way a crash does, so that the parent sees a crash and not an exit.
[[noreturn]] void crash();

// Checks the port and speed as opening the serial port would, printing the tool's text
// when they cannot be used.
bool open_port(const sim_settings &settings, const std::string &port_text, const std::string &speed,
               unsigned long &port, traffic_record &record);
