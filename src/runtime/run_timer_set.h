#pragma once
// Run mode's three timers as QTimers: the execution tick (Timer1), the focus
// keeper (Timer2, 100 ms) and the scanning step (Timer3). The tick also runs in
// the editor, so the timers belong to the program rather than to the board.
#include <QTimer>

#include "runtime/board_view.h"

namespace orvel {

class RunTimerSet : public RunTimers {
public:
    RunTimerSet();
    ~RunTimerSet() override;

    QTimer& Timer1() { return Timer1_; }
    QTimer& Timer2() { return Timer2_; }
    QTimer& Timer3() { return Timer3_; }
    QTimer& Timer4() { return Timer4_; }
    void stop_all();

    void set_execution_interval(int milliseconds) override;
    void set_focus_keeper_running(bool running) override;
    void set_step_interval(int milliseconds) override;
    void set_step_running(bool running) override;
    bool step_running() const override;
    void set_fine_tick_running(bool running) override;

private:
    QTimer Timer1_;  // execution tick
    QTimer Timer2_;  // focus keeper
    QTimer Timer3_;  // scanning step
    QTimer Timer4_;  // timing of held switches and dwells
};

}  // namespace orvel
