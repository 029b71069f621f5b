#include "platform/typing_stop.h"

#include <atomic>

namespace orvel {

namespace {
std::atomic<bool> stop_requested{false};
}

void request_typing_stop()
{
    stop_requested.store(true);
}

bool typing_stop_requested()
{
    return stop_requested.load();
}

}  // namespace orvel
