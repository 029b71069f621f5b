#pragma once
// The check's questions (can these keys be typed, does this program start) answered the
// way run mode answers them: the key sender's own parser, the catalogue and the launcher's
// program search.
#include "model/board_check.h"
#include "model/catalogue.h"

namespace orvel {

// board_folder is where programs are also looked for. The catalogue must outlive the tools.
BoardCheckTools board_check_tools(const Catalogue& catalogue, const QString& board_folder);

}  // namespace orvel
