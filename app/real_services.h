#pragma once
// The program's real back ends, owned in one place and handed out as Services.
// One block per facility: adding one is a member, a line in the constructor and
// a line filling services_.
#include <QString>
#include <memory>

#include "platform/clock.h"
#include "platform/services.h"

namespace orvel {

class MessageBoxes;
class X11Display;
class X11KeySender;
class X11WindowSystem;
class X11MouseDevice;
class QtProcessLauncher;
class QtClipboard;
class SpeechAndSound;
class SqliteRegistryStore;
class SdlJoystick;
class SdlSoundInput;

class RealServices {
public:
    // Opens the X display named by $DISPLAY. Message boxes are the caller's
    // (Qt boxes for the board, stderr lines for headless modes).
    explicit RealServices(MessageBoxes& messages);
    ~RealServices();
    RealServices(const RealServices&) = delete;
    RealServices& operator=(const RealServices&) = delete;

    // False when there is no usable display; error() says why.
    bool has_display() const;
    QString error() const { return error_; }

    Services& services() { return services_; }

    // Before a headless run exits: lets the speech end and stops the music.
    void finish_sounds();

private:
    SteadyClock clock_;

    // Keys, windows and the pointer share one X connection.
    std::unique_ptr<X11Display> display_;
    std::unique_ptr<X11KeySender> keys_;
    std::unique_ptr<X11WindowSystem> windows_;
    std::unique_ptr<X11MouseDevice> mouse_;

    // Programs started by boards.
    std::unique_ptr<QtProcessLauncher> launcher_;

    // The clipboard (needs a QGuiApplication).
    std::unique_ptr<QtClipboard> clipboard_;

    // Speech, WAV and MIDI through the one audio device, and the outside text reader.
    std::unique_ptr<SpeechAndSound> speech_and_sound_;

    // The registry store: an SQLite database in the user's data folder.
    std::unique_ptr<SqliteRegistryStore> registry_;

    // Joysticks (SDL2).
    std::unique_ptr<SdlJoystick> joystick_;

    // The microphone (SDL2 capture).
    std::unique_ptr<SdlSoundInput> sound_input_;

    QString error_;
    Services services_;
};

}  // namespace orvel
