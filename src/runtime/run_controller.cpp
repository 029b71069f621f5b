#include "runtime/run_controller.h"

#include "runtime/cursor_probe.h"
#include "runtime/frame_style.h"
#include "runtime/area_at_point.h"
#include "runtime/reaction_recorder.h"
#include "runtime/scan_order.h"
#include "runtime/switch_mapping.h"

namespace orvel {

namespace {
constexpr int kFocusKeeperMs = 100;

bool manual_scanning(int modus) { return modus == 1 || modus == 6; }
bool automatic_scanning(int modus) { return modus == 2 || modus == 5; }
bool joystick_polling(int modus) { return modus == 4 || modus == 7 || modus == 8; }
}  // namespace

RunController::RunController(OrvelState& state, BoardView& view, RunTimers& timers, RunActions actions)
    : state_(state), view_(view), timers_(timers), actions_(std::move(actions))
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
    const auto rect = frame_rect(t.area(index), t.area(1), scale());
    if (!rect)
        return;  // a board too large for 16-bit coordinates keeps the frame where it was
    // The person's frame in every method, not only once automatic scanning ran.
    view_.set_frame_style(frame_border_width(state_.profile.gruix), state_.profile.color);
    view_.show_frame(*rect);
}

void RunController::present_area(int index)
{
    highlight_area(index);
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
    view_.set_frame_style(frame_border_width(state_.profile.gruix), state_.profile.color);
    timers_.set_step_interval(scan_step_interval_ms(state_.profile.temps, state_.profile.Interval));
    timers_.set_step_running(true);
}

void RunController::scan_step()
{
    const auto next = next_scan_position(state_.tmpl, state_.cursor, state_.scan_level);
    if (!next)
        return;  // the level has no member: nothing to highlight
    state_.cursor = *next;
    present_area(*next + 1);
    if (recorder_)
        recorder_->area_presented(*next + 1);
}

void RunController::Timer1_Timer()
{
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

void RunController::act_butons(int code, const QString& text)
{
    const int sw = switch_for_event(state_.profile, code, text);
    const int m = state_.profile.modus;
    const auto highlighted = static_cast<int16_t>(state_.cursor + 1);
    const bool selects = (manual_scanning(m) && sw == 2) || (automatic_scanning(m) && sw != 0);
    if (selects && recorder_)
        recorder_->area_selected(state_.tmpl, state_.profile, highlighted);
    if (manual_scanning(m)) {
        if (sw == 1) {
            view_.set_pointer(PointerShape::Default);
            Timer3_Timer();
        } else if (sw == 2) {
            state_.run_current_area = highlighted;
            Timer1_Timer();
        }
    } else if (automatic_scanning(m)) {
        if (sw == 1) {
            view_.set_pointer(PointerShape::Default);
            state_.run_current_area = highlighted;
        } else if (sw == 2) {
            state_.run_current_area = highlighted;
        }
    }
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
}

void RunController::Tauvirt_MouseMove(double x, double y)
{
    if (state_.profile.modus == 0)
        return;
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
