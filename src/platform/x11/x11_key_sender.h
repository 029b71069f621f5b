#pragma once
// Types key runs into the focused window through XTest, with any keyboard layout.
#include "platform/key_sender.h"

#include <memory>

namespace orvel {

class X11Display;
class X11KeyLending;

class X11KeySender : public KeySender {
public:
    // The display must outlive the sender: the keycodes it lent are emptied when it goes.
    explicit X11KeySender(X11Display& display);
    ~X11KeySender() override;
    int send_keys(const QString& notation) override;
    // Synchronises with the server, then gives the target a fixed, short moment
    // to read the events (there is no way to ask a client whether it has).
    void wait_until_processed() override;

private:
    X11Display& m_display;
    std::unique_ptr<X11KeyLending> m_lending;
};

}  // namespace orvel
