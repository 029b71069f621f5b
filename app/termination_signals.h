#pragma once
// SIGTERM and SIGINT end the program within a second and never leave a key down
// in the X server. The program is first asked to end as it would on its own
// (typing stops between two strokes, the event loop quits); when it is held in a
// blocking wait, a watcher releases the keys on its own X connection and ends
// the process.
namespace orvel::cli {

class TerminationSignals {
public:
    // Installs the handlers (before the audio library starts).
    TerminationSignals();
    // The program ended by itself: the watcher stands down.
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // True once a signal arrived.
    static bool requested();
};

}  // namespace orvel::cli
