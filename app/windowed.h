#pragma once
// The windowed program: the editor, or run mode when a board is named.

namespace orvel::cli {

// Exit status 0, or 1 when another copy is running or there is no display.
int windowed(int argc, char** argv);

}  // namespace orvel::cli
