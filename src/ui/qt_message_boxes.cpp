#include "ui/qt_message_boxes.h"

#include <QMessageBox>

namespace orvel {

namespace {
// A box over a window not shown yet would make that window before its time, at a
// place that puts its title bar above the screen when it is shown: such a box
// stands alone.
QWidget* shown(QWidget* parent)
{
    return parent && parent->isVisible() ? parent : nullptr;
}

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
    QMessageBox box(qt_icon(icon), title, text, QMessageBox::Ok, shown(parent_.data()));
    // The board may be topmost: the box must not open behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool QtMessageBoxes::ask_yes_no(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, shown(parent_.data()));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace orvel
