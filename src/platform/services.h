#pragma once
// The outside world as the program's logic sees it: one pointer per facility.
// The program fills it with the real back ends; tests fill it with recording fakes.
// A facility left null is absent (for example no speech engine).

namespace orvel {

class MessageBoxes;
class Clock;
class KeySender;       // typing key notation into the focused window (platform/key_sender.h)
class WindowSystem;    // top-level windows: list, title, activate, place, close (platform/window_system.h)
class MouseDevice;     // pointer motion and buttons (platform/mouse_device.h)
class ProcessLauncher; // starting programs without a shell (platform/process_launcher.h)
class Clipboard;       // text and pictures (platform/clipboard.h)
class SoundOutput;     // WAV (synchronous) and MIDI (background) playback (platform/sound_output.h)
class SpeechEngine;    // the six speech-engine operations (platform/speech_engine.h)
class TextReader;      // the outside reader of text files (platform/text_reader.h)
class RegistryStore;   // roots, keys and typed values (platform/registry_store.h)
class JoystickDevice;  // joystick positions and buttons (platform/joystick_device.h)
class SoundInput;      // the microphone (platform/sound_input.h)

struct Services {
    MessageBoxes* messages = nullptr;
    Clock* clock = nullptr;
    KeySender* keys = nullptr;
    WindowSystem* windows = nullptr;
    MouseDevice* mouse = nullptr;
    ProcessLauncher* processes = nullptr;
    Clipboard* clipboard = nullptr;
    SoundOutput* sound = nullptr;
    SpeechEngine* speech = nullptr;
    TextReader* text_reader = nullptr;
    RegistryStore* registry = nullptr;
    JoystickDevice* joystick = nullptr;
    SoundInput* sound_input = nullptr;
};

}  // namespace orvel
