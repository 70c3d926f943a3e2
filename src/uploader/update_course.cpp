#include "update_course.h"

namespace {

bool is_update_run(tool_run run)
{
    return run == tool_run::waiting || run == tool_run::flashing;
}

// A port list run is going or about to: another list waits for its end.
bool list_going(const course_state &state)
{
    return state.run == tool_run::port_list || state.start_due == tool_run::port_list;
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
    void pass(bool lasting) { add(course_action::pass_tool_output).lasting = lasting; }
    void message(course_message message)
    {
        course_action &a = add(course_action::show_message);
        a.message = message;
        a.code = m_event.code;
    }

    // The current run is over for us: it is stopped for `cause`, at once or from
    // the event loop, and whatever it still reports changes nothing. A start that
    // had not happened yet is dropped with it.
    void leave(stop_cause cause)
    {
        course_state &s = state();
        const bool running =
            s.run != tool_run::none || s.stop_due != stop_cause::none || s.tool_alive;
        s.run = tool_run::none;
        s.start_due = tool_run::none;
        if (!running)
            return;
        // A run left already keeps the reason it was left for.
        if (s.stop_due == stop_cause::none)
            s.stop_due = cause;
        if (m_event.in_notification) {
            ask_safe_point();
            return;
        }
        const stop_cause why = s.stop_due;
        s.stop_due = stop_cause::none;
        stop_now(why);
    }

    // Kills a tool still alive, once: its end comes back as tool_gone.
    void stop_now(stop_cause cause)
    {
        course_state &s = state();
        if (!s.tool_alive || s.stop_sent)
            return;
        s.stop_sent = true;
        add(course_action::stop_tool).cause = cause;
        add(course_action::watch_stop);
    }

    // Only from the event loop, on a process that is free.
    void start_now(tool_run run)
    {
        course_state &s = state();
        s.run = run;
        s.start_due = tool_run::none;
        s.tool_alive = true;
        if (run == tool_run::port_list) {
            s.ports_read = false;
            s.ports_due = false;
        }
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

    // The only place where an update's outcome is settled, and told with what
    // explains it.
    void settle(update_phase outcome, explanation why,
                course_message message = course_message::already_running)
    {
        state().update = outcome;
        state().update_waits_for_ports = false;
        course_action &a = add(course_action::tell_outcome);
        a.phase = outcome;
        a.explained_by = why;
        a.message = message;
        a.code = m_event.code;
    }

private:
    course_action &add(course_action::kind_type kind)
    {
        course_action action;
        action.kind = kind;
        course_action *added = m_step.actions.add(action);
        // No room: the overflow is kept in the actions, and what is set here is lost.
        return added != nullptr ? *added : m_spare;
    }

    const course_event &m_event;
    course_step m_step;
    course_action m_spare;
};

// What a failing update shows: the course's own words, on red.
void fail(step_builder &step, course_message message)
{
    step.message(message);
    step.act(course_action::set_red);
    step.settle(update_phase::failed, explanation::course_words, message);
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

// The update that waited for the port list starts, on the port then chosen.
void start_waiting_update(step_builder &step, stop_cause cause)
{
    step.state().update_waits_for_ports = false;
    step.leave(cause);
    step.act(course_action::set_white);
    step.start_later(tool_run::waiting);
}

// What the tool said, on the box's colour for it.
void show_tool_output(step_builder &step, course_event::kind_type kind)
{
    switch (kind) {
    case course_event::tool_success:
        step.act(course_action::set_green);
        step.pass(false);
        break;
    case course_event::tool_warning:
    case course_event::tool_failure:
        step.pass(true);
        step.act(course_action::set_red);
        break;
    case course_event::device_found:
        step.pass(false);
        step.act(course_action::set_white);
        break;
    default:
        step.pass(false);
        break;
    }
}

// A text of the port list run's: shown as it is, since that run serves no update;
// it finds no device to flash. Its list goes to the port box, and an update that
// waited for it starts.
void list_run_said(step_builder &step, course_event::kind_type kind)
{
    course_state &s = step.state();
    if (kind == course_event::device_found)
        return;
    show_tool_output(step, kind);
    if (kind != course_event::tool_ports)
        return;
    s.ports_read = true;
    if (s.update_waits_for_ports)
        start_waiting_update(step, stop_cause::ports_listed);
}

// A text of the tool's, by the run that wrote it and how far the update is.
void tool_said(step_builder &step, course_event::kind_type kind)
{
    course_state &s = step.state();
    if (s.run == tool_run::port_list) {
        list_run_said(step, kind);
        return;
    }
    // Only a port list run refills the port box.
    if (!is_update_run(s.run) || kind == course_event::tool_ports)
        return;

    switch (s.update) {
    case update_phase::idle:
    case update_phase::succeeded:
        return;
    case update_phase::failed:
        // The tool may still report success after a failure line of the same run.
        if (kind == course_event::tool_success) {
            show_tool_output(step, kind);
            step.settle(update_phase::succeeded, explanation::none);
        }
        return;
    case update_phase::running:
        break;
    }

    switch (kind) {
    case course_event::tool_text:
    case course_event::tool_warning:
        show_tool_output(step, kind);
        break;
    case course_event::tool_failure:
        show_tool_output(step, kind);
        step.settle(update_phase::failed, explanation::tool_words);
        break;
    case course_event::tool_success:
        show_tool_output(step, kind);
        step.settle(update_phase::succeeded, explanation::none);
        break;
    case course_event::device_found:
        // Only the waiting run's detection line leads to writing.
        if (s.run != tool_run::waiting)
            break;
        show_tool_output(step, kind);
        step.leave(stop_cause::device_found);
        step.start_later(tool_run::flashing);
        step.act(course_action::writing_begins);
        break;
    default:
        break;
    }
}

// Lists the ports, unless an update needs the tool or a list run is going.
void list_ports(step_builder &step, stop_cause cause)
{
    const course_state &s = step.state();
    if (update_under_way(s) || list_going(s))
        return;
    step.leave(cause);
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

void update_pressed(step_builder &step)
{
    course_state &s = step.state();
    if (update_under_way(s)) {
        step.message(course_message::already_running);
        return;
    }
    // The file first: a file that cannot be right must neither cost the user a power
    // cycle nor stop what runs.
    s.file_asked = true;
    step.act(course_action::check_file);
}

// The update opens and its waiting run starts once the port list allows.
void file_accepted(step_builder &step)
{
    course_state &s = step.state();
    s.update = update_phase::running;
    step.act(course_action::set_white);
    step.act(course_action::open_update);
    if ((s.run == tool_run::port_list && !s.ports_read) || s.start_due == tool_run::port_list) {
        // The ports come first, so that the update runs on the port then chosen; a
        // tool that never answers must not hold it for ever.
        s.update_waits_for_ports = true;
        step.act(course_action::watch_ports);
        return;
    }
    step.leave(stop_cause::update_pressed);
    step.start_later(tool_run::waiting);
}

// The refused update is over before it began: nothing starts. What is left of an
// earlier update goes, so that its run cannot change the box; a port list run goes
// on, since it serves the port box.
void file_refused(step_builder &step)
{
    const course_state &s = step.state();
    if (is_update_run(s.run) || is_update_run(s.start_due))
        step.leave(stop_cause::update_pressed);
    step.act(course_action::set_apart);
    fail(step, course_message::bad_firmware);
}

} // namespace

bool update_under_way(const course_state &state)
{
    return state.update == update_phase::running;
}

bool device_being_written(const course_state &state)
{
    return update_under_way(state) &&
           (state.run == tool_run::flashing || state.start_due == tool_run::flashing);
}

course_step next_step(const course_state &state, const course_event &event)
{
    step_builder step(state, event);
    course_state &s = step.state();

    switch (event.kind) {
    case course_event::update_pressed:
        update_pressed(step);
        break;

    case course_event::file_accepted:
    case course_event::file_refused:
        if (!s.file_asked)
            break;
        s.file_asked = false;
        if (event.kind == course_event::file_accepted)
            file_accepted(step);
        else
            file_refused(step);
        break;

    case course_event::ports_wanted:
        list_ports(step, stop_cause::ports_wanted);
        break;

    case course_event::devices_changed:
        // Listed below, as soon as nothing holds the tool: nothing may come between
        // the tool and the device during an update, and a list run going may have
        // looked at the ports before the device came.
        s.ports_due = true;
        break;

    case course_event::ports_overdue:
        if (s.update_waits_for_ports)
            start_waiting_update(step, stop_cause::ports_overdue);
        break;

    case course_event::port_changed:
        // A run of an update talks to the old port; a port list run uses none, and
        // its list still comes.
        if (is_update_run(s.run) || is_update_run(s.start_due))
            step.leave(stop_cause::port_changed);
        if (update_under_way(s))
            fail(step, course_message::port_changed);
        break;

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
        if (s.stop_due != stop_cause::none) {
            const stop_cause why = s.stop_due;
            s.stop_due = stop_cause::none;
            s.run = tool_run::none;
            step.stop_now(why);
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
        // start on the process, and the user must know why nothing happens. Only a
        // device change still lists the ports, once the tool has gone.
        s.stop_sent = false;
        s.start_due = s.ports_due ? tool_run::port_list : tool_run::none;
        s.update_waits_for_ports = false;
        step.message(course_message::stop_overdue);
        step.act(course_action::set_red);
        if (update_under_way(s))
            step.settle(update_phase::failed, explanation::course_words,
                        course_message::stop_overdue);
        break;

    case course_event::closing: {
        // Whatever the state says, no tool outlives the program. The update stays
        // as it was: there is nobody left to tell.
        const update_phase update = s.update;
        s = course_state{};
        s.update = update;
        step.act(course_action::stop_at_exit);
        break;
    }
    }
    // A run that outlives its update's outcome may still turn a failure green, so
    // the ports wait for its end too.
    if (s.ports_due && !is_update_run(s.run))
        list_ports(step, stop_cause::devices_changed);
    return step.result();
}
