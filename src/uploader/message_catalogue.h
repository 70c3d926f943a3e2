#pragma once

#include <QString>

#include <array>
#include <cstddef>

// Everything the program knows of the uploader tool's output: the texts it looks
// for and what the user is told for each. One constant table, in the order in
// which every chunk of output is tested.

// Named in the messages that send the user to the maker for newer software or firmware.
constexpr char maker_web_address[] = "https://www.velmora.example/downloads";

// What a row does when it fires. Only message and warning rows carry a message of their own;
// the others are handled by the interpreter.
enum class row_effect {
    port_list,
    success,
    upload_starts,
    verify_starts,
    progress,
    waiting,
    device_found,
    message, // a failure: the update is over
    warning, // shown as a message, but the tool carries on and so does the update
};

// The communication row has the most texts.
constexpr std::size_t max_texts_per_row = 19;

struct catalogue_row
{
    int number;
    row_effect effect;
    // Tried in this order; the unused tail is nullptr.
    std::array<const char *, max_texts_per_row> texts;
    // Message and warning rows only, nullptr elsewhere: the English source, marked for
    // translation; message_text() gives it as the user reads it.
    const char *message;
};

constexpr std::size_t catalogue_row_count = 23;

extern const std::array<catalogue_row, catalogue_row_count> tool_catalogue;

// The message for a firmware file the tool cannot use ("hex file read failure!"), as
// the table gives it; the program says it too for a file its own check refuses.
extern const char bad_firmware_message[];

// A row's message as the user reads it: translated into the window's language, the
// maker's web address in place of its %1. Without its closing blank line.
QString message_text(const char *message);

// The text for a QProcess::ProcessError code, translated; codes outside 0 to 5 give
// "Unknown!".
QString process_error_text(int code);

// The line after "Failed to start!", translated: where the program looked for its
// tool and what to do, or, when the tool is there, the system's reason it would not
// start.
QString start_failure_hint(const QString &tool_name, const QString &folder, bool tool_exists,
                           const QString &reason);
