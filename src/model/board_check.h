#pragma once
// What would go wrong when a board runs (orvel --check): missing files and programs,
// commands never closed, unknown command words, keys that cannot be typed, an area 1
// larger than the screen, areas outside it, and parents scanning never reaches.
#include <QString>
#include <QStringList>
#include <functional>

#include "model/template.h"

namespace orvel {

// What the check asks of the rest of the program; a check left empty is not made.
struct BoardCheckTools {
    // The failure code of sending this run of keys (key_notation.h), 0 when it can be typed.
    std::function<int(const QString& run)> key_run_error;
    // True when the program text (a program and its arguments) names a program that starts.
    std::function<bool(const QString& program_text)> program_found;
};

// The problems of a key text, one line each, file names resolved against folder. The
// text is cut as the executor cuts it, and the branches of conditionals ("{|SIM" in exact
// capitals) are checked as key texts of their own. The work is linear in the text's
// length, however deeply conditionals nest.
QStringList key_text_problems(const QString& keys, const QString& folder, const BoardCheckTools& tools = {});

// Every problem of the board, one line each ("WHERE: WHAT"); t.directory is the folder
// against which stored names resolve. Empty when there is nothing to report.
QStringList check_board(const Template& t, const BoardCheckTools& tools = {});

}  // namespace orvel
