#pragma once
// The command builder's control caption list: each row editor, as it opens,
// appends one line per captioned control to a scratch file ("orvmis.txt" in
// the user's state folder), as: window caption, " index", "caption" in quotes.
#include <QString>
#include <utility>
#include <vector>

namespace orvel {

inline constexpr char kCaptionListFileName[] = "orvmis.txt";

// False when the file could not be written (the builder opens anyway).
bool append_control_captions(const QString& path, const QString& window_caption,
                             const std::vector<std::pair<int, QString>>& controls);

}  // namespace orvel
