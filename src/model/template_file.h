#pragma once
// Reading and writing board files (.ORV).
#include <QString>

#include "model/template.h"

namespace orvel {

class MessageBoxes;

enum class LoadOutcome {
    NothingToLoad,  // empty path
    Read,           // the file was read (read errors, if any, were reported)
    Refused,        // "Format incorrecte" or a newer format: the template stays reset
    Missing,        // the file does not exist or cannot be opened
};

// Reads the board at path into t (reset first). A relative path resolves against
// t.directory; t.directory becomes the board's folder. Every problem is reported
// through messages with the board's own texts.
LoadOutcome load_template(Template& t, const QString& path, MessageBoxes& messages);

// Writes t to path (replacing it through a temporary file renamed over it, so the
// old file survives any failure), without changing any field. False on failure,
// with the reason in *error.
bool write_template(const Template& t, const QString& path, QString* error = nullptr);

}  // namespace orvel
