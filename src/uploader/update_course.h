#pragma once

#include "update_phase.h"

#include <array>
#include <cstddef>

// The course of an update, as one pure function from the controller's state and
// one event to the next state and the actions to take. The controller feeds it
// every event (the user's, the tool's, the event loop's) and carries out what
// comes back; nothing else decides which run goes, why one stops, or how an
// update ends and what explains it.
//
// clang-format off
// | event                   | no update under way             | update under way                  | update over (green or red) |
// |-------------------------|---------------------------------|-----------------------------------|----------------------------|
// | Update pressed          | check the firmware file         | "An update is already running!"   | as with no update          |
// | file accepted           | stop what runs; open; wait for  | -                                 | -                          |
// |                         | the device                      |                                   |                            |
// |   ... during a port list| open; wait for the device once  |                                   |                            |
// |       not yet read      | the list is read                |                                   |                            |
// | file refused            | stop an old update's run; set   | -                                 | -                          |
// |                         | apart; red, what is wrong where |                                   |                            |
// | ports wanted            | stop what runs; start port list,| nothing                           | as with no update          |
// |                         | unless a list run is going      |                                   |                            |
// | devices changed         | the same, once a list run going | list once the update and its run  | as with no update          |
// |                         | has ended                       | are over                          |                            |
// | port list line          | to the port box; the update     | -                                 | -                          |
// |                         | that waited for it starts       |                                   |                            |
// | port list overdue       | the waiting update starts       | -                                 | -                          |
// | port changed (the user) | stop an update's run, silently  | stop; red "Update stopped: ..."   | stop, silently             |
// | tool text               | show                            | show                              | nothing                    |
// | tool warning            | show (red)                      | show (red); the update goes on    | nothing                    |
// | tool failure            | show (red)                      | show (red); failed                | nothing                    |
// | tool success            | show (green)                    | show (green); succeeded           | after a failure: green     |
// | device found (waiting)  | -                               | show (white); hand over to flash; | nothing                    |
// |                         |                                 | the writing begins                |                            |
// | run ends, code N        | nothing                         | red "...stopped... (exit code N)" | nothing                    |
// | crash / failed start    | "Error occured: " + kind        | the same, red; failed             | nothing                    |
// | other process error     | "Error occured: " + kind        | the same, red; failed             | nothing                    |
// | event loop (safe point) | the stop and start that waited  | (the same)                        | (the same)                 |
// | the tool has ended      | the start that waited for it    | (the same)                        | (the same)                 |
// | stop overdue            | red "...has not stopped..."     | the same; failed                  | as with no update          |
// | closing                 | stop, silently                  | stop, silently                    | stop, silently             |
// clang-format on
//
// Every consequence is named in the step's actions, in the order it is carried
// out: an update opens (open_update), a run stops and why (stop_tool with its
// cause), an update ends and the message that explains it (tell_outcome). The
// colour of the status box is decided here and nowhere else, with the words it
// goes with: red after a message, green before the success lines, white after the
// detection line and when an update opens.
//
// The device is being written from the detection line (the writing run is due)
// until the update's outcome: cut off then, it is left without working firmware.
// The course says when that begins (writing_begins) and whether it is so now
// (device_being_written()); it ends with the outcome (tell_outcome), or with the
// program.
//
// Events of a run that was stopped or left (none, or handing over) change
// nothing. A stop asked for inside one of the tool's own notifications waits for
// the event loop, and so does every start: Qt does not expect its process to be
// stopped or started from inside its own notifications, and a start that fails
// at once must not be reported before the caller has shown what the run is for.
//
// A stop never waits for the tool: it kills it and the tool's end comes back
// through the event loop (on Windows a tool stuck in a serial driver ends only
// when the driver lets go, and a wait would freeze the window). A start waits for
// the old tool's end; one that has not come within the controller's bound is said
// on red ("stop overdue"), and what was to start is dropped.

// Which run the tool process is performing, as far as the controller still cares.
enum class tool_run {
    none,      // no run, or one stopped or left (the waiting run, once the device is found)
    port_list, // "-t"
    waiting,   // "-b": waiting for the device's bootloader
    flashing,  // "-f": writing and verifying
};

// Why the program stops a run of the tool, for the report support reads.
enum class stop_cause {
    none,
    update_pressed,  // a new update starts
    ports_wanted,    // the ports are listed anew (the user opened the port box)
    devices_changed, // a serial device came or went: the ports are listed anew
    ports_listed,    // the update that waited for the port list starts
    ports_overdue,   // the update waited long enough for the port list and starts
    port_changed,    // the user chose another port
    device_found,    // the writing run takes over from the waiting run
};

struct course_state
{
    tool_run run = tool_run::none;
    update_phase update = update_phase::idle;
    // Update was pressed while the port list was still being read.
    bool update_waits_for_ports = false;
    // The port list run has delivered its list: an update need not wait for it.
    bool ports_read = false;
    // What waits for the event loop: a stop (and why), a start. A run waiting to
    // start is not yet `run`, so that what the old run still says is not taken for
    // the new one's.
    stop_cause stop_due = stop_cause::none;
    tool_run start_due = tool_run::none;
    bool safe_point_asked = false;
    // The process was started and its end has not come back yet: nothing else
    // can start on it.
    bool tool_alive = false;
    // It has been killed and the bound on its end is running.
    bool stop_sent = false;
    // A serial device came or went since the ports were last listed: they are
    // listed once no update holds the tool and no list run is going.
    bool ports_due = false;
    // Update asked for the firmware file to be checked: its verdict decides.
    bool file_asked = false;
};

struct course_event
{
    enum kind_type {
        update_pressed,
        file_accepted,   // the verdict of the firmware file's check, which Update asked for
        file_refused,    // (the file cannot be right)
        ports_wanted,    // list the ports: at start-up, or the user opened the port box
        devices_changed, // a serial device came or went
        ports_overdue,   // Update has waited long enough for a port list
        port_changed,    // the user chose another port
        tool_text,       // a text that tells no outcome (a figure, a phase)
        tool_ports,      // the port list line
        tool_warning,    // a message after which the tool carries on
        tool_failure,    // any other message
        tool_success,
        device_found,
        run_ended, // with `code`
        crashed,
        failed_to_start,
        other_process_error,
        safe_point,   // the event loop has come back
        tool_gone,    // the process has ended (after its run's end, or a failed start)
        stop_overdue, // a killed tool has not ended within the bound
        closing,
    };

    kind_type kind = tool_text;
    // The run's exit code, or the process error's code.
    int code = 0;
    // Raised while one of the tool process's own notifications is being handled.
    bool in_notification = false;
};

// The texts the course itself puts into the status box.
enum class course_message {
    already_running, // "An update is already running!"
    port_changed,    // "Update stopped: the serial port was changed. ..."
    stopped_early,   // "The upload tool stopped before ... (exit code N). ..."
    crashed,         // "Error occured: " and "Crashed!"
    failed_to_start, // "Error occured: " and "Failed to start!"
    process_error,   // "Error occured: " and the error's text
    stop_overdue,    // "The upload tool has not stopped after 10 seconds. ..."
    bad_firmware,    // the tool's own message for a file it cannot use, and what the
                     // check found wrong where
};

// What explains an update's outcome to those who cannot see the box's colour.
enum class explanation {
    none,         // success: the outcome says it all
    tool_words,   // the message the tool's output of this event brought
    course_words, // the course's own message (`message`, `code`)
};

struct course_action
{
    enum kind_type {
        stop_tool,        // kill the process, without waiting, for `cause`; its end reports nothing
        watch_stop,       // start the bound on the killed tool's end (stop_overdue)
        watch_ports,      // start the bound on Update's wait for the port list (ports_overdue)
        stop_at_exit,     // the program ends: kill the process and wait for it, briefly
        start_run,        // start `run` on the process
        ask_safe_point,   // call back with a safe_point event from the event loop
        pass_tool_output, // what the tool said: its texts to the box (`lasting` or not), its
                          // ports to the port box, the device's version and name kept
        show_message,     // show `message` (with `code`) as a lasting line
        set_green,
        set_red,
        set_white,
        check_file,     // read and check the firmware file: its verdict comes back at once
        set_apart,      // a refused update: the box sets earlier runs apart, with no prompt
        open_update,    // an update is accepted: the box sets earlier runs apart and asks
                        // for a power cycle; the update is told as running, and the
                        // system is kept from sleeping until its outcome or the program's end
        writing_begins, // the device is being written from now until the outcome
        tell_outcome,   // the update is over: `phase`, explained as `explained_by` says; the
                        // system may sleep again
    };

    kind_type kind = pass_tool_output;
    tool_run run = tool_run::none;
    stop_cause cause = stop_cause::none;
    course_message message = course_message::already_running;
    int code = 0; // the event's
    // A message the user must be able to read: no later figure overwrites it.
    bool lasting = false;
    update_phase phase = update_phase::idle;
    explanation explained_by = explanation::none;
};

// The actions of one step, in order. No step takes more than `capacity` (the walk
// in tst_update_course holds every step to it); one that would is a fault of the
// course, kept as `overflowed` rather than written past the end.
struct course_actions
{
    static constexpr std::size_t capacity = 8;

    std::array<course_action, capacity> items{};
    std::size_t count = 0;
    bool overflowed = false;

    // The action as stored, or nullptr when there is no room for it.
    course_action *add(const course_action &action)
    {
        if (count == capacity) {
            overflowed = true;
            return nullptr;
        }
        items[count] = action;
        return &items[count++];
    }
    const course_action *begin() const { return items.data(); }
    const course_action *end() const { return items.data() + count; }
};

struct course_step
{
    course_state state;
    course_actions actions;
};

course_step next_step(const course_state &state, const course_event &event);

// Under way, and not yet over: a press of Update starts nothing.
bool update_under_way(const course_state &state);

// The writing run is due or running for an update that has no outcome yet: a close
// or another port now would leave the device half written.
bool device_being_written(const course_state &state);
