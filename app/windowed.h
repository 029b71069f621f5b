#pragma once
// The windowed program: the editor, or run mode when a board is named.

namespace orvel::cli {

// The desktop entry's way of starting Orvel: "orvel --start [BOARD.ORV]".
inline constexpr char kStartOption[] = "--start";
// The boards "--start" opens when it is given none, in the program's folder: the first
// of them that is there (the communication board, else the example board).
inline constexpr const char* kStartBoards[] = {"boards/comunicacio/COMUNICACIO.ORV", "boards/EXEMPLE.ORV"};

// Exit status 0, or 1 when another copy is running or there is no X display.
int windowed(int argc, char** argv);

}  // namespace orvel::cli
