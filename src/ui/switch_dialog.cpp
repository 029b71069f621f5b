#include "ui/switch_dialog.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "runtime/frame_style.h"

namespace orvel {

namespace {
const char* const kOptionCaptions[kSwitchOptionCount] = {
    "Qualsevol tecla", "Tecla {ENTER}", "Tecla {ESPAI}",       "Tecla de la llista", "Moure el ratolí",
    "Clic esquerra",   "Doble clic esquerra", "Clic dret", "Doble clic dret",
};
constexpr int kKeyboardOptions = 4;  // options 0..3 are keys, 4..8 the mouse
}  // namespace

usr::usr(UserProfile& profile, int pulsador, const QString& caption, QWidget* parent)
    : QDialog(parent), profile_(profile), pulsador_(pulsador)
{
    setObjectName(QStringLiteral("usr"));
    setWindowTitle(caption.isEmpty() ? QStringLiteral("Configuració Pulsador") : caption);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    auto* switch_row = new QHBoxLayout;
    auto* label = new QLabel(QString::number(pulsador_));
    label->setObjectName(QStringLiteral("pulsador"));
    switch_row->addWidget(new QLabel(QStringLiteral("Pulsador")));
    switch_row->addWidget(label);
    switch_row->addStretch();
    layout->addLayout(switch_row);

    auto* groups = new QHBoxLayout;
    auto* keyboard = new QGroupBox(QStringLiteral("Teclat"));
    auto* mouse = new QGroupBox(QStringLiteral("Ratolí"));
    auto* keyboard_column = new QVBoxLayout(keyboard);
    auto* mouse_column = new QVBoxLayout(mouse);
    auto* exclusive = new QButtonGroup(this);
    for (int i = 0; i < kSwitchOptionCount; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(kOptionCaptions[i]));
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
    form->addRow(QStringLiteral("Llista de tecles "), llista_tecles_);
    form->addRow(QStringLiteral("Temps de presentació"), temps_);
    form->addRow(QStringLiteral("Temps d'acció"), retard_);
    form->addRow(QStringLiteral("Gruix del marc"), Gruix_);
    marc_color_ = new QLabel;
    marc_color_->setObjectName(QStringLiteral("marc_color"));
    marc_color_->setFixedSize(48, 20);
    marc_color_->setAutoFillBackground(true);
    auto* color_button = new QPushButton(QStringLiteral("Color del marc"));
    color_button->setObjectName(QStringLiteral("Command1"));
    connect(color_button, &QPushButton::clicked, this, [this] { Command1_Click(); });
    auto* color_row = new QHBoxLayout;
    color_row->addWidget(marc_color_);
    color_row->addWidget(color_button);
    form->addRow(color_row);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* accept = new QPushButton(QStringLiteral("Acceptar"));
    accept->setObjectName(QStringLiteral("buto_0"));
    accept->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"));
    cancel->setObjectName(QStringLiteral("buto_1"));
    connect(accept, &QPushButton::clicked, this, [this] { buto_Click(0); });
    connect(cancel, &QPushButton::clicked, this, [this] { buto_Click(1); });
    buttons->addStretch();
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    set_frame_color(profile_.color);
    pulsador_Change();
}

void usr::set_frame_color(double color)
{
    color_ = color;
    const Rgb rgb = rgb_from_color_number(color);
    QPalette p = marc_color_->palette();
    p.setColor(QPalette::Window, QColor(rgb.red, rgb.green, rgb.blue));
    marc_color_->setPalette(p);
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
    f.frame_color = color_;
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

void usr::Command1_Click()
{
    const Rgb rgb = rgb_from_color_number(color_);
    const QColor chosen =
        QColorDialog::getColor(QColor(rgb.red, rgb.green, rgb.blue), this, QStringLiteral("Color del marc"));
    if (chosen.isValid())
        set_frame_color(color_number_from_rgb({chosen.red(), chosen.green(), chosen.blue()}));
}

}  // namespace orvel
