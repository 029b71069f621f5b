#pragma once
// Where the files of a set are read from: an .obz archive, or the folder of a loose
// .obf board (whose links name sibling boards and pictures beside it). Either way only
// names inside the set are read: no "..", no absolute names, no symbolic links.
#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "interchange/zip_set.h"

namespace orvel::obf {

class SetSource {
public:
    virtual ~SetSource() = default;
    // The file's bytes, or nullopt with *why set.
    virtual std::optional<QByteArray> read(const QString& name, QString* why) = 0;
    // The boards the set holds, when it cannot say through a manifest.
    virtual std::vector<QString> board_names() const = 0;
};

// Opens an .obz (any file that is a zip archive) or a loose .obf; *first is the board
// to start from ("" for an archive: its manifest says). nullptr with *why set when
// the file cannot be read at all.
std::unique_ptr<SetSource> open_set(const QString& path, QString* first, QString* why);

// A stored name made canonical: "/" separators, no "./" parts.
QString normalized_name(const QString& name);

}  // namespace orvel::obf
