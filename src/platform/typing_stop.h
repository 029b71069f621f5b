#pragma once
// Asked for when the program is told to end (SIGTERM, SIGINT): typing stops
// between two strokes, with every key it holds released, and types nothing more.
// Safe to call from any thread.
namespace orvel {

void request_typing_stop();
bool typing_stop_requested();

}  // namespace orvel
