#include "ui/joystick_dialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "runtime/joystick_dialog_rules.h"
#include "ui/dialog_buttons.h"
#include "ui/frame_color_box.h"

namespace orvel {

USR_JOYSTIC::USR_JOYSTIC(UserProfile& profile, QWidget* parent) : QDialog(parent), profile_(profile)
{
    setObjectName(QStringLiteral("USR_JOYSTIC"));
    setWindowTitle(tr("Josytick"));
    setMinimumWidth(420);
    const JoystickDialogFields f = joystick_dialog_fields(profile_);

    auto* layout = new QVBoxLayout(this);
    auto* method = new QGroupBox;
    auto* method_row = new QHBoxLayout(method);
    auto* exclusive = new QButtonGroup(this);
    const char* const captions[2] = {"Joystick", "Multimouse"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(captions[i]));
        b->setObjectName(QStringLiteral("modus_%1").arg(i));
        exclusive->addButton(b, i);
        method_row->addWidget(b);
        modus_[static_cast<size_t>(i)] = b;
    }
    // The method follows from the detection; the buttons only show it.
    if (profile_.modus == 4)
        modus_[0]->setChecked(true);
    else if (profile_.modus == 8)
        modus_[1]->setChecked(true);
    layout->addWidget(method);

    auto* form = new QFormLayout;
    const char* const labels[2] = {QT_TR_NOOP("Sensibilitat"), QT_TR_NOOP("Intensitat")};
    const int minimum[2] = {kSensitivityMin, kPollTenthsMin};
    const int maximum[2] = {kSensitivityMax, kPollTenthsMax};
    const int value[2] = {f.sensitivity, f.poll_tenths};
    for (int i = 0; i < 2; ++i) {
        auto* bar = new QScrollBar(Qt::Horizontal);
        bar->setObjectName(QStringLiteral("HScroll1_%1").arg(i));
        bar->setAccessibleName(QString::fromLatin1(labels[i]));
        bar->setRange(minimum[i], maximum[i]);
        bar->setMinimumWidth(180);
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("intensitat_%1").arg(i));
        box->setAccessibleName(QStringLiteral("intensitat_%1").arg(i));
        box->setReadOnly(true);
        box->setMaximumWidth(60);
        HScroll1_[static_cast<size_t>(i)] = bar;
        intensitat_[static_cast<size_t>(i)] = box;
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        auto* row = new QHBoxLayout;
        row->addWidget(bar);
        row->addWidget(box);
        form->addRow(tr(labels[i]), row);
        bar->setValue(value[i]);
        HScroll1_Change(i);
    }
    Gruix_ = new QLineEdit(f.frame_width);
    Gruix_->setObjectName(QStringLiteral("Gruix"));
    Gruix_->setAccessibleName(QStringLiteral("Gruix del marc"));
    form->addRow(tr("Gruix del marc"), Gruix_);
    color_box_ = new FrameColorBox(f.frame_color);
    form->addRow(color_box_);
    layout->addLayout(form);

    add_accept_cancel(this, layout, [this](int index) { buto_Click(index); });
}

void USR_JOYSTIC::HScroll1_Change(int i)
{
    intensitat_[static_cast<size_t>(i)]->setText(scroll_value_text(HScroll1_[static_cast<size_t>(i)]->value()));
}

void USR_JOYSTIC::buto_Click(int index)
{
    if (index == 0) {
        JoystickDialogFields f;
        f.frame_width = Gruix_->text();
        f.frame_color = color_box_->color();
        accept_joystick_dialog(profile_, intensitat_[0]->text(), intensitat_[1]->text(), f);
        accept();
        return;
    }
    reject();
}

void USR_JOYSTIC::reject()
{
    cancel_joystick_dialog(profile_);
    QDialog::reject();
}

}  // namespace orvel
