#include "ui/qt_message_boxes.h"

#include <QMessageBox>

namespace orvel {

namespace {
QMessageBox::Icon qt_icon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

void QtMessageBoxes::show(const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(qt_icon(icon), title, text, QMessageBox::Ok, parent_.data());
    // The board may be topmost: the box must not open behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtMessageBoxes::ask_yes_no(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent_.data());
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace orvel
