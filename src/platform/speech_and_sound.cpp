#include "platform/speech_and_sound.h"

#include "platform/services.h"

namespace orvel {

void SpeechAndSound::install(Services& services)
{
    services.sound = &sound_;
    services.speech = &speech_;
    services.text_reader = &reader_;
}

void SpeechAndSound::finish()
{
    speech_.wait_until_silent();
    sound_.stop_music();
}

}  // namespace orvel
