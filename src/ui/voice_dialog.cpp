#include "ui/voice_dialog.h"

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

#include "model/ini_file.h"
#include "runtime/voice/speech_recognition_engine.h"
#include "runtime/voice_control.h"
#include "ui/dialog_buttons.h"
#include "ui/frame_color_box.h"

namespace orvel {

namespace {
// "Dècimes de registre": the longest word, in tenths of a second.
constexpr int kShortestTenths = 2;
constexpr int kLongestTenths = 14;

QPushButton* button(const QString& caption, const char* name)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    return b;
}
}  // namespace

veu::veu(VoiceControl& voice, UserProfile& profile, QWidget* parent)
    : QDialog(parent), voice_(voice), profile_(profile)
{
    setObjectName(QStringLiteral("veu"));
    setWindowTitle(tr("Control per veu"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);

    auto* orders = new QGroupBox;
    auto* orders_row = new QHBoxLayout(orders);
    auto* exclusive = new QButtonGroup(this);
    const char* const captions[3] = {QT_TR_NOOP("1 Ordre"), QT_TR_NOOP("2 Ordres"), QT_TR_NOOP("5 Ordres")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(tr(captions[i]));
        b->setObjectName(QStringLiteral("Option1_%1").arg(i));
        exclusive->addButton(b, i);
        orders_row->addWidget(b);
        connect(b, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Option1_[static_cast<size_t>(i)] = b;
    }
    layout->addWidget(orders);

    auto* engine_row = new QHBoxLayout;
    entrenament_ = button(tr("&Entrenament"), "CommandEntrenament");
    guardar_ = button(tr("&Guardar..."), "CommandGuardar");
    millorar_ = button(tr(" &Millorar..."), "CommandVeureLesFuncions");
    volum_ = button(tr("Control del &volum"), "CommandControlDelVolum");
    for (QPushButton* b : {entrenament_, guardar_, millorar_, volum_}) {
        // Enter always means "Acceptar", even after one of these was used.
        b->setAutoDefault(false);
        engine_row->addWidget(b);
    }
    connect(entrenament_, &QPushButton::clicked, this, [this] { CommandEntrenament_Click(); });
    connect(guardar_, &QPushButton::clicked, this, [this] { CommandGuardar_Click(); });
    connect(millorar_, &QPushButton::clicked, this, [this] { CommandVeureLesFuncions_Click(); });
    connect(volum_, &QPushButton::clicked, this, [this] { CommandControlDelVolum_Click(); });
    layout->addLayout(engine_row);

    auto* form = new QFormLayout;
    HScroll1_ = new QScrollBar(Qt::Horizontal);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    HScroll1_->setAccessibleName(QStringLiteral("Dècimes de registre"));
    HScroll1_->setRange(kShortestTenths, kLongestTenths);
    HScroll1_->setMinimumWidth(160);
    decimes_ = new QLineEdit;
    decimes_->setObjectName(QStringLiteral("decimes"));
    decimes_->setAccessibleName(QStringLiteral("decimes"));
    decimes_->setReadOnly(true);
    decimes_->setMaximumWidth(50);
    connect(HScroll1_, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    auto* length_row = new QHBoxLayout;
    length_row->addWidget(HScroll1_);
    length_row->addWidget(decimes_);
    decimes_label_ = new QLabel(tr("Dècimes de registre"));
    form->addRow(decimes_label_, length_row);
    retard_ = new QLineEdit(QString::number(profile_.temps));
    retard_->setObjectName(QStringLiteral("retard"));
    retard_->setAccessibleName(QStringLiteral("Temps de presentació"));
    form->addRow(tr("Temps de presentació"), retard_);
    Gruix_ = new QLineEdit(QString::number(profile_.gruix));
    Gruix_->setObjectName(QStringLiteral("Gruix"));
    Gruix_->setAccessibleName(QStringLiteral("Gruix del marc"));
    form->addRow(tr("Gruix del marc"), Gruix_);
    color_box_ = new FrameColorBox(profile_.color);
    form->addRow(color_box_);
    layout->addLayout(form);

    add_accept_cancel(this, layout, [this](int index) { buto_Click(index); });

    HScroll1_->setValue(std::clamp<int>(voice_.recording_tenths, kShortestTenths, kLongestTenths));
    HScroll1_Change();
    const int option = voice_.selected_option();
    if (option >= 0) {
        Option1_[static_cast<size_t>(option)]->setChecked(true);
        // The word list of a method chosen from a profile.
        if (voice_.word_count == 0)
            voice_.Option1_Click(option);
    }
    show_engine_state();
}

void veu::show_engine_state()
{
    // Training needs the engine; the list can change only before it starts.
    const bool present = voice_.engine_present();
    entrenament_->setEnabled(present);
    decimes_->setEnabled(present);
    HScroll1_->setEnabled(present);
    decimes_label_->setEnabled(present);
    const bool started = voice_.recognition_state != 0;
    for (QRadioButton* b : Option1_)
        b->setEnabled(!started);
    volum_->setEnabled(started);
    millorar_->setEnabled(started);
    guardar_->setEnabled(started);
}

void veu::Option1_Click(int index)
{
    voice_.Option1_Click(index);
}

void veu::HScroll1_Change()
{
    decimes_->setText(QString::number(HScroll1_->value()));
}

void veu::CommandEntrenament_Click()
{
    voice_.recording_tenths = rounded_int16(leading_number(decimes_->text()));
    if (voice_.word_count == 0)
        return;  // no order chosen yet
    if (voice_.recognition_state == 0) {
        voice_.recognition_state = voice_.start_recognition();
        if (voice_.recognition_state == 0)
            return;
    }
    show_engine_state();
    voice_.engine()->IniciarEntrenament();
}

void veu::CommandGuardar_Click()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    show();
    voice_.engine()->GuardarFitxerReconeixementDeParaules();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    show();
}

void veu::CommandVeureLesFuncions_Click()
{
    voice_.engine()->VeureFinestraGrafiques();
}

void veu::CommandControlDelVolum_Click()
{
    voice_.engine()->VeureNivellDeSo();
}

void veu::buto_Click(int index)
{
    if (index == 0) {
        voice_.accept_dialog(retard_->text(), Gruix_->text(), color_box_->color());
        accept();
        return;
    }
    reject();
}

void veu::reject()
{
    voice_.cancel_dialog();
    QDialog::reject();
}

}  // namespace orvel
