#include "ui/switch_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
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

    // Settings that fit the scanning to the person; every time in milliseconds.
    auto* access = new QGroupBox(tr("Ajustos d'accés"));
    access->setObjectName(QStringLiteral("ajustos_acces"));
    auto* access_form = new QFormLayout(access);
    auto time_box = [&](const char* name, const QString& label, const QString& help) {
        auto* box = new QSpinBox;
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(0, 32767);
        box->setSingleStep(50);
        box->setSuffix(tr(" ms"));
        box->setSpecialValueText(tr("no"));
        box->setAccessibleName(label);
        box->setToolTip(help);
        access_form->addRow(label, box);
        return box;
    };
    acceptacio_ = time_box("acceptacio", tr("Temps d'acceptació"),
                           tr("Una pulsació compta només si es manté premuda aquest temps"));
    post_acceptacio_ = time_box("post_acceptacio", tr("Temps després d'acceptar"),
                                tr("Les pulsacions fetes durant aquest temps després d'una d'acceptada no compten"));
    retard_inicial_ = time_box("retard_inicial", tr("Retard del primer pas"),
                               tr("La primera àrea de cada nivell queda marcada aquest temps de més"));
    voltes_ = new QSpinBox;
    voltes_->setObjectName(QStringLiteral("voltes"));
    voltes_->setRange(0, 100);
    voltes_->setSuffix(tr(" voltes"));
    voltes_->setSpecialValueText(tr("sense aturar-se"));
    voltes_->setAccessibleName(tr("Voltes sense selecció"));
    voltes_->setToolTip(tr("L'exploració automàtica s'atura després d'aquestes voltes sense cap selecció i torna "
                           "a començar amb la pulsació següent"));
    access_form->addRow(tr("Voltes sense selecció"), voltes_);
    files_ = new QCheckBox(tr("Exploració per files"));
    files_->setObjectName(QStringLiteral("files"));
    files_->setAccessibleName(tr("Exploració per files"));
    access_form->addRow(files_);
    permanencia_ = time_box("permanencia", tr("Temps de permanència del ratolí"),
                            tr("Amb el cursor del ratolí, deixar el punter sobre una àrea aquest temps la selecciona"));
    marc_contrast_ = new QCheckBox(tr("Marc amb contorn de contrast"));
    marc_contrast_->setObjectName(QStringLiteral("marc_contrast"));
    marc_contrast_->setAccessibleName(tr("Marc amb contorn de contrast"));
    access_form->addRow(marc_contrast_);
    layout->addWidget(access);
    SwitchDialogFields access_fields;
    load_access_fields(profile_, access_fields);
    acceptacio_->setValue(access_fields.acceptance_ms);
    post_acceptacio_->setValue(access_fields.post_acceptance_ms);
    retard_inicial_->setValue(access_fields.first_step_delay_ms);
    voltes_->setValue(access_fields.rounds);
    files_->setChecked(access_fields.rows);
    permanencia_->setValue(access_fields.dwell_ms);
    marc_contrast_->setChecked(access_fields.frame_contrast);

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
    f.acceptance_ms = acceptacio_->value();
    f.post_acceptance_ms = post_acceptacio_->value();
    f.first_step_delay_ms = retard_inicial_->value();
    f.rounds = voltes_->value();
    f.rows = files_->isChecked();
    f.dwell_ms = permanencia_->value();
    f.frame_contrast = marc_contrast_->isChecked();
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
