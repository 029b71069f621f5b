#include "runtime/run_controller.h"

#include <algorithm>

#include "runtime/cursor_probe.h"
#include "runtime/frame_style.h"
#include "runtime/area_at_point.h"
#include "runtime/reaction_recorder.h"
#include "runtime/scan_order.h"
#include "runtime/switch_mapping.h"

namespace orvel {

namespace {
constexpr int kFocusKeeperMs = 100;
constexpr int kRepeatedPress = -2;  // press_id_ of the keyboard's auto-repeat
// How long a switch counted while held may hold back its selection's execution.
constexpr int kLongestSwitchHoldMs = 5000;

bool manual_scanning(int modus) { return modus == 1 || modus == 6; }
bool automatic_scanning(int modus) { return modus == 2 || modus == 5; }
bool joystick_polling(int modus) { return modus == 4 || modus == 7 || modus == 8; }
}  // namespace

RunController::RunController(OrvelState& state, BoardView& view, RunTimers& timers, RunActions actions)
    : state_(state),
      view_(view),
      timers_(timers),
      actions_(std::move(actions)),
      own_clock_(actions_.clock ? nullptr : std::make_unique<SteadyClock>()),
      clock_(actions_.clock ? actions_.clock : own_clock_.get()),
      filter_(*clock_)
{
}

bool RunController::cursor_mode() const
{
    const int m = state_.profile.modus;
    return m == 3 || m == 4 || m == 7 || m == 8;
}

void RunController::Form_Activate(QSize screen_pixels)
{
    state_.memory.clear();
    const BoardScale s = board_scale(screen_pixels);
    state_.ratio_x = s.ratio_x;
    state_.ratio_y = s.ratio_y;
}

// The cursor methods start on the last area. Voice with two orders starts there
// too but scans, so its position is the one before that area.
void RunController::place_cursor_on_last_area()
{
    const int16_t count = state_.tmpl.area_count;
    if (count == 1)
        return;
    state_.cursor = manual_scanning(state_.profile.modus) ? static_cast<int16_t>(count - 1) : count;
    highlight_area(count);
}

void RunController::start_access_method()
{
    reset_scan_progress();
    state_.cursor = 0;
    state_.scan_level = 1;
    state_.run_current_area = -1;
    if (recorder_)
        recorder_->session_started();
    timers_.set_execution_interval(execution_interval_ms(state_.profile.Interval));
    const int m = state_.profile.modus;
    if (automatic_scanning(m)) {
        start_scan_timer();
    } else if (m == 3 || m == 6) {
        place_cursor_on_last_area();
    } else if (joystick_polling(m)) {
        place_cursor_on_last_area();
        const int poll = state_.profile.joystic_retard * 100;
        timers_.set_step_interval(poll);
        timers_.set_step_running(poll > 0);
    }
    if (m != 0)
        view_.focus_board();
}

void RunController::pause_for_access_menu()
{
    timers_.set_step_running(false);
    timers_.set_focus_keeper_running(false);
}

void RunController::restart_access_method()
{
    reset_scan_progress();
    const int m = state_.profile.modus;
    if (automatic_scanning(m)) {
        start_scan_timer();
        timers_.set_focus_keeper_running(true);
        return;
    }
    stop_highlight();
    if (m == 3 || m == 6) {
        place_cursor_on_last_area();
    } else if (joystick_polling(m)) {
        const int poll = state_.profile.joystic_retard * 100;
        timers_.set_step_interval(poll);
        timers_.set_step_running(poll > 0);
        place_cursor_on_last_area();
    }
}

void RunController::board_changed()
{
    reset_scan_progress();
    state_.cursor = 0;
    state_.scan_level = 1;
    state_.run_current_area = -1;
    if (state_.profile.modus == 2)
        start_scan_timer();
    view_.focus_board();
}

void RunController::highlight_area(int index)
{
    const Template& t = state_.tmpl;
    view_.focus_board();
    if (index < 1 || index > t.area_count || index >= static_cast<int>(t.areas.size()))
        return;
    show_frame_over(t.area(index));
}

void RunController::show_frame_over(const Area& a)
{
    const Template& t = state_.tmpl;
    const auto rect = frame_rect(a, t.area(1), scale());
    if (!rect)
        return;  // a board too large for 16-bit coordinates keeps the frame where it was
    // The person's frame in every method, not only once automatic scanning ran.
    apply_frame_style();
    view_.show_frame(*rect);
}

void RunController::apply_frame_style()
{
    view_.set_frame_style(frame_border_width(state_.profile.gruix), state_.profile.color);
    view_.set_frame_contrast(state_.profile.marc_contrast != 0);
}

void RunController::present_area(int index)
{
    highlight_area(index);
    if (recorder_)
        recorder_->area_presented(index, clock_->now_ms());
    const Template& t = state_.tmpl;
    if (index < 1 || index > t.area_count || index >= static_cast<int>(t.areas.size()))
        return;
    const Area& a = t.area(index);
    QString text = a.sound_file;
    if (text.isEmpty() && actions_.printable_text)
        text = actions_.printable_text(a.keys);
    if (!text.isEmpty() && actions_.announce)
        actions_.announce(text);
}

void RunController::stop_highlight()
{
    timers_.set_step_running(false);
    view_.hide_frame();
}

void RunController::start_scan_timer()
{
    apply_frame_style();
    step_ms_ = scan_step_interval_ms(state_.profile.temps, state_.profile.Interval);
    timers_.set_step_interval(step_ms_);
    timers_.set_step_running(true);
}

void RunController::scan_step()
{
    const bool automatic = automatic_scanning(state_.profile.modus);
    if (rows_apply()) {
        const RowScanPosition next = next_row_scan_step(rows_, row_pos_);
        if (next.cell < 0) {
            if (automatic && rounds_done(static_cast<int>(rows_.size()))) {
                rest();
                return;
            }
            ++steps_since_press_;
        }
        row_pos_ = next;
        show_row_position();
        set_step_time(next.row == 0 && next.cell < 0);
        return;
    }
    const auto next = next_scan_position(state_.tmpl, state_.cursor, state_.scan_level);
    if (!next)
        return;  // the level has no member: nothing to highlight
    if (automatic && state_.profile.voltes > 0 &&
        rounds_done(static_cast<int>(level_members(state_.tmpl, state_.scan_level).size()))) {
        rest();
        return;
    }
    ++steps_since_press_;
    state_.cursor = *next;
    present_area(*next + 1);
    set_step_time(*next == next_scan_position(state_.tmpl, -1, state_.scan_level));
}

bool RunController::rows_apply()
{
    if (!state_.profile.files)
        return false;
    if (rows_level_ != state_.scan_level) {
        rows_ = level_rows(state_.tmpl, state_.scan_level);
        rows_level_ = state_.scan_level;
        row_pos_ = {};
    }
    return !rows_.empty();
}

void RunController::show_row_position()
{
    const int16_t area = area_at(rows_, row_pos_);
    if (area) {
        state_.cursor = static_cast<int16_t>(area - 1);
        present_area(area);
    } else if (row_pos_.row >= 0 && row_pos_.row < static_cast<int>(rows_.size())) {
        const QRect& r = rows_[static_cast<size_t>(row_pos_.row)].bounds;
        Area around;
        around.Xi = static_cast<int16_t>(r.x());
        around.Yi = static_cast<int16_t>(r.y());
        around.Xf = static_cast<int16_t>(r.x() + r.width());
        around.Yf = static_cast<int16_t>(r.y() + r.height());
        view_.focus_board();
        show_frame_over(around);
    }
}

bool RunController::rounds_done(int round_length) const
{
    const int rounds = state_.profile.voltes;
    return rounds > 0 && round_length > 0 && steps_since_press_ >= rounds * round_length;
}

// The first area of a level stays highlighted longer by the first-step delay.
void RunController::set_step_time(bool first_of_level)
{
    if (!automatic_scanning(state_.profile.modus) || state_.profile.retard_inicial <= 0)
        return;
    const int wanted = step_time_ms(first_of_level);
    if (wanted != step_ms_) {
        step_ms_ = wanted;
        timers_.set_step_interval(wanted);  // counts from now, the moment of the step
    }
}

int RunController::step_time_ms(bool first_of_level) const
{
    const int base = scan_step_interval_ms(state_.profile.temps, state_.profile.Interval);
    return base + (first_of_level ? std::max<int>(state_.profile.retard_inicial, 0) : 0);
}

void RunController::rest()
{
    resting_ = true;
    timers_.set_step_running(false);
    view_.hide_frame();
}

void RunController::resume()
{
    resting_ = false;
    steps_since_press_ = 0;
    state_.cursor = 0;
    row_pos_ = {};
    start_scan_timer();
    scan_step();
}

void RunController::reset_scan_progress()
{
    resting_ = false;
    steps_since_press_ = 0;
    rows_level_ = -1;
    rows_.clear();
    row_pos_ = {};
    filter_.clear();
    dwell_.reset();
    view_.set_frame_progress(0);
}

void RunController::Timer1_Timer()
{
    // A press counted while the switch is still down waits for its release: keys
    // typed into the target meanwhile would meet the switch's own key repeats.
    if (board_shown_ && state_.run_current_area != -1 && filtering() && filter_.holding(kLongestSwitchHoldMs)) {
        view_.set_pointer(PointerShape::Default);
        return;
    }
    if (board_shown_ && state_.run_current_area != -1) {
        const bool stepping = timers_.step_running();
        timers_.set_step_running(false);
        view_.beep();
        const int area = state_.run_current_area;
        if (actions_.execute_area)
            actions_.execute_area(area);
        // The area may have left run mode (the close command): scanning stays off then.
        if (board_shown_)
            timers_.set_step_running(stepping);
        state_.run_current_area = -1;
    }
    view_.set_pointer(PointerShape::Default);
}

void RunController::Timer2_Timer()
{
    view_.set_pointer(PointerShape::Icon);
    if (state_.profile.modus != 0)
        view_.focus_board();
    view_.set_pointer(PointerShape::Default);
}

void RunController::Timer3_Timer()
{
    const int m = state_.profile.modus;
    // Automatic scanning holds still while a reading plays: the person hears it to
    // its end and the highlight does not move on unheard.
    const bool held = automatic_scanning(m) && actions_.reading_in_progress && actions_.reading_in_progress();
    if (manual_scanning(m) || automatic_scanning(m)) {
        if (!held)
            scan_step();
    }
    else if ((m == 4 || m == 8) && actions_.joystick_step)
        actions_.joystick_step();
    view_.set_pointer(PointerShape::Default);
}

void RunController::Timer4_Timer()
{
    filter_.tick();
    if (state_.profile.modus == 0 && dwell_.enabled()) {
        const DwellSelection::State s = dwell_.tick(clock_->now_ms());
        view_.set_frame_progress(s.selected ? 0.0 : s.progress);
        if (s.selected)
            state_.run_current_area = static_cast<int16_t>(s.selected);  // run by the next execution tick
    }
    if (!filter_.waiting() && !(state_.profile.modus == 0 && dwell_.filling()))
        timers_.set_fine_tick_running(false);
}

bool RunController::filtering() const
{
    const UserProfile& p = state_.profile;
    return (manual_scanning(p.modus) || automatic_scanning(p.modus)) && (p.acceptacio > 0 || p.post_acceptacio > 0);
}

void RunController::act_butons(int code, const QString& text)
{
    const int sw = switch_for_event(state_.profile, code, text);
    const int id = press_id_;
    press_id_ = -1;
    if (sw == 0)
        return;
    // A reaction counts from the press going down, not from its acceptance.
    const int64_t down = clock_->now_ms();
    // Presses of keys and buttons are filtered; voice orders and pointer moves are not.
    if (filtering() && code != kActionMouseMove && id != -1) {
        if (id == kRepeatedPress)
            return;  // a held key counts once, however long it repeats
        filter_.set_times(state_.profile.acceptacio, state_.profile.post_acceptacio);
        filter_.press(id, [this, sw, down] {
            pressed_at_ = down;
            switch_acts(sw);
        });
        if (filter_.waiting())
            timers_.set_fine_tick_running(true);
        return;
    }
    pressed_at_ = down;
    switch_acts(sw);
}

void RunController::switch_acts(int sw)
{
    const int m = state_.profile.modus;
    if (manual_scanning(m)) {
        if (sw == 1) {
            view_.set_pointer(PointerShape::Default);
            Timer3_Timer();
        } else if (sw == 2) {
            select_highlighted(true);
        }
    } else if (automatic_scanning(m)) {
        if (sw == 1)
            view_.set_pointer(PointerShape::Default);
        if (resting_)
            resume();  // the press wakes the scanning and selects nothing
        else if (sw == 1 || sw == 2)
            select_highlighted(false);
    }
}

// A selecting press: with rows, a row of several cells is entered; otherwise the
// highlighted area waits for the execution tick (or runs at once).
void RunController::select_highlighted(bool at_once)
{
    steps_since_press_ = 0;
    if (rows_apply()) {
        const RowScanPress press = press_row_scan(rows_, row_pos_);
        if (!press.selected) {
            if (press.next == row_pos_)
                return;
            row_pos_ = press.next;
            show_row_position();
            if (automatic_scanning(state_.profile.modus) && timers_.step_running()) {
                // The first cell gets a whole step (and the first-step delay).
                timers_.set_step_running(false);
                step_ms_ = step_time_ms(true);
                timers_.set_step_interval(step_ms_);
                timers_.set_step_running(true);
            }
            return;
        }
        row_pos_ = press.next;
        state_.run_current_area = press.selected;
    } else {
        state_.run_current_area = static_cast<int16_t>(state_.cursor + 1);
    }
    if (recorder_)
        recorder_->area_selected(state_.tmpl, state_.profile, state_.run_current_area, pressed_at_);
    if (at_once)
        Timer1_Timer();
}

void RunController::Tauvirt_SwitchDown(int id, bool repeat)
{
    press_id_ = repeat ? kRepeatedPress : id;
}

void RunController::Tauvirt_SwitchUp(int id)
{
    filter_.release(id);
}

void RunController::Tauvirt_KeyDown(int key_code)
{
    if (!cursor_mode())
        return;
    const int16_t old = state_.cursor;
    if (key_code == kKeyEnter) {
        view_.set_pointer(PointerShape::Default);
        state_.run_current_area = old;
        // Run at once, as manual scanning does: waiting for the next tick would
        // let a move made meanwhile cancel the selection, or reach the target
        // while the keys are typed.
        Timer1_Timer();
        return;
    }
    int found = 0;
    if (key_code != kKeyNoMove && key_code != -1) {
        const auto probe = probe_neighbour(state_.tmpl, old, key_code);
        if (!probe)
            return;
        found = probe->area;
        state_.click_x = round_clamped_int16(probe->point.x());
        state_.click_y = round_clamped_int16(probe->point.y());
    }
    if (old == 0)
        state_.cursor = state_.tmpl.area_count;
    else if (found > 1)
        state_.cursor = static_cast<int16_t>(found);
    state_.run_current_area = -1;
    if (state_.cursor != old)
        present_area(state_.cursor);
}

void RunController::Tauvirt_KeyPress(QChar character)
{
    if (character.unicode() == 13)
        act_butons(kActionEnter, QString());
    else if (character.unicode() == 32)
        act_butons(kActionSpace, QString());
    else
        act_butons(kActionKeyList, QString(character));
    press_id_ = -1;
}

void RunController::Tauvirt_MouseDown(int button, double x, double y)
{
    view_.set_pointer(PointerShape::Hourglass);
    if (state_.profile.modus == 0) {
        const Template& t = state_.tmpl;
        const Area& root = t.area_count >= 1 ? t.area(1) : t.area(0);
        const QPoint p = board_to_template(x, y, root, scale());
        state_.click_x = static_cast<int16_t>(p.x());
        state_.click_y = static_cast<int16_t>(p.y());
        state_.run_current_area = static_cast<int16_t>(area_at_point(t, p.x(), p.y()));
        return;
    }
    const QString& gesture = state_.mouse_gesture;
    if (button == kLeftButton) {
        if (gesture == QLatin1String("C"))
            act_butons(kActionLeftClick, QString());
        else if (gesture == QLatin1String("DC"))
            act_butons(kActionLeftDoubleClick, QString());
    } else if (button == kRightButton) {
        if (gesture == QLatin1String("C"))
            act_butons(kActionRightClick, QString());
        else if (gesture == QLatin1String("DC"))
            act_butons(kActionRightDoubleClick, QString());
    }
    press_id_ = -1;
}

void RunController::dwell_over(double x, double y)
{
    dwell_.set_time(state_.profile.permanencia);
    if (!dwell_.enabled() || !board_shown_)
        return;
    const Template& t = state_.tmpl;
    if (t.area_count < 1)
        return;
    const QPoint p = board_to_template(x, y, t.area(1), scale());
    int area = area_at_point(t, p.x(), p.y());
    if (area <= 1)
        area = 0;  // the board's background is no target
    const int before = dwell_.area();
    dwell_.pointer_over(area, clock_->now_ms());
    if (area == before)
        return;
    view_.set_frame_progress(0);
    if (area) {
        // The frame follows the pointer without taking the focus: the mouse
        // method leaves it with the program being written into.
        show_frame_over(t.area(area));
    } else {
        view_.hide_frame();
    }
    if (dwell_.filling())
        timers_.set_fine_tick_running(true);
}

void RunController::Tauvirt_MouseMove(double x, double y)
{
    if (state_.profile.modus == 0) {
        dwell_over(x, y);
        return;
    }
    if (x == last_mouse_x_ && y == last_mouse_y_)
        return;  // a repeated move event, not a movement
    last_mouse_x_ = x;
    last_mouse_y_ = y;
    if (state_.mouse_gesture.isEmpty())
        state_.mouse_gesture = QStringLiteral("m");
    act_butons(kActionMouseMove, QString());
}

void RunController::Tauvirt_Click()
{
    const UserProfile& p = state_.profile;
    // A right-button switch is armed by a click too, or it could never act.
    if (p.accio1 == kActionLeftClick || p.accio2 == kActionLeftClick || p.accio1 == kActionRightClick ||
        p.accio2 == kActionRightClick)
        state_.mouse_gesture = QStringLiteral("C");
    if (p.modus == 8)
        Tauvirt_KeyDown(kKeyEnter);
}

void RunController::Tauvirt_DblClick()
{
    const UserProfile& p = state_.profile;
    if (p.accio1 == kActionLeftDoubleClick || p.accio2 == kActionLeftDoubleClick ||
        p.accio1 == kActionRightDoubleClick || p.accio2 == kActionRightDoubleClick)
        state_.mouse_gesture = QStringLiteral("DC");
}

}  // namespace orvel
