#include "update_course.h"

namespace {

bool is_update_run(tool_run run)
{
    return run == tool_run::waiting || run == tool_run::flashing;
}

// Builds one step: the state as it goes, and the actions in the order they are taken.
class step_builder
{
public:
    step_builder(const course_state &state, const course_event &event) : m_event(event)
    {
        m_step.state = state;
    }

    course_state &state() { return m_step.state; }
    course_step result() const { return m_step; }

    void act(course_action::kind_type kind) { add(kind); }
    void pass() { add(course_action::pass_tool_output); }
    void message(course_message message)
    {
        course_action &a = add(course_action::show_message);
        a.message = message;
        a.code = m_event.code;
    }

    // The current run is over for us: it is stopped, at once or from the event
    // loop, and whatever it still reports changes nothing. A start that had not
    // happened yet is dropped with it.
    void leave()
    {
        course_state &s = state();
        const bool running = s.run != tool_run::none || s.stop_due || s.tool_alive;
        s.run = tool_run::none;
        s.start_due = tool_run::none;
        if (!running)
            return;
        if (m_event.in_notification) {
            s.stop_due = true;
            ask_safe_point();
        } else {
            s.stop_due = false;
            stop_now();
        }
    }

    // Kills a tool still alive, once: its end comes back as tool_gone.
    void stop_now()
    {
        course_state &s = state();
        if (!s.tool_alive || s.stop_sent)
            return;
        s.stop_sent = true;
        add(course_action::stop_tool);
        add(course_action::watch_stop);
    }

    // Only from the event loop, on a process that is free.
    void start_now(tool_run run)
    {
        course_state &s = state();
        s.run = run;
        s.start_due = tool_run::none;
        s.tool_alive = true;
        if (run == tool_run::port_list)
            s.ports_after_update = false;
        add(course_action::start_run).run = run;
    }

    // Every start waits for the event loop, and for the old tool's end.
    void start_later(tool_run run)
    {
        state().start_due = run;
        if (!state().tool_alive)
            ask_safe_point();
    }

    void ask_safe_point()
    {
        if (state().safe_point_asked)
            return;
        state().safe_point_asked = true;
        add(course_action::ask_safe_point);
    }

    // The only place where an update's outcome is settled.
    void settle(update_stage outcome)
    {
        state().update = outcome;
        state().update_waits_for_ports = false;
    }

private:
    course_action &add(course_action::kind_type kind)
    {
        course_action action;
        action.kind = kind;
        m_step.actions.add(action);
        return m_step.actions.items[static_cast<std::size_t>(m_step.actions.count - 1)];
    }

    const course_event &m_event;
    course_step m_step;
};

// What a failing update shows: the course's own words, on red.
void fail(step_builder &step, course_message message)
{
    step.message(message);
    step.act(course_action::set_red);
    step.settle(update_stage::failed);
}

course_message process_error_message(course_event::kind_type kind)
{
    switch (kind) {
    case course_event::crashed:
        return course_message::crashed;
    case course_event::failed_to_start:
        return course_message::failed_to_start;
    default:
        return course_message::process_error;
    }
}

// A text of the tool's, by the run that wrote it and how far the update is.
void tool_said(step_builder &step, course_event::kind_type kind)
{
    course_state &s = step.state();
    if (s.run == tool_run::port_list) {
        // The port list run serves no update: its texts show as they are, but it
        // finds no device to flash.
        if (kind != course_event::device_found)
            step.pass();
        return;
    }
    // Only a port list run refills the port box.
    if (!is_update_run(s.run) || kind == course_event::tool_ports)
        return;

    switch (s.update) {
    case update_stage::idle:
    case update_stage::complete:
        return;
    case update_stage::failed:
        // The tool may still report success after a failure line of the same run.
        if (kind == course_event::tool_success) {
            step.pass();
            step.settle(update_stage::complete);
        }
        return;
    case update_stage::under_way:
        break;
    }

    switch (kind) {
    case course_event::tool_text:
    case course_event::tool_warning:
        step.pass();
        break;
    case course_event::tool_failure:
        step.pass();
        step.settle(update_stage::failed);
        break;
    case course_event::tool_success:
        step.pass();
        step.settle(update_stage::complete);
        break;
    case course_event::device_found:
        // Only the waiting run's detection line leads to writing.
        if (s.run != tool_run::waiting)
            break;
        step.pass();
        step.leave();
        step.start_later(tool_run::flashing);
        break;
    default:
        break;
    }
}

// Lists the ports, unless a list is being read already or an update needs the tool.
void list_ports(step_builder &step)
{
    const course_state &s = step.state();
    if (update_under_way(s) || s.run == tool_run::port_list || s.start_due == tool_run::port_list)
        return;
    step.leave();
    step.start_later(tool_run::port_list);
}

// The run has ended by itself: its exit, a crash, a failed start.
void run_gone(step_builder &step, const course_event &event)
{
    course_state &s = step.state();
    const tool_run run = s.run;
    if (run == tool_run::none)
        return; // ours, or a run we left
    s.run = tool_run::none;
    s.stop_due = false;

    const bool process_error = event.kind != course_event::run_ended;
    if (run == tool_run::port_list) {
        if (process_error)
            step.message(process_error_message(event.kind));
        if (s.update_waits_for_ports) {
            s.update_waits_for_ports = false;
            step.act(course_action::set_white);
            step.start_later(tool_run::waiting);
        }
        return;
    }
    if (update_under_way(s))
        fail(step,
             process_error ? process_error_message(event.kind) : course_message::stopped_early);
}

} // namespace

bool update_under_way(const course_state &state)
{
    return state.update == update_stage::under_way;
}

course_step next_step(const course_state &state, const course_event &event)
{
    step_builder step(state, event);
    course_state &s = step.state();

    switch (event.kind) {
    case course_event::update_pressed:
        if (update_under_way(s)) {
            step.message(course_message::already_running);
            step.act(course_action::refuse);
            break;
        }
        s.update = update_stage::under_way;
        step.act(course_action::set_white);
        if ((s.run == tool_run::port_list && !s.stop_due) || s.start_due == tool_run::port_list) {
            // The ports come first, so that the update runs on the port then chosen.
            s.update_waits_for_ports = true;
            break;
        }
        step.leave();
        step.start_later(tool_run::waiting);
        break;

    case course_event::ports_wanted:
        list_ports(step);
        break;

    case course_event::devices_changed:
        // Nothing may come between the tool and the device during an update, and
        // the user did not ask: the list waits until the update is over.
        if (update_under_way(s))
            s.ports_after_update = true;
        else
            list_ports(step);
        break;

    case course_event::ports_listed:
    case course_event::ports_overdue:
        // A tool that never answers must not hold the update for ever.
        if (!s.update_waits_for_ports)
            break;
        s.update_waits_for_ports = false;
        step.leave();
        step.act(course_action::set_white);
        step.start_later(tool_run::waiting);
        break;

    case course_event::port_changed: {
        if (s.run == tool_run::port_list && event.in_notification) {
            // A port list refills the port box: the rest of the list run's read
            // is still its own, and the run ends with the stop.
            s.stop_due = true;
            step.ask_safe_point();
            break;
        }
        const bool list_due = s.start_due == tool_run::port_list;
        const bool stops_update = update_under_way(s);
        step.leave();
        if (stops_update)
            fail(step, course_message::port_changed);
        if (list_due)
            step.start_later(tool_run::port_list);
        break;
    }

    case course_event::tool_text:
    case course_event::tool_ports:
    case course_event::tool_warning:
    case course_event::tool_failure:
    case course_event::tool_success:
    case course_event::device_found:
        tool_said(step, event.kind);
        break;

    case course_event::run_ended:
    case course_event::crashed:
    case course_event::failed_to_start:
        run_gone(step, event);
        break;

    case course_event::other_process_error:
        // The tool may go on, but the update cannot be trusted to.
        if (s.run == tool_run::port_list)
            step.message(course_message::process_error);
        else if (is_update_run(s.run) && update_under_way(s))
            fail(step, course_message::process_error);
        break;

    case course_event::safe_point:
        s.safe_point_asked = false;
        if (s.stop_due) {
            s.stop_due = false;
            s.run = tool_run::none;
            step.stop_now();
        }
        // A killed tool's end comes back first: what it still delivers must not
        // find the new run as `run`.
        if (s.start_due != tool_run::none && !s.tool_alive)
            step.start_now(s.start_due);
        break;

    case course_event::tool_gone:
        s.tool_alive = false;
        s.stop_sent = false;
        s.run = tool_run::none;
        if (s.start_due != tool_run::none)
            step.ask_safe_point();
        break;

    case course_event::stop_overdue:
        if (!s.stop_sent || !s.tool_alive)
            break;
        // The tool hangs on (a serial driver that does not let go): nothing can
        // start on the process, and the user must know why nothing happens. A
        // device change still lists the ports once the tool has gone (below).
        s.stop_sent = false;
        s.start_due = tool_run::none;
        s.update_waits_for_ports = false;
        step.message(course_message::stop_overdue);
        step.act(course_action::set_red);
        if (update_under_way(s))
            step.settle(update_stage::failed);
        break;

    case course_event::closing:
        // Whatever the state says, no tool outlives the program. The update stays
        // as it was: there is nobody left to tell.
        s = course_state{tool_run::none, s.update};
        step.act(course_action::stop_at_exit);
        break;
    }
    // A run that outlives its update's outcome may still turn a failure green, so
    // the ports wait for its end too.
    // The wish stands until a list starts: a press of Update may take its place first.
    if (s.ports_after_update && !update_under_way(s) && !is_update_run(s.run))
        list_ports(step);
    return step.result();
}
