#pragma once
// The area panel's rules, without a display: file names stored relative to the
// board's folder and text inserted at the caret.
#include <QString>

namespace orvel {

// A chosen file's name as the board stores it: relative to the board's folder when
// it lies inside it (the model's relative_to_folder: letter case ignored, "/" or
// "\" separating folders, two drive letters never the same folder), else unchanged.
QString relative_path(const QString& file_name, const QString& board_folder);

struct CaretText {
    QString text;
    int caret = 0;  // after the inserted text
};

// `insert` placed at the caret (clamped into the text): the text before the caret,
// the insertion, then the rest. A selection is not replaced.
CaretText insert_at_caret(const QString& text, int caret, const QString& insert);

}  // namespace orvel
