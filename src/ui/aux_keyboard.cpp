#include "ui/aux_keyboard.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTimer>

namespace orvel {

AuxKeyboard::AuxKeyboard(QWidget* window_parent, NotationTargets targets, CommandFilePicker& picker)
    : QObject(window_parent), window_parent_(window_parent), targets_(std::move(targets)), picker_(picker)
{
    tecAux_ = new QAction(tr("&Teclat auxiliar"), this);
    tecAux_->setObjectName(QStringLiteral("tecAux"));
    tecAux_->setCheckable(true);
    // The action has flipped its own mark by the time it triggers.
    connect(tecAux_, &QAction::triggered, this, [this](bool on) { set_checked(on); });
}

AuxKeyboard::~AuxKeyboard()
{
    close_window();
}

void AuxKeyboard::bind_check_box(QCheckBox* box)
{
    check_box_ = box;
    if (!box)
        return;
    box->setChecked(checked());
    connect(box, &QCheckBox::clicked, this, [this](bool on) { set_checked(on); });
}

void AuxKeyboard::toggle()
{
    set_checked(!checked());
}

bool AuxKeyboard::checked() const
{
    return tecAux_->isChecked();
}

void AuxKeyboard::set_checked(bool on)
{
    tecAux_->setChecked(on);
    if (check_box_)
        check_box_->setChecked(on);
    if (on)
        show_window();
    else
        close_window();
}

void AuxKeyboard::open()
{
    set_checked(true);
}

void AuxKeyboard::show_window()
{
    // A modal dialog (global data, command builder) blocks every window but its
    // own: the keyboard then belongs to that dialog.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = window_parent_;
    if (window_ && window_->parentWidget() != owner)
        close_window();
    if (!window_) {
        window_ = new TecVirt(targets_, picker_, owner);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->closed_by_user = [this] {
            window_.clear();  // it deletes itself
            set_checked(false);
        };
        // Gone with the dialog it belonged to: it comes back over the main window.
        connect(window_, &QObject::destroyed, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (checked() && !window_)
                    show_window();
            });
        });
    }
    window_->show();
}

void AuxKeyboard::close_window()
{
    // A closed keyboard deletes itself later; a new one is made when it is shown again.
    if (TecVirt* w = window_) {
        window_.clear();
        w->close_quietly();
    }
}

void AuxKeyboard::close_aux_keyboard()
{
    set_checked(false);
}

void AuxKeyboard::close_for_command()
{
    close_window();
}

void AuxKeyboard::reopen_if_checked()
{
    if (checked())
        show_window();
}

}  // namespace orvel
