#include "ui/text_field_insertion.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

#include "exec/caret_insertion.h"

namespace orvel {

namespace {

// Text boxes keep a document: the caret is moved there rather than the whole
// text replaced, so the box's undo history stays usable.
void insert_into_document(QTextCursor cursor, const QString& text)
{
    cursor.clearSelection();
    cursor.insertText(text);
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
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        QTextCursor cursor = plain->textCursor();
        insert_into_document(cursor, text);
        plain->setTextCursor(cursor);
        plain->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        QTextCursor cursor = rich->textCursor();
        insert_into_document(cursor, text);
        rich->setTextCursor(cursor);
        rich->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

}  // namespace orvel
