#include "ui/text_field_insertion.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>


namespace orvel {

namespace {

// The text goes in through the field's own caret rather than the whole text
// being replaced, so the field's undo history stays usable.
template <typename TextBox>
bool insert_into_text_box(TextBox* box, const QString& text)
{
    QTextCursor cursor = box->textCursor();
    cursor.clearSelection();
    cursor.insertText(text);
    box->setTextCursor(cursor);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

}  // namespace

bool is_text_field(const QWidget* field)
{
    return qobject_cast<const QLineEdit*>(field) || qobject_cast<const QPlainTextEdit*>(field) ||
           qobject_cast<const QTextEdit*>(field);
}

bool insert_into_field(QWidget* field, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->deselect();  // the caret stays where it was
        line->insert(text);
        line->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return insert_into_text_box(plain, text);
    if (auto* rich = qobject_cast<QTextEdit*>(field))
        return insert_into_text_box(rich, text);
    return false;
}

}  // namespace orvel
