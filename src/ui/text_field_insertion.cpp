#include "ui/text_field_insertion.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

#include "exec/caret_insertion.h"

namespace orvel {

namespace {

// Text boxes keep a document: the text goes in through the caret rather than
// the whole text being replaced, so the box's undo history stays usable.
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
        const CaretEdit e = insert_at_caret(line->text(), line->cursorPosition(), text);
        line->setText(e.text);
        line->setFocus(Qt::OtherFocusReason);
        line->setCursorPosition(e.caret);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return insert_into_text_box(plain, text);
    if (auto* rich = qobject_cast<QTextEdit*>(field))
        return insert_into_text_box(rich, text);
    return false;
}

}  // namespace orvel
