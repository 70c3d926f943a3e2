#pragma once

#include <array>

// The course of an update, as one pure function from the controller's state and
// one event to the next state and the actions to take. The controller feeds it
// every event (the user's, the tool's, the event loop's) and applies what comes
// back; nothing else decides which run goes or how an update ends.
//
// clang-format off
// | event                   | no update under way             | update under way                  | update over (green or red) |
// |-------------------------|---------------------------------|-----------------------------------|----------------------------|
// | Update pressed          | stop what runs; start waiting   | "An update is already running!"   | as with no update          |
// |   ... during a port list| start waiting once it is handled| (the same)                        |                            |
// | ports wanted            | stop what runs; start port list | nothing                           | as with no update          |
// | devices changed         | as ports wanted, unless a list  | list once the update and its run  | as with no update          |
// |                         | is being read already           | are over                          |                            |
// | port list handled       | the waiting run, if Update came | -                                 | -                          |
// | port list overdue       | the same, on the port as it is  | -                                 | -                          |
// | port changed            | stop what runs, silently        | stop; red "Update stopped: ..."   | stop, silently             |
// | tool text               | show                            | show                              | nothing                    |
// | port list line          | port-list run: to the window    | the same; update run: nothing     | the same                   |
// | tool warning            | show (red)                      | show (red); the update goes on    | nothing                    |
// | tool failure            | show (red)                      | show (red); failed                | nothing                    |
// | tool success            | show (green)                    | show (green); complete            | after a failure: green     |
// | device found (waiting)  | -                               | show (white); hand over to flash  | nothing                    |
// | run ends, code N        | nothing                         | red "...stopped... (exit code N)" | nothing                    |
// | crash / failed start    | "Error occured: " + kind        | the same, red; failed             | nothing                    |
// | other process error     | "Error occured: " + kind        | the same, red; failed             | nothing                    |
// | event loop (safe point) | the stop and start that waited  | (the same)                        | (the same)                 |
// | the tool has ended      | the start that waited for it    | (the same)                        | (the same)                 |
// | stop overdue            | red "...has not stopped..."     | the same; failed                  | as with no update          |
// | closing                 | stop, silently                  | stop, silently                    | stop, silently             |
// clang-format on
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

// The update as the user sees it.
enum class update_stage {
    idle,      // none yet
    under_way, // Update accepted, no outcome yet
    complete,  // green: the tool reported success
    failed,    // red: it is over; Update starts a new one
};

struct course_state
{
    tool_run run = tool_run::none;
    update_stage update = update_stage::idle;
    // Update was pressed while the port list was still being read.
    bool update_waits_for_ports = false;
    // What waits for the event loop. A run waiting to start is not yet `run`, so
    // that what the old run still says is not taken for the new one's.
    bool stop_due = false;
    tool_run start_due = tool_run::none;
    bool safe_point_asked = false;
    // The process was started and its end has not come back yet: nothing else
    // can start on it.
    bool tool_alive = false;
    // It has been killed and the bound on its end is running.
    bool stop_sent = false;
    // A serial device came or went during an update: the ports are listed once the
    // update and its run are over (until a port list starts).
    bool ports_after_update = false;
};

struct course_event
{
    enum kind_type {
        update_pressed,
        ports_wanted,    // list the ports: at start-up, or the user opened the port box
        devices_changed, // a serial device came or went
        ports_listed,    // a port list line has been handed to the window
        ports_overdue,   // Update has waited long enough for a port list
        port_changed,
        tool_text,    // a text that tells no outcome (a figure, a phase)
        tool_ports,   // the port list line
        tool_warning, // a message after which the tool carries on
        tool_failure, // any other message
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
};

struct course_action
{
    enum kind_type {
        stop_tool,        // kill the process, without waiting; its end reports nothing
        watch_stop,       // start the bound on the killed tool's end (stop_overdue)
        stop_at_exit,     // the program ends: kill the process and wait for it
        start_run,        // start `run` on the process
        ask_safe_point,   // call back with a safe_point event from the event loop
        pass_tool_output, // apply the tool's reactions to this event (text, colour, ports)
        show_message,     // show `message` (with `code`) as a lasting line
        set_red,
        set_white,
        refuse, // the press started nothing
    };

    kind_type kind = pass_tool_output;
    tool_run run = tool_run::none;
    course_message message = course_message::already_running;
    int code = 0; // the event's
};

struct course_actions
{
    std::array<course_action, 8> items{};
    int count = 0;

    void add(const course_action &action) { items[static_cast<std::size_t>(count++)] = action; }
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
