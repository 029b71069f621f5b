#pragma once
// Inserting a text at the caret of a text field on screen (a one-line field or
// a text box), then giving the field the focus with the caret after the text.
#include <QString>

class QWidget;

namespace orvel {

// True for the kinds of field insert_into_field can write into.
bool is_text_field(const QWidget* field);

// Does nothing (false) when field is null or not a text field. A selection is
// not replaced: the text goes in at the caret.
bool insert_into_field(QWidget* field, const QString& text);

}  // namespace orvel
