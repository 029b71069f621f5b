#pragma once
// The trained words of one person: a binary file in the user's data folder
// ("veu/NAME.VEU", NAME from the last profile loaded). It is written to a
// temporary file and renamed over the old one, so a failed save keeps the old
// words; reading checks every count and a checksum, so a truncated or garbled
// file is refused whole.
#include <QString>
#include <optional>
#include <vector>

#include "model/folders.h"
#include "runtime/voice/word_matcher.h"

namespace orvel {

// The word file of the person whose profile Orvel.INI names ("usuari"), or of
// the unnamed user.
QString default_word_file(const Folders& folders);

// False, with the reason, when the file could not be written.
bool write_word_file(const QString& path, const std::vector<WordModel>& words, QString* error);

// The words and their examples; empty, with the reason, when the file is
// missing, truncated, garbled or from another version.
std::optional<std::vector<WordModel>> read_word_file(const QString& path, QString* error);

}  // namespace orvel
