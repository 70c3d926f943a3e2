#include "update_course.h"

#include <QtTest>

#include <cstdio>
#include <string>
#include <vector>

// Walks every feasible sequence of events, up to a length, through next_step()
// and holds each step against rules written from what the user must see, not
// from the course's table:
//   - an update whose run ends or is stopped ends green or red, and the last
//     message names what happened (the tool's failure, "stopped before ...
//     (exit code N)", "Crashed!", "Failed to start!", "Update stopped: ...");
//   - a warning shows on red but ends nothing; after green nothing of the old run
//     changes the box; after a failure only a success line of the same run does;
//   - Update is refused only while an update is under way; an accepted Update
//     leads to a waiting run once the event loop has had its turns;
//   - every other Update has its firmware file checked once; a file that cannot
//     be right ends the update at once: set apart, with no prompt, red with the
//     firmware-file message, and no update run starts until the next Update;
//   - no port list once an update's runs have begun; a serial device that came or went
//     during one has the ports listed once the update and its run are over;
//   - no stop or start while one of the tool's notifications is being handled,
//     every start from the event loop, never a start while a tool still runs
//     (a killed tool runs until its end comes back), and the program's own stop
//     of a tool reports nothing, neither its last output nor its end;
//   - a killed tool that has not ended when the bound runs out is said on red,
//     an update under way with it ends red, and nothing starts on its end;
//   - green comes before the success lines, red after a message of the tool's
//     (which no figure may overwrite), white after the detection line;
//   - an update opens once for each accepted Update, and every outcome is told
//     once, with the message the box shows last for it;
//   - every stop names its cause: the user's or the tool's event that made the
//     run go, never one that did not happen while that tool ran;
//   - a port list line read while an update waits for it starts the update
//     without the bound running out; a serial device that came or went while a
//     port list was being read brings one more list once that run is over;
//   - the device is being written from the detection line of the update's
//     waiting run until the update's outcome (or the program's end), and the
//     course says so when it begins.
// The world around the course is simulated: a process that runs what the course
// started until it ends or is stopped, and a status box whose colour only the
// course's actions set.

namespace {

enum class colour { none, white, green, red };

// What the box shows last that names something.
enum class said {
    nothing,
    tool_failure,
    tool_warning,
    tool_success,
    stopped_early,
    crashed,
    failed_to_start,
    port_changed,
    already_running,
    process_error,
    stop_overdue,
    bad_firmware
};

struct tool
{
    tool_run run = tool_run::none;
    int id = 0;
    int update = 0;     // the update it serves, 0 for none
    bool fresh = false; // nothing reported since its start
    bool handed_over = false;
    bool stopped = false; // killed; its end has not come back yet
    // The causes of the events fed while it ran, each a reason it may be stopped
    // for: one bit each.
    unsigned causes = 0;
};

struct world
{
    course_state course;
    tool process;
    int next_id = 1;
    int safe_points = 0; // asked for, not yet delivered
    // The box.
    colour box = colour::none;
    said last = said::nothing;
    int last_code = 0;
    // The update as the rules see it.
    int update = 0; // counts accepted presses
    enum { none, under_way, green, red } stage = none;
    int waiting_started_for = 0;
    bool closed = false;
    bool stop_watch = false;      // the bound on a killed tool's end is running
    bool start_dropped = false;   // the bound ran out; nothing may start until the user asks
    bool devices_pending = false; // a device came or went, and no list has started since
    // A port list line came while the update waited for it: the update starts
    // without the bound on the wait.
    bool ports_came_for_update = false;
    bool writing = false; // the device, since the detection line
};

// One event as the test feeds it, with the reason it gives to stop a run, from the
// design: the user's wishes, the list an update waited for, the device found.
struct feed
{
    course_event::kind_type kind;
    int code = 0;
    const char *name;
    stop_cause cause = stop_cause::none;
    bool bad_file = false; // Update with a firmware file the check refuses
};

const feed user_events[] = {
    {course_event::update_pressed, 0, "update", stop_cause::update_pressed},
    {course_event::update_pressed, 0, "update_bad_file", stop_cause::update_pressed, true},
    {course_event::ports_wanted, 0, "ports_wanted", stop_cause::ports_wanted},
    {course_event::devices_changed, 0, "devices_changed", stop_cause::devices_changed},
    {course_event::port_changed, 0, "port_changed", stop_cause::port_changed},
    {course_event::ports_overdue, 0, "ports_overdue", stop_cause::ports_overdue},
    {course_event::closing, 0, "closing"},
};
const feed tool_events[] = {
    {course_event::tool_text, 0, "text"},
    {course_event::tool_ports, 0, "ports", stop_cause::ports_listed},
    {course_event::tool_warning, 0, "warning"},
    {course_event::tool_failure, 0, "failure"},
    {course_event::tool_success, 0, "success"},
    {course_event::device_found, 0, "device", stop_cause::device_found},
    {course_event::run_ended, 0, "exit_0"},
    {course_event::run_ended, 3, "exit_3"},
    {course_event::crashed, 1, "crash"},
    {course_event::failed_to_start, 0, "failed_start"},
    {course_event::other_process_error, 3, "read_error"},
};

// What one step did, as far as the rules look at it.
struct step_seen
{
    bool changed = false; // the status box
    bool passed = false;  // the tool's output
    int opened = 0;
    int set_apart = 0;
    int checks = 0; // of the firmware file
    int outcomes = 0;
    int writing_began = 0;
    course_action outcome; // the last one told
};

class walker
{
public:
    long sequences = 0;
    std::size_t most_actions = 0;
    std::vector<std::string> trail;
    QString failure;

    void walk(const world &w, int depth)
    {
        ++sequences;
        check_eventually_waits(w);
        check_eventually_lists(w);
        if (!failure.isEmpty() || depth == 0 || w.closed)
            return;
        for (const feed &f : user_events)
            // While an update is under way Update checks no file, as "update" holds.
            if (!f.bad_file || w.stage != world::under_way)
                step_into(w, f, depth);
        if (w.safe_points > 0)
            step_into(w, {course_event::safe_point, 0, "safe_point"}, depth);
        if (w.stop_watch)
            step_into(w, {course_event::stop_overdue, 0, "stop_overdue"}, depth);
        if (w.process.run != tool_run::none)
            for (const feed &f : tool_events)
                if (f.kind != course_event::failed_to_start || w.process.fresh)
                    step_into(w, f, depth);
    }

private:
    void step_into(const world &w, const feed &f, int depth)
    {
        world next = w;
        trail.push_back(f.name);
        event(next, f);
        if (failure.isEmpty())
            walk(next, depth - 1);
        trail.pop_back();
    }

    void fail(const QString &why)
    {
        if (!failure.isEmpty())
            return;
        QString path;
        for (const std::string &t : trail)
            path += QString::fromStdString(t) + ' ';
        failure = why + " after: " + path;
    }

    // Feeds one event and holds the step against the rules.
    void event(world &w, const feed &f)
    {
        const bool from_tool =
            f.kind >= course_event::tool_text && f.kind <= course_event::other_process_error;
        const tool source = w.process;
        const colour box_before = w.box;
        const said last_before = w.last;
        const auto stage_before = w.stage;
        const bool devices_pending_before = w.devices_pending;
        const bool writing_before = w.writing;
        step_seen seen;

        const bool ends = f.kind == course_event::run_ended || f.kind == course_event::crashed ||
                          f.kind == course_event::failed_to_start;
        if (f.kind == course_event::safe_point)
            --w.safe_points;
        if (f.kind == course_event::stop_overdue)
            w.stop_watch = false;
        if (f.cause != stop_cause::none && w.process.run != tool_run::none)
            w.process.causes |= 1U << static_cast<int>(f.cause);
        if (from_tool) {
            w.process.fresh = false;
            if (ends)
                w.process = tool();
        }
        if (f.kind == course_event::closing)
            w.closed = true;
        if (f.kind == course_event::update_pressed || f.kind == course_event::ports_wanted ||
            f.kind == course_event::port_changed || f.kind == course_event::devices_changed)
            w.start_dropped = false;
        const bool stuck = f.kind == course_event::stop_overdue && w.process.stopped;
        if (f.kind == course_event::devices_changed)
            w.devices_pending = true;
        // A list line of the list run that an accepted, waiting update waits for.
        if (f.kind == course_event::tool_ports && source.run == tool_run::port_list &&
            !source.stopped && w.stage == world::under_way && w.waiting_started_for != w.update)
            w.ports_came_for_update = true;

        const stop_cause immediate =
            f.kind == course_event::safe_point ? stop_cause::none : f.cause;
        apply(w, f.kind, f.code, from_tool, source, immediate, devices_pending_before, seen);
        // The controller checks the file at once and hands the course the verdict.
        if (seen.checks > 0)
            apply(w, f.bad_file ? course_event::file_refused : course_event::file_accepted, 0,
                  false, source, immediate, devices_pending_before, seen);

        // Whatever ended, the process is free, from inside its end's notification.
        if (ends) {
            step_seen gone;
            apply(w, course_event::tool_gone, 0, true, w.process, stop_cause::none,
                  devices_pending_before, gone);
            if (gone.changed)
                fail("the tool's end freeing the process changed the status box");
        }
        if (f.kind == course_event::stop_overdue) {
            if (stuck) {
                if (w.box != colour::red || w.last != said::stop_overdue)
                    fail("a tool that outlived its stop was not said on red");
                if (stage_before == world::under_way)
                    w.stage = world::red;
                w.start_dropped = true;
            } else if (seen.changed) {
                fail("the bound on a stop ran out after the tool ended, and changed the box");
            }
        }

        if (f.kind == course_event::tool_ports && seen.passed && source.run != tool_run::port_list)
            fail("only a port list run's line refills the port box");

        const bool refused = check_update_press(w, f, seen, stage_before);
        if (from_tool)
            check_tool_event(w, f, source, seen.changed, seen.passed, stage_before, box_before,
                             last_before);
        if (f.kind == course_event::port_changed) {
            if (stage_before == world::under_way) {
                expect_failed(w, said::port_changed, "a port change during an update");
            } else if (seen.changed) {
                fail("a port change outside an update changed the status box");
            }
        }
        if ((f.kind == course_event::ports_wanted || f.kind == course_event::devices_changed ||
             f.kind == course_event::closing || f.kind == course_event::safe_point) &&
            seen.changed)
            fail("a stop, a start or a port list changed the status box");
        check_outcome_told(w, f, stage_before, seen, refused);
        check_writing(w, writing_before, seen);
    }

    // The writing ends with the outcome, or with the program.
    void check_writing(world &w, bool writing_before, const step_seen &seen)
    {
        if (w.stage != world::under_way || w.closed)
            w.writing = false;
        if (seen.writing_began != (w.writing && !writing_before ? 1 : 0))
            fail("the writing's beginning was not said once, with the detection line");
        if (device_being_written(w.course) != w.writing)
            fail(w.writing ? "the device is written, and the course does not say so"
                           : "the course says the device is written, and it is not");
    }

    // Every outcome the rules above saw is told once, with the words that explain it.
    void check_outcome_told(const world &w, const feed &f, int stage_before, const step_seen &seen,
                            bool refused)
    {
        const bool ended = refused || (stage_before != w.stage &&
                                       (w.stage == world::green || w.stage == world::red));
        if (seen.outcomes != (ended ? 1 : 0)) {
            fail(ended ? "an outcome was not told once" : "an outcome was told with none");
            return;
        }
        if (!ended)
            return;
        const course_action &told = seen.outcome;
        if (told.phase !=
            (w.stage == world::green ? update_phase::succeeded : update_phase::failed)) {
            fail("the outcome told is not the one the box shows");
            return;
        }
        if (w.stage == world::green) {
            if (told.explained_by != explanation::none)
                fail("a success was explained");
            return;
        }
        const bool tool_words = w.last == said::tool_failure;
        if (told.explained_by != (tool_words ? explanation::tool_words : explanation::course_words))
            fail("a failure was not explained by the message the box shows for it");
        else if (!tool_words && said_of(told.message) != w.last)
            fail("a failure was explained by another message than the box shows");
        else if (w.last == said::stopped_early && told.code != f.code)
            fail("the outcome's message does not name the exit code");
    }

    // Whether Update was refused for its file, which ends the new update at once.
    bool check_update_press(world &w, const feed &f, const step_seen &seen, int stage_before)
    {
        if (f.kind != course_event::update_pressed) {
            if (seen.opened != 0 || seen.set_apart != 0 || seen.checks != 0)
                fail("an update opened, was set apart or had its file checked without Update");
            return false;
        }
        if (stage_before == world::under_way) {
            if (seen.opened != 0 || seen.set_apart != 0 || seen.checks != 0 ||
                w.last != said::already_running)
                fail("Update during an update was not refused with its message");
            return false;
        }
        if (seen.checks != 1)
            fail("Update did not have its firmware file checked once");
        ++w.update;
        w.ports_came_for_update = false;
        if (f.bad_file) {
            if (seen.opened != 0 || seen.set_apart != 1)
                fail("a refused file opened the update, or did not set the runs before apart");
            expect_failed(w, said::bad_firmware, "a refused file");
            return true;
        }
        if (seen.opened != 1 || seen.set_apart != 0)
            fail("an accepted Update did not open the update once");
        if (w.box != colour::white)
            fail("an accepted Update did not turn the box white");
        w.stage = world::under_way;
        return false;
    }

    void check_tool_event(world &w, const feed &f, const tool &source, bool changed, bool passed,
                          int stage_before, colour box_before, said last_before)
    {
        const bool of_update = source.update != 0 && source.update == w.update;
        if (source.stopped) {
            if (changed)
                fail("a killed tool's output or end was reported");
            return;
        }
        if (!of_update || source.handed_over) {
            // A port list run's own texts may show; nothing else from an old run may.
            if (source.run != tool_run::port_list && changed)
                fail("a run that is no longer the update's changed the box");
            return;
        }
        switch (stage_before) {
        case world::green:
            if (changed)
                fail("after green, the old run changed the box");
            return;
        case world::red:
            if (f.kind == course_event::tool_success) {
                if (w.box != colour::green)
                    fail("a success line after a failure did not turn the box green");
                w.stage = world::green;
            } else if (changed) {
                fail("after a failure, a line other than success changed the box");
            }
            return;
        default:
            break;
        }
        Q_UNUSED(box_before);
        Q_UNUSED(last_before);
        switch (f.kind) {
        case course_event::tool_text:
            if (!passed)
                fail("a figure of the update's run was not shown");
            break;
        case course_event::tool_ports:
            break;
        case course_event::tool_warning:
            if (w.box != colour::red || w.last != said::tool_warning)
                fail("a warning did not show on red");
            break;
        case course_event::tool_failure:
            expect_failed(w, said::tool_failure, "a failure line");
            break;
        case course_event::tool_success:
            if (w.box != colour::green)
                fail("a success line did not turn the box green");
            w.stage = world::green;
            break;
        case course_event::device_found:
            if (source.run == tool_run::waiting) {
                if (!passed || w.box != colour::white)
                    fail("the detection line was not shown on white");
                w.writing = true;
                if (w.process.id == source.id)
                    w.process.handed_over = true;
            } else if (changed) {
                fail("a detection line from the flash run changed the box");
            }
            break;
        case course_event::run_ended:
            expect_failed(w, said::stopped_early, "an end without a result");
            if (w.last_code != f.code)
                fail("the end's message does not name its exit code");
            break;
        case course_event::crashed:
            expect_failed(w, said::crashed, "a crash");
            break;
        case course_event::failed_to_start:
            expect_failed(w, said::failed_to_start, "a failed start");
            break;
        case course_event::other_process_error:
            expect_failed(w, said::process_error, "a process error");
            break;
        default:
            break;
        }
    }

    void expect_failed(world &w, said what, const char *cause)
    {
        if (w.box != colour::red || w.last != what)
            fail(QString::fromLatin1(cause) + " did not end the update red with its words");
        w.stage = world::red;
    }

    // An accepted Update starts its waiting run once the event loop has had its
    // turns and a slow port list has answered or run out of time; once the list
    // has answered, without the bound running out.
    void check_eventually_waits(const world &start)
    {
        if (start.stage != world::under_way || start.waiting_started_for == start.update ||
            start.closed)
            return;
        world w = start;
        for (int turn = 0; turn < 8 && w.waiting_started_for != w.update; ++turn) {
            step_seen seen;
            if (w.safe_points > 0) {
                --w.safe_points;
                apply(w, course_event::safe_point, 0, false, w.process, stop_cause::none,
                      w.devices_pending, seen);
            } else if (w.process.stopped) {
                // The killed tool's end comes back.
                w.process = tool();
                apply(w, course_event::crashed, 1, true, w.process, stop_cause::none,
                      w.devices_pending, seen);
                apply(w, course_event::tool_gone, 0, true, w.process, stop_cause::none,
                      w.devices_pending, seen);
            } else if (!w.ports_came_for_update) {
                apply(w, course_event::ports_overdue, 0, false, w.process,
                      stop_cause::ports_overdue, w.devices_pending, seen);
            }
        }
        if (w.waiting_started_for != w.update)
            fail(start.ports_came_for_update
                     ? "the port list an Update waited for did not start its waiting run"
                     : "an accepted Update never started its waiting run");
    }

    // Once no update holds the tool and no tool runs, a device change brings a port
    // list after at most a few turns of the event loop.
    void check_eventually_lists(const world &start)
    {
        if (!start.devices_pending || start.stage == world::under_way ||
            start.process.run != tool_run::none || start.closed)
            return;
        world w = start;
        for (int turn = 0; turn < 8 && w.devices_pending && w.safe_points > 0; ++turn) {
            step_seen seen;
            --w.safe_points;
            apply(w, course_event::safe_point, 0, false, w.process, stop_cause::none,
                  w.devices_pending, seen);
        }
        if (w.devices_pending)
            fail("a device change never listed the ports");
    }

    // Carries out the actions of one event on the world. A stop must name the
    // event's own cause (`immediate`), or one fed while the stopped tool ran (a
    // stop that waited for the event loop), or a device change not yet listed.
    void apply(world &w, course_event::kind_type kind, int code, bool in_notification,
               const tool &stopped_tool, stop_cause immediate, bool devices_pending,
               step_seen &seen)
    {
        course_event e;
        e.kind = kind;
        e.code = code;
        e.in_notification = in_notification;
        const course_step step = next_step(w.course, e);
        w.course = step.state;
        if (step.actions.overflowed)
            fail("a step had more actions than it has room for");
        most_actions = std::max<std::size_t>(most_actions, step.actions.count);
        bool shown = false; // the tool's words, in this step
        bool words = false; // the course's
        for (const course_action &a : step.actions) {
            switch (a.kind) {
            case course_action::stop_tool: {
                if (in_notification)
                    fail("a stop inside a notification");
                const bool known = a.cause == immediate ||
                                   (stopped_tool.causes & (1U << static_cast<int>(a.cause))) ||
                                   (a.cause == stop_cause::devices_changed && devices_pending);
                if (a.cause == stop_cause::none || !known)
                    fail(QString("a stop for a cause (%1) that did not happen while the tool ran")
                             .arg(int(a.cause)));
                // The kill returns at once; the tool's end comes back later.
                if (w.process.run != tool_run::none)
                    w.process.stopped = true;
                break;
            }
            case course_action::watch_stop:
                w.stop_watch = true;
                break;
            case course_action::watch_ports:
                if (kind != course_event::file_accepted)
                    fail("the bound on the port list's wait started without Update");
                break;
            case course_action::stop_at_exit:
                if (kind != course_event::closing)
                    fail("a waiting stop other than at the program's end");
                w.process = tool();
                break;
            case course_action::start_run:
                if (in_notification || kind != course_event::safe_point)
                    fail("a start other than from the event loop");
                if (w.process.run != tool_run::none)
                    fail("a start while a tool still runs");
                // A device change still asks for its list.
                if (w.start_dropped && !(a.run == tool_run::port_list && w.devices_pending))
                    fail("a start after the bound on a stop ran out, unasked");
                // Only an update under way has runs: a refused file never reaches the tool.
                if (a.run != tool_run::port_list && w.stage != world::under_way)
                    fail("an update run started with no update under way");
                if (a.run == tool_run::port_list) {
                    // An Update pressed while a list was being read waits for it,
                    // before it has touched the device.
                    if (w.stage == world::under_way && w.waiting_started_for == w.update)
                        fail("a port list during an update");
                    w.devices_pending = false;
                }
                w.process = tool();
                w.process.run = a.run;
                w.process.id = w.next_id++;
                w.process.fresh = true;
                w.process.update = a.run == tool_run::port_list ? 0 : w.update;
                if (a.run == tool_run::waiting) {
                    w.waiting_started_for = w.update;
                    w.ports_came_for_update = false;
                }
                break;
            case course_action::ask_safe_point:
                ++w.safe_points;
                break;
            case course_action::pass_tool_output:
                seen.passed = true;
                shown = true;
                if ((kind == course_event::tool_warning || kind == course_event::tool_failure) &&
                    !a.lasting)
                    fail("a message of the tool's may be overwritten by a figure");
                pass(w, kind, &seen.changed);
                break;
            case course_action::set_green:
                seen.changed = true;
                w.box = colour::green;
                // The box is green before "Upload Complete!" is read.
                if (kind == course_event::tool_success && shown)
                    fail("the success lines came before green");
                break;
            case course_action::show_message:
                seen.changed = true;
                words = true;
                w.last = said_of(a.message);
                w.last_code = a.code;
                break;
            case course_action::set_red:
                seen.changed = true;
                w.box = colour::red;
                if ((kind == course_event::tool_warning || kind == course_event::tool_failure) &&
                    !shown)
                    fail("red came before the tool's message");
                break;
            case course_action::set_white:
                seen.changed = true;
                w.box = colour::white;
                if (kind == course_event::device_found && !shown)
                    fail("white came before the detection line");
                break;
            case course_action::check_file:
                if (kind != course_event::update_pressed)
                    fail("a firmware check without Update");
                ++seen.checks;
                break;
            case course_action::set_apart:
                // What the box still had queued goes first, not the refusal.
                if (kind != course_event::file_refused || words)
                    fail("the runs before set apart other than before a refusal's words");
                ++seen.set_apart;
                break;
            case course_action::open_update:
                ++seen.opened;
                break;
            case course_action::writing_begins:
                ++seen.writing_began;
                break;
            case course_action::tell_outcome:
                // Told once the box shows it: its colour and its words come first.
                if ((a.phase == update_phase::failed && w.box != colour::red) ||
                    (a.phase == update_phase::succeeded && w.box != colour::green))
                    fail("an outcome was told before the box showed it");
                ++seen.outcomes;
                seen.outcome = a;
                break;
            }
        }
    }

    // What the tool's words do to the box; its colour is the course's actions' alone.
    static void pass(world &w, course_event::kind_type kind, bool *changed)
    {
        switch (kind) {
        case course_event::tool_text:
        case course_event::device_found:
            *changed = true;
            break;
        case course_event::tool_warning:
            *changed = true;
            w.last = said::tool_warning;
            break;
        case course_event::tool_failure:
            *changed = true;
            w.last = said::tool_failure;
            break;
        case course_event::tool_success:
            *changed = true;
            w.last = said::tool_success;
            break;
        default:
            break; // the port list goes to the port box
        }
    }

    static said said_of(course_message m)
    {
        switch (m) {
        case course_message::already_running:
            return said::already_running;
        case course_message::port_changed:
            return said::port_changed;
        case course_message::stopped_early:
            return said::stopped_early;
        case course_message::crashed:
            return said::crashed;
        case course_message::failed_to_start:
            return said::failed_to_start;
        case course_message::process_error:
            return said::process_error;
        case course_message::stop_overdue:
            return said::stop_overdue;
        case course_message::bad_firmware:
            return said::bad_firmware;
        }
        return said::nothing;
    }
};

} // namespace

class update_course_test : public QObject
{
    Q_OBJECT
private slots:
    void every_sequence_keeps_the_rules();
};

void update_course_test::every_sequence_keeps_the_rules()
{
    const int depth = qEnvironmentVariableIsSet("VELMORA_COURSE_DEPTH")
                          ? qEnvironmentVariableIntValue("VELMORA_COURSE_DEPTH")
                          : 8;
    walker walk;
    walk.walk(world(), depth);
    std::printf("update course: %ld sequences of up to %d events checked; the most actions of "
                "one step: %zu of %zu\n",
                walk.sequences, depth, walk.most_actions, course_actions::capacity);
    std::fflush(stdout);
    QVERIFY2(walk.failure.isEmpty(), qPrintable(walk.failure));
}

QTEST_APPLESS_MAIN(update_course_test)
#include "tst_update_course.moc"
