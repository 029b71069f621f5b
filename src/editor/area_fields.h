#pragma once
// The area panel's rules, without a display: file names stored relative to the
// board's folder, text inserted at the caret, and what the "Veure" buttons may open.
#include <QString>

namespace orvel {

// A chosen file's name as the board stores it: relative to the board's folder when
// it lies inside it (folders compared without regard to letter case, "/" or "\"
// separating folders; the stored name uses "/"), otherwise unchanged.
QString relative_path(const QString& file_name, const QString& board_folder);

struct CaretText {
    QString text;
    int caret = 0;  // after the inserted text
};

// `insert` placed at the caret (clamped into the text): the text before the caret,
// the insertion, then the rest. A selection is not replaced.
CaretText insert_at_caret(const QString& text, int caret, const QString& insert);

// The "Veure" buttons open .PCX and .BMP pictures (both fields) and .WRI and .TXT
// texts (the clipboard file) in the desktop's default application; other kinds are
// refused with "No es pot activar el fitxer de l'imatge".
enum class ViewerKind { VisualSymbol, ClipboardFile };
bool viewer_accepts(ViewerKind kind, const QString& file_name);

}  // namespace orvel
