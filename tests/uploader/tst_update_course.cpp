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
//   - no port list once an update's runs have begun; a serial device that came or went
//     during one has the ports listed once the update and its run are over;
//   - no stop or start while one of the tool's notifications is being handled,
//     every start from the event loop, never a start while a tool still runs
//     (a killed tool runs until its end comes back), and the program's own stop
//     of a tool reports nothing, neither its last output nor its end;
//   - a killed tool that has not ended when the bound runs out is said on red,
//     an update under way with it ends red, and nothing starts on its end.
// The world around the course is simulated: a process that runs what the course
// started until it ends or is stopped, and a status box.

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
    stop_overdue
};

struct tool
{
    tool_run run = tool_run::none;
    int id = 0;
    int update = 0;     // the update it serves, 0 for none
    bool fresh = false; // nothing reported since its start
    bool handed_over = false;
    bool stopped = false; // killed; its end has not come back yet
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
    bool devices_pending = false; // a device came or went during an update
};

// One event as the test feeds it.
struct feed
{
    course_event::kind_type kind;
    int code = 0;
    const char *name;
};

const feed user_events[] = {
    {course_event::update_pressed, 0, "update"},
    {course_event::ports_wanted, 0, "ports_wanted"},
    {course_event::devices_changed, 0, "devices_changed"},
    {course_event::port_changed, 0, "port_changed"},
    {course_event::ports_overdue, 0, "ports_overdue"},
    {course_event::closing, 0, "closing"},
};
const feed tool_events[] = {
    {course_event::tool_text, 0, "text"},
    {course_event::tool_ports, 0, "ports"},
    {course_event::tool_warning, 0, "warning"},
    {course_event::tool_failure, 0, "failure"},
    {course_event::tool_success, 0, "success"},
    {course_event::device_found, 0, "device"},
    {course_event::run_ended, 0, "exit_0"},
    {course_event::run_ended, 3, "exit_3"},
    {course_event::crashed, 1, "crash"},
    {course_event::failed_to_start, 0, "failed_start"},
    {course_event::other_process_error, 3, "read_error"},
};

class walker
{
public:
    long sequences = 0;
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
        bool changed = false;
        bool refused = false;
        bool passed = false;

        const bool ends = f.kind == course_event::run_ended || f.kind == course_event::crashed ||
                          f.kind == course_event::failed_to_start;
        if (f.kind == course_event::safe_point)
            --w.safe_points;
        if (f.kind == course_event::stop_overdue)
            w.stop_watch = false;
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
        if (f.kind == course_event::devices_changed && w.stage == world::under_way)
            w.devices_pending = true;

        apply(w, f.kind, f.code, from_tool, &changed, &refused, &passed);

        // Whatever ended, the process is free, from inside its end's notification.
        if (ends) {
            bool gone_changed = false, r = false, p = false;
            apply(w, course_event::tool_gone, 0, true, &gone_changed, &r, &p);
            if (gone_changed)
                fail("the tool's end freeing the process changed the status box");
        }
        if (f.kind == course_event::stop_overdue) {
            if (stuck) {
                if (w.box != colour::red || w.last != said::stop_overdue)
                    fail("a tool that outlived its stop was not said on red");
                if (stage_before == world::under_way)
                    w.stage = world::red;
                w.start_dropped = true;
            } else if (changed) {
                fail("the bound on a stop ran out after the tool ended, and changed the box");
            }
        }

        // The port list line refills the port box, which hands the controller each
        // new current entry, and then the list is handled.
        if (f.kind == course_event::tool_ports && passed) {
            bool nested_changed = false, r = false, p = false;
            apply(w, course_event::port_changed, 0, true, &nested_changed, &r, &p);
            if (nested_changed)
                fail("the refill of the port box changed the status box");
            const said last_before_list = w.last;
            apply(w, course_event::ports_listed, 0, true, &nested_changed, &r, &p);
            // Only the waiting update's start turns the box white again.
            if (nested_changed && !(w.box == colour::white && w.stage == world::under_way &&
                                    w.last == last_before_list))
                fail("a handled port list changed the box other than for a waiting update");
        }
        if (f.kind == course_event::tool_ports && passed && source.run != tool_run::port_list)
            fail("only a port list run's line refills the port box");

        check_update_press(w, f, refused, stage_before);
        if (from_tool)
            check_tool_event(w, f, source, changed, passed, stage_before, box_before, last_before);
        if (f.kind == course_event::port_changed) {
            if (stage_before == world::under_way) {
                expect_failed(w, said::port_changed, "a port change during an update");
            } else if (changed) {
                fail("a port change outside an update changed the status box");
            }
        }
        if ((f.kind == course_event::ports_wanted || f.kind == course_event::devices_changed ||
             f.kind == course_event::closing || f.kind == course_event::safe_point) &&
            changed)
            fail("a stop, a start or a port list changed the status box");
    }

    void check_update_press(world &w, const feed &f, bool refused, int stage_before)
    {
        if (f.kind != course_event::update_pressed)
            return;
        if (stage_before == world::under_way) {
            if (!refused || w.last != said::already_running)
                fail("Update during an update was not refused with its message");
            return;
        }
        if (refused)
            fail("Update was refused with no update under way");
        if (w.box != colour::white)
            fail("an accepted Update did not turn the box white");
        ++w.update;
        w.stage = world::under_way;
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
    // turns and a slow port list has answered or run out of time.
    void check_eventually_waits(const world &start)
    {
        if (start.stage != world::under_way || start.waiting_started_for == start.update ||
            start.closed)
            return;
        world w = start;
        for (int turn = 0; turn < 8 && w.waiting_started_for != w.update; ++turn) {
            bool c = false, r = false, p = false;
            if (w.safe_points > 0) {
                --w.safe_points;
                apply(w, course_event::safe_point, 0, false, &c, &r, &p);
            } else if (w.process.stopped) {
                // The killed tool's end comes back.
                w.process = tool();
                apply(w, course_event::crashed, 1, true, &c, &r, &p);
                apply(w, course_event::tool_gone, 0, true, &c, &r, &p);
            } else {
                apply(w, course_event::ports_overdue, 0, false, &c, &r, &p);
            }
        }
        if (w.waiting_started_for != w.update)
            fail("an accepted Update never started its waiting run");
    }

    // Once the update is over and no tool runs, a device change seen during it brings
    // a port list after at most a few turns of the event loop.
    void check_eventually_lists(const world &start)
    {
        if (!start.devices_pending || start.stage == world::under_way ||
            start.process.run != tool_run::none || start.closed)
            return;
        world w = start;
        for (int turn = 0; turn < 8 && w.devices_pending && w.safe_points > 0; ++turn) {
            bool c = false, r = false, p = false;
            --w.safe_points;
            apply(w, course_event::safe_point, 0, false, &c, &r, &p);
        }
        if (w.devices_pending)
            fail("a device change during an update never listed the ports");
    }

    // Carries out the actions of one event on the world, with the nested events
    // that stopping a tool brings.
    void apply(world &w, course_event::kind_type kind, int code, bool in_notification,
               bool *changed, bool *refused, bool *passed)
    {
        course_event e;
        e.kind = kind;
        e.code = code;
        e.in_notification = in_notification;
        const course_step step = next_step(w.course, e);
        w.course = step.state;
        for (const course_action &a : step.actions) {
            switch (a.kind) {
            case course_action::stop_tool:
                if (in_notification)
                    fail("a stop inside a notification");
                // The kill returns at once; the tool's end comes back later.
                if (w.process.run != tool_run::none)
                    w.process.stopped = true;
                break;
            case course_action::watch_stop:
                w.stop_watch = true;
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
                // A device change during the update still asks for its list.
                if (w.start_dropped && !(a.run == tool_run::port_list && w.devices_pending))
                    fail("a start after the bound on a stop ran out, unasked");
                if (a.run == tool_run::port_list) {
                    // An Update pressed while a list was being read waits for it,
                    // before it has touched the device.
                    if (w.stage == world::under_way && w.waiting_started_for == w.update)
                        fail("a port list during an update");
                    w.devices_pending = false;
                }
                w.process.run = a.run;
                w.process.id = w.next_id++;
                w.process.fresh = true;
                w.process.handed_over = false;
                w.process.update = a.run == tool_run::port_list ? 0 : w.update;
                if (a.run == tool_run::waiting)
                    w.waiting_started_for = w.update;
                break;
            case course_action::ask_safe_point:
                ++w.safe_points;
                break;
            case course_action::pass_tool_output:
                *passed = true;
                pass(w, kind, changed);
                break;
            case course_action::show_message:
                *changed = true;
                w.last = said_of(a.message);
                w.last_code = a.code;
                break;
            case course_action::set_red:
                *changed = true;
                w.box = colour::red;
                break;
            case course_action::set_white:
                *changed = true;
                w.box = colour::white;
                break;
            case course_action::refuse:
                *refused = true;
                break;
            }
        }
    }

    // What the tool's own reactions do to the box, as the interpreter makes them.
    static void pass(world &w, course_event::kind_type kind, bool *changed)
    {
        switch (kind) {
        case course_event::tool_text:
            *changed = true;
            break;
        case course_event::tool_warning:
            *changed = true;
            w.last = said::tool_warning;
            w.box = colour::red;
            break;
        case course_event::tool_failure:
            *changed = true;
            w.last = said::tool_failure;
            w.box = colour::red;
            break;
        case course_event::tool_success:
            *changed = true;
            w.last = said::tool_success;
            w.box = colour::green;
            break;
        case course_event::device_found:
            *changed = true;
            w.box = colour::white;
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
    std::printf("update course: %ld sequences of up to %d events checked\n", walk.sequences, depth);
    std::fflush(stdout);
    QVERIFY2(walk.failure.isEmpty(), qPrintable(walk.failure));
}

QTEST_APPLESS_MAIN(update_course_test)
#include "tst_update_course.moc"
