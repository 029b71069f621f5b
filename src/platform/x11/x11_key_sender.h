#pragma once
// Types key runs into the focused window through XTest, with any keyboard layout.
#include "platform/key_sender.h"

#include <memory>

namespace orvel {

class X11Display;
class X11KeyLending;
class X11TargetReading;

class X11KeySender : public KeySender {
public:
    // The display must outlive the sender: the keycodes it lent are emptied when it goes.
    explicit X11KeySender(X11Display& display);
    ~X11KeySender() override;
    int send_keys(const QString& notation) override;
    // Pings the windows typed into, or gives those that do not answer pings a
    // time scaled to what they were sent (see X11TargetReading).
    bool wait_until_processed() override;
    bool finish() override;

private:
    void start_lending();

    X11Display& m_display;
    std::unique_ptr<X11TargetReading> m_reading;  // outlives the lending, which waits through it
    std::unique_ptr<X11KeyLending> m_lending;
};

}  // namespace orvel
