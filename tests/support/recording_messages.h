#pragma once
// Message boxes that record what the program would have shown.
#include <QString>
#include <QStringList>

#include "platform/message_boxes.h"
#include "support/qt_printers.h"

namespace orvel::testing {

class RecordingMessages : public MessageBoxes {
public:
    void show(const QString& text, const QString& title, MessageIcon icon) override
    {
        texts << text;
        titles << title;
        last_icon = icon;
    }
    bool ask_yes_no(const QString& text, const QString& title) override
    {
        show(text, title, MessageIcon::Question);
        return answer_yes;
    }

    QStringList texts;
    QStringList titles;
    MessageIcon last_icon = MessageIcon::None;
    bool answer_yes = false;
};

}  // namespace orvel::testing
