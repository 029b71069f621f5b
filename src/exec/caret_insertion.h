#pragma once
// Inserting a text at the caret of a text field, as the command menus and the
// auxiliary keyboard do: the text before the caret, the new text, the rest;
// the caret ends right after the new text.
#include <QString>

namespace orvel {

struct CaretEdit {
    QString text;
    int caret = 0;
};

// The caret counts the characters before it; one outside the text is held to its ends.
CaretEdit insert_at_caret(const QString& text, int caret, const QString& inserted);

}  // namespace orvel
