#pragma once
// Typing into the window that has the input focus, in the board's key notation:
// literal characters, {KEY NAME count}, the modifiers + ^ % on a character, key
// name or (group), ~ for Enter, and the braced special characters.
#include <QString>

namespace orvel {

class KeySender {
public:
    virtual ~KeySender() = default;
    // Types one run of keys. Returns 0, or a failure code (listed in the README)
    // for an unknown key name or a malformed group; nothing of a run that fails
    // to parse is typed. Every key and modifier pressed is released before it returns.
    virtual int send_keys(const QString& notation) = 0;
    // Returns once the target has read everything sent so far; false when it did
    // not within a time scaled to what it was sent.
    virtual bool wait_until_processed() = 0;
    // Waits as above, then gives back whatever the keyboard was lent for typing.
    // False when the target had not read its keys by then.
    virtual bool finish() { return wait_until_processed(); }
};

}  // namespace orvel
