#pragma once
// What would go wrong when a board runs (orvel --check): missing files, commands never
// closed, unknown command words, areas outside the root area, parents that name no group.
#include <QString>
#include <QStringList>

#include "model/template.h"

namespace orvel {

// One command cut from a key text as the executor cuts it: from "{|" up to,
// not including, its closing brace (nesting counted), or up to the text's last
// character when it is never closed.
struct CutCommand {
    QString text;
    bool closed = true;
};

// The commands of a key text in order, as the executor would hand them on. The branches
// of a conditional ("{|SIM" in exact capitals) are not entered here.
QList<CutCommand> cut_commands(const QString& keys);

// The branch texts of a conditional command (as evaluate_conditional finds them): none when
// it has no blank after its value, else the true branch and, when present, the false one.
QStringList conditional_branches(const QString& command);

// The problems of a key text, one line each, file names resolved against folder.
// Commands inside the branches of conditionals are checked too.
QStringList key_text_problems(const QString& keys, const QString& folder);

// Every problem of the board, one line each ("WHERE: WHAT"); t.directory is the folder
// against which stored names resolve. Empty when there is nothing to report.
QStringList check_board(const Template& t);

}  // namespace orvel
