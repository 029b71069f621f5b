#pragma once
// Run mode's behaviour without its window: the execution tick, the focus keeper,
// the scanning step, switch presses, the keyboard cursors and mouse selection,
// and the highlight. The board window forwards its timer ticks and its key and
// mouse events here, and shows what this asks of it through BoardView.
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "model/orvel_state.h"
#include "platform/clock.h"
#include "runtime/board_geometry.h"
#include "runtime/board_view.h"
#include "runtime/dwell_selection.h"
#include "runtime/press_filter.h"
#include "runtime/scan_rows.h"

namespace orvel {

// The work run mode hands to the rest of the program.
struct RunActions {
    std::function<void(int area)> execute_area{};
    std::function<void(const QString& text)> announce{};  // plays a wave file or speaks a text
    std::function<QString(const QString& key_text)> printable_text{};
    std::function<void()> joystick_step{};
    // A reading chosen by the person is still being heard.
    std::function<bool()> reading_in_progress{};
    // Times held switches and dwells; the steady clock when null.
    Clock* clock = nullptr;
};

class ReactionRecorder;

enum BoardMouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

class RunController {
public:
    RunController(OrvelState& state, BoardView& view, RunTimers& timers, RunActions actions);

    // Scanning steps and switch selections are told to it (the reaction record); may be null.
    void set_reaction_recorder(ReactionRecorder* recorder) { recorder_ = recorder; }

    // The board is on screen (run mode); the execution tick acts only then.
    void set_board_shown(bool shown) { board_shown_ = shown; }
    bool board_shown() const { return board_shown_; }

    // Every activation of the main window: empties the memory register and
    // recomputes the board's scale from the screen.
    void Form_Activate(QSize screen_pixels);
    BoardScale scale() const { return {state_.ratio_x, state_.ratio_y}; }

    // Starts the chosen access method on entering run mode: cursor, level and
    // pending area reset, scanning timer or first highlight.
    void start_access_method();
    // The access-method menu was chosen: its dialogs run with scanning and the
    // focus keeper stopped.
    void pause_for_access_menu();
    // The access method was changed from the menu while the board is shown.
    void restart_access_method();
    // Another board was loaded in run mode (or by the load command).
    void board_changed();

    void highlight_area(int index);
    void present_area(int index);
    void stop_highlight();
    void start_scan_timer();
    void scan_step();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    // The short tick while a held switch or a dwell is timed.
    void Timer4_Timer();

    void act_butons(int code, const QString& text);

    void Tauvirt_KeyDown(int key_code);
    void Tauvirt_KeyPress(QChar character);
    void Tauvirt_MouseDown(int button, double x, double y);
    void Tauvirt_MouseMove(double x, double y);
    // Called for a click of either button (the window raises it on release).
    void Tauvirt_Click();
    void Tauvirt_DblClick();
    // A switch (a key or a mouse button) went down or up on the board; the key or
    // mouse handler that follows a down belongs to it. `repeat` is the
    // keyboard's auto-repeat of a key still held.
    void Tauvirt_SwitchDown(int id, bool repeat);
    void Tauvirt_SwitchUp(int id);

    // Automatic scanning stopped after its rounds without a selection.
    bool scanning_rests() const { return resting_; }
    // Where row scanning stands (the start when rows are not scanned).
    RowScanPosition row_position() const { return row_pos_; }

private:
    bool cursor_mode() const;
    void place_cursor_on_last_area();
    void apply_frame_style();
    void show_frame_over(const Area& a);
    void switch_acts(int sw);
    void select_highlighted(bool at_once);
    bool filtering() const;
    // Row scanning applies to the current level (its rows are brought up to date).
    bool rows_apply();
    void show_row_position();
    bool rounds_done(int round_length) const;
    void set_step_time(bool first_of_level);
    int step_time_ms(bool first_of_level) const;
    void rest();
    void resume();
    void reset_scan_progress();
    void dwell_over(double x, double y);

    OrvelState& state_;
    BoardView& view_;
    RunTimers& timers_;
    RunActions actions_;
    ReactionRecorder* recorder_ = nullptr;
    int64_t pressed_at_ = 0;  // when the last switch press went down (clock_)
    bool board_shown_ = false;
    double last_mouse_x_ = 0;
    double last_mouse_y_ = 0;

    std::unique_ptr<Clock> own_clock_;
    Clock* clock_ = nullptr;
    PressFilter filter_;
    DwellSelection dwell_;
    int press_id_ = -1;             // the switch whose handlers run now
    std::vector<ScanRow> rows_;
    int rows_level_ = -1;           // the level rows_ belong to
    RowScanPosition row_pos_;
    int steps_since_press_ = 0;     // automatic steps (rows, not cells) since the last press
    int step_ms_ = 0;               // the step interval last set
    bool resting_ = false;
};

}  // namespace orvel
