#include "runtime/run_timer_set.h"

namespace orvel {

namespace {
constexpr int kFocusKeeperMs = 100;
constexpr int kDesignStepMs = 1000;
constexpr int kFineTickMs = 20;
}  // namespace

RunTimerSet::RunTimerSet()
{
    Timer1_.setObjectName(QStringLiteral("Timer1"));
    Timer2_.setObjectName(QStringLiteral("Timer2"));
    Timer3_.setObjectName(QStringLiteral("Timer3"));
    Timer2_.setInterval(kFocusKeeperMs);
    Timer3_.setInterval(kDesignStepMs);
    Timer4_.setObjectName(QStringLiteral("Timer4"));
    Timer4_.setInterval(kFineTickMs);
}

RunTimerSet::~RunTimerSet()
{
    stop_all();
}

void RunTimerSet::stop_all()
{
    Timer1_.stop();
    Timer2_.stop();
    Timer3_.stop();
    Timer4_.stop();
}

void RunTimerSet::set_execution_interval(int milliseconds)
{
    Timer1_.setInterval(milliseconds);
}

void RunTimerSet::set_focus_keeper_running(bool running)
{
    if (!running)
        Timer2_.stop();
    else if (!Timer2_.isActive())
        Timer2_.start();
}

void RunTimerSet::set_step_interval(int milliseconds)
{
    Timer3_.setInterval(milliseconds);
}

void RunTimerSet::set_step_running(bool running)
{
    if (!running)
        Timer3_.stop();
    else if (!Timer3_.isActive())
        Timer3_.start();
}

bool RunTimerSet::step_running() const
{
    return Timer3_.isActive();
}

}  // namespace orvel

namespace orvel {

void RunTimerSet::set_fine_tick_running(bool running)
{
    if (!running)
        Timer4_.stop();
    else if (!Timer4_.isActive())
        Timer4_.start();
}

}  // namespace orvel
