#include "editor/area_fields.h"

#include <algorithm>

#include "model/file_names.h"

namespace orvel {

QString relative_path(const QString& file_name, const QString& board_folder)
{
    return relative_to_folder(file_name, board_folder);
}

CaretText insert_at_caret(const QString& text, int caret, const QString& insert)
{
    const int at = std::clamp(caret, 0, static_cast<int>(text.size()));
    return {text.left(at) + insert + text.mid(at), at + static_cast<int>(insert.size())};
}

}  // namespace orvel
