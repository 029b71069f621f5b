#pragma once
// Message boxes of the windowed program, as modal Qt boxes over the main window.
#include <QPointer>
#include <QWidget>

#include "platform/message_boxes.h"

namespace orvel {

class QtMessageBoxes : public MessageBoxes {
public:
    void set_parent(QWidget* parent) { parent_ = parent; }
    void show(const QString& text, const QString& title, MessageIcon icon) override;
    bool ask_yes_no(const QString& text, const QString& title) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace orvel
