#pragma once
// A microphone that a test opens or refuses, and speaks into by hand.
#include "platform/sound_input.h"

namespace orvel::testing {

class FakeSoundInput : public SoundInput {
public:
    bool start(Sink s) override
    {
        ++starts;
        if (!available)
            return false;
        sink = std::move(s);
        return true;
    }
    void stop() override { sink = nullptr; }
    bool lost() override { return gone; }
    QString error() const override { return QStringLiteral("no device"); }

    bool available = true;
    bool gone = false;
    int starts = 0;
    Sink sink;
};

}  // namespace orvel::testing
