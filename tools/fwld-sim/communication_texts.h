#pragma once

// The tool's texts for a failure to talk to the device, each of which the update
// program reports as a communication error; numbered from 1 as the stand-in's comm:N
// fault takes them. Typed once from the tool's description for the stand-in and the
// tests alike, apart from the update program's own table, so that a character changed
// there shows.
inline const char *const communication_texts[] = {"read at word address %d fail!",
                                                  "send reset failed!",
                                                  "Timeout!",
                                                  "no stx char!",
                                                  "no second stx char!",
                                                  "no ending char!",
                                                  "checksum error: ",
                                                  "Write command send failed",
                                                  "EEProm write command receive failed!",
                                                  "Flash write command receive failed!",
                                                  "Erase command receive failed!",
                                                  "Erase command send failed",
                                                  "EEPROM Read command send failed",
                                                  "EEPROM Read command receive failed!",
                                                  "Flash Read command receive failed!",
                                                  "Flash Read command send failed",
                                                  "Version command send failed",
                                                  "Flash Read fail!",
                                                  "Written flash ends at word address "};

constexpr int communication_text_count = sizeof communication_texts / sizeof communication_texts[0];
