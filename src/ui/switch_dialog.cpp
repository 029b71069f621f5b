#include "ui/switch_dialog.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "runtime/frame_style.h"
#include "ui/dialog_buttons.h"
#include "ui/frame_color_box.h"

namespace orvel {

namespace {
const char* const kOptionCaptions[kSwitchOptionCount] = {
    QT_TRANSLATE_NOOP("orvel::usr", "Qualsevol tecla"),     QT_TRANSLATE_NOOP("orvel::usr", "Tecla {ENTER}"),
    QT_TRANSLATE_NOOP("orvel::usr", "Tecla {ESPAI}"),       QT_TRANSLATE_NOOP("orvel::usr", "Tecla de la llista"),
    QT_TRANSLATE_NOOP("orvel::usr", "Moure el ratolí"),     QT_TRANSLATE_NOOP("orvel::usr", "Clic esquerra"),
    QT_TRANSLATE_NOOP("orvel::usr", "Doble clic esquerra"), QT_TRANSLATE_NOOP("orvel::usr", "Clic dret"),
    QT_TRANSLATE_NOOP("orvel::usr", "Doble clic dret"),
};
constexpr int kKeyboardOptions = 4;  // options 0..3 are keys, 4..8 the mouse
}  // namespace

usr::usr(UserProfile& profile, int pulsador, const QString& caption, QWidget* parent)
    : QDialog(parent), profile_(profile), pulsador_(pulsador)
{
    setObjectName(QStringLiteral("usr"));
    setWindowTitle(caption.isEmpty() ? tr("Configuració Pulsador") : caption);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    auto* switch_row = new QHBoxLayout;
    auto* label = new QLabel(QString::number(pulsador_));
    label->setObjectName(QStringLiteral("pulsador"));
    switch_row->addWidget(new QLabel(tr("Pulsador")));
    switch_row->addWidget(label);
    switch_row->addStretch();
    layout->addLayout(switch_row);

    auto* groups = new QHBoxLayout;
    auto* keyboard = new QGroupBox(tr("Teclat"));
    auto* mouse = new QGroupBox(tr("Ratolí"));
    auto* keyboard_column = new QVBoxLayout(keyboard);
    auto* mouse_column = new QVBoxLayout(mouse);
    auto* exclusive = new QButtonGroup(this);
    for (int i = 0; i < kSwitchOptionCount; ++i) {
        auto* b = new QRadioButton(tr(kOptionCaptions[i]));
        b->setObjectName(QStringLiteral("Option1_%1").arg(i));
        exclusive->addButton(b, i);
        (i < kKeyboardOptions ? keyboard_column : mouse_column)->addWidget(b);
        Option1_[static_cast<size_t>(i)] = b;
    }
    groups->addWidget(keyboard);
    groups->addWidget(mouse);
    layout->addLayout(groups);

    auto* form = new QFormLayout;
    llista_tecles_ = new QLineEdit;
    llista_tecles_->setObjectName(QStringLiteral("llista_tecles"));
    temps_ = new QLineEdit(QStringLiteral("0"));
    temps_->setObjectName(QStringLiteral("retard_0"));
    retard_ = new QLineEdit(QStringLiteral("0"));
    retard_->setObjectName(QStringLiteral("retard_1"));
    Gruix_ = new QLineEdit(QString::number(profile_.gruix));
    Gruix_->setObjectName(QStringLiteral("Gruix"));
    form->addRow(tr("Llista de tecles "), llista_tecles_);
    form->addRow(tr("Temps de presentació"), temps_);
    form->addRow(tr("Temps d'acció"), retard_);
    form->addRow(tr("Gruix del marc"), Gruix_);
    color_box_ = new FrameColorBox(profile_.color);
    form->addRow(color_box_);
    layout->addLayout(form);

    add_accept_cancel(this, layout, [this](int index) { buto_Click(index); });

    pulsador_Change();
}

void usr::set_frame_color(double color)
{
    color_box_->set_color(color);
}

void usr::pulsador_Change()
{
    SwitchDialogFields f = fields();
    load_switch_fields(profile_, pulsador_, f);
    if (f.selected_option >= 0 && f.selected_option < kSwitchOptionCount)
        Option1_[static_cast<size_t>(f.selected_option)]->setChecked(true);
    llista_tecles_->setText(f.key_list);
    retard_->setText(f.action_time);
    temps_->setText(f.step_time);
}

SwitchDialogFields usr::fields() const
{
    SwitchDialogFields f;
    for (int i = 0; i < kSwitchOptionCount; ++i)
        if (Option1_[static_cast<size_t>(i)]->isChecked()) {
            f.selected_option = i;
            break;
        }
    f.key_list = llista_tecles_->text();
    f.step_time = temps_->text();
    f.action_time = retard_->text();
    f.frame_width = Gruix_->text();
    f.frame_color = color_box_->color();
    return f;
}

void usr::buto_Click(int index)
{
    if (index == 0) {
        // Refused values leave the dialog open, without a message.
        if (accept_switch_dialog(profile_, pulsador_, fields()))
            accept();
        return;
    }
    reject();
}

void usr::reject()
{
    cancel_switch_dialog(profile_);
    QDialog::reject();
}
}  // namespace orvel
