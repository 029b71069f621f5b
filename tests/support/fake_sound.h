#pragma once
// Sound output that records what would have been played, in order:
// "wave NAME", "midi NAME", "stop".
#include <QString>
#include <QStringList>

#include "platform/sound_output.h"

namespace orvel::testing {

class FakeSound : public SoundOutput {
public:
    bool play_wave(const QString& file) override
    {
        calls << QStringLiteral("wave ") + file;
        return succeed;
    }
    bool play_midi(const QString& file) override
    {
        calls << QStringLiteral("midi ") + file;
        return succeed;
    }
    void stop_music() override { calls << QStringLiteral("stop"); }

    bool succeed = true;
    QStringList calls;
};

}  // namespace orvel::testing
