#pragma once
// Message boxes: the program's only way of telling the user that something failed.
// Without a display each box is one line on stderr.
#include <QString>

namespace orvel {

enum class MessageIcon { None, Critical, Exclamation, Information, Question };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text, const QString& title = QStringLiteral("Orvel"),
                      MessageIcon icon = MessageIcon::None) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask_yes_no(const QString& text, const QString& title = QStringLiteral("Orvel")) = 0;
};

// One line per box on stderr: the box's text with its line breaks folded into the line.
// Questions are answered No, so nothing is saved or discarded without a person.
class StderrMessageBoxes : public MessageBoxes {
public:
    void show(const QString& text, const QString& title, MessageIcon icon) override;
    bool ask_yes_no(const QString& text, const QString& title) override;

    static QString as_one_line(const QString& text);
};

}  // namespace orvel
