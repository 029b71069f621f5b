#include "ui/plant_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

#include "model/file_names.h"
#include "model/messages.h"
#include "ui/aux_keyboard.h"
#include "ui/command_file_picker.h"

namespace orvel {

namespace {

template <class W>
W* named(W* w, const char* name, const QString& accessible)
{
    w->setObjectName(QLatin1String(name));
    w->setAccessibleName(accessible);
    return w;
}

QPushButton* button(const QString& caption, const char* name, const QString& accessible = QString())
{
    auto* b = new QPushButton(caption);
    return named(b, name, accessible.isEmpty() ? b->text() : accessible);
}

QLabel* label_for(const QString& caption, QWidget* buddy)
{
    auto* l = new QLabel(caption);
    l->setBuddy(buddy);
    return l;
}

bool open_with_desktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace

PlantForm::PlantForm(OrvelState& state, CommandFilePicker& picker, PlantFormHooks hooks, QWidget* parent)
    : QDialog(parent), state_(state), picker_(picker), hooks_(std::move(hooks))
{
    if (!hooks_.open_viewer)
        hooks_.open_viewer = open_with_desktop;
    setObjectName(QStringLiteral("PlantForm"));
    setWindowTitle(tr("Dades globals"));
    build();
    show_boxes(global_data_boxes(state_.tmpl, state_.tts_available, boxes()));
}

void PlantForm::build()
{
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    int row = 0;

    FitxGraf_ = named(new QLineEdit, "FitxGraf", QStringLiteral("Caràtula"));
    grid->addWidget(label_for(tr("Caràtula:"), FitxGraf_), row, 0);
    grid->addWidget(FitxGraf_, row, 1);
    auto* SearchGraf = button(tr("Fitxer..."), "SearchGraf", QStringLiteral("Fitxer de la caràtula"));
    grid->addWidget(SearchGraf, row, 2);
    auto* PlayImg = button(tr("Veure la Caràtula"), "PlayImg");
    grid->addWidget(PlayImg, row, 3);
    caratula_auto_ = named(new QCheckBox(tr("Automàtica")), "caratula_auto",
                           QStringLiteral("Automàtica"));
    grid->addWidget(caratula_auto_, ++row, 1);

    FitxDoc_ = named(new QLineEdit, "FitxDoc", QStringLiteral("Documentació"));
    grid->addWidget(label_for(tr("Documentació:"), FitxDoc_), ++row, 0);
    grid->addWidget(FitxDoc_, row, 1);
    auto* SearchDoc = button(tr("Fitxer..."), "SearchDoc", QStringLiteral("Fitxer de la documentació"));
    grid->addWidget(SearchDoc, row, 2);
    auto* PlayDoc = button(tr("Veure la documentació"), "PlayDoc");
    grid->addWidget(PlayDoc, row, 3);

    descripcio_ = named(new QPlainTextEdit, "descripcio", QStringLiteral("Descripció"));
    descripcio_->setMaximumHeight(70);
    grid->addWidget(label_for(tr("Descripció:"), descripcio_), ++row, 0);
    grid->addWidget(descripcio_, row, 1, 1, 3);

    Pathdefault_ = named(new QLineEdit, "Pathdefault", QStringLiteral("Directori"));
    grid->addWidget(label_for(tr("Directori"), Pathdefault_), ++row, 0);
    grid->addWidget(Pathdefault_, row, 1);
    auto* SearchPath = button(tr("Path"), "SearchPath", QStringLiteral("Triar el directori"));
    grid->addWidget(SearchPath, row, 2);

    // The folder chooser, shown by "Path".
    Frame1_ = named(new QFrame, "Frame1", QStringLiteral("Directori"));
    Frame1_->setFrameShape(QFrame::StyledPanel);
    auto* chooser = new QGridLayout(Frame1_);
    Dir1_ = named(new QListWidget, "Dir1", QStringLiteral("Carpetes"));
    File1_ = named(new QListWidget, "File1", QStringLiteral("Fitxers"));
    File1_->setFocusPolicy(Qt::NoFocus);
    chooser->addWidget(Dir1_, 0, 0);
    chooser->addWidget(File1_, 0, 1);
    auto* accept_folder = button(tr("Acceptar"), "direcboto_0", QStringLiteral("Acceptar el directori"));
    auto* drop_folder = button(tr("Abandonar"), "direcboto_1", QStringLiteral("Abandonar el directori"));
    chooser->addWidget(accept_folder, 1, 0);
    chooser->addWidget(drop_folder, 1, 1);
    Frame1_->hide();
    grid->addWidget(Frame1_, ++row, 0, 1, 4);

    auto* start = new QGroupBox(tr("INICIALITZACIÓ"));
    start->setObjectName(QStringLiteral("inicialitzacio"));
    auto* sg = new QGridLayout(start);
    programes_ = named(new QComboBox, "programes", QStringLiteral("Programes del catàleg"));
    programes_->addItems(program_list_items(state_.catalogue));
    Ordres_ = named(new QLineEdit, "Ordres", QStringLiteral("Programa"));
    sg->addWidget(programes_, 0, 0, 1, 2);
    sg->addWidget(label_for(tr("Programa"), Ordres_), 1, 0);
    sg->addWidget(Ordres_, 1, 1);
    Macros_ = named(new QComboBox, "Macros", QStringLiteral("Macros del programa"));
    Macros_->addItem(missatge(kMacroListHeadingMessage));
    sg->addWidget(Macros_, 2, 0, 1, 2);
    Tecles_ = named(new QLineEdit, "Tecles", QStringLiteral("Tecles a enviar"));
    sg->addWidget(label_for(tr("Tecles a enviar:"), Tecles_), 3, 0);
    sg->addWidget(Tecles_, 3, 1);
    auto* HlpK = button(tr("Tec Aux"), "HlpK", QStringLiteral("Teclat auxiliar"));
    sg->addWidget(HlpK, 3, 2);
    FitxClip_ = named(new QLineEdit, "FitxClip", QStringLiteral("Carregar fitxer a la carpeta"));
    sg->addWidget(label_for(tr("Carregar fitxer a la carpeta:"), FitxClip_), 4, 0);
    sg->addWidget(FitxClip_, 4, 1);
    auto* SearchClip = button(tr("Fitxer..."), "SearchClip", QStringLiteral("Fitxer de la carpeta"));
    sg->addWidget(SearchClip, 4, 2);
    auto* options = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    const QString option_captions[2] = {QStringLiteral("TXT"), tr("Gràfic")};
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(option_captions[i]);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setAccessibleName(option_captions[i]);
        group->addButton(o, i);
        options->addWidget(o);
        Option1_[size_t(i)] = o;
        connect(o, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    sg->addLayout(options, 5, 1);
    TxFinestra_ = named(new QLineEdit, "TxFinestra", QStringLiteral("Aplicació"));
    sg->addWidget(label_for(tr("Aplicació:"), TxFinestra_), 6, 0);
    sg->addWidget(TxFinestra_, 6, 1);
    layout->addWidget(start);

    auto* speech = new QGroupBox(tr("Síntesis de veu UPCTV"));
    speech->setObjectName(QStringLiteral("sintesi"));
    auto* vg = new QHBoxLayout(speech);
    sv_idioma_ = named(new QComboBox, "sv_idioma", QStringLiteral("Idioma"));
    sv_idioma_->addItems({tr("Catala"), tr("Español")});
    sv_locutor_ = named(new QComboBox, "sv_locutor", QStringLiteral("Veu"));
    sv_locutor_->addItems({tr("Home"), tr("Dona")});
    SV_velocitat_ = named(new QLineEdit, "SV_velocitat", QStringLiteral("Velocitat"));
    vg->addWidget(label_for(tr("Idioma"), sv_idioma_));
    vg->addWidget(sv_idioma_);
    vg->addWidget(label_for(tr("Veu"), sv_locutor_));
    vg->addWidget(sv_locutor_);
    vg->addWidget(label_for(tr("Velocitat"), SV_velocitat_));
    vg->addWidget(SV_velocitat_);
    layout->addWidget(speech);

    auto* buttons = new QHBoxLayout;
    auto* BotoOk = button(tr("D'Acord"), "BotoOk");
    auto* BotoCancel = button(tr("Anul·lació"), "BotoCancel");
    BotoOk->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BotoOk);
    buttons->addWidget(BotoCancel);
    layout->addLayout(buttons);

    connect(SearchGraf, &QPushButton::clicked, this, [this] { SearchGraf_Click(); });
    connect(PlayImg, &QPushButton::clicked, this, [this] { PlayImg_Click(); });
    connect(SearchDoc, &QPushButton::clicked, this, [this] { SearchDoc_Click(); });
    connect(PlayDoc, &QPushButton::clicked, this, [this] { PlayDoc_Click(); });
    connect(SearchPath, &QPushButton::clicked, this, [this] { SearchPath_Click(); });
    connect(accept_folder, &QPushButton::clicked, this, [this] { direcboto_Click(0); });
    connect(drop_folder, &QPushButton::clicked, this, [this] { direcboto_Click(1); });
    connect(Dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        Dir1_Change(QDir(chooser_folder_).absoluteFilePath(item->text()));
    });
    // The folder takes effect at every change, even if the dialog is then cancelled.
    connect(Pathdefault_, &QLineEdit::textChanged, this, [this](const QString& text) { state_.tmpl.directory = text; });
    connect(programes_, &QComboBox::activated, this, [this](int index) { programes_Click(index); });
    connect(Macros_, &QComboBox::activated, this, [this](int index) { Macros_Click(index); });
    connect(HlpK, &QPushButton::clicked, this, [this] {
        if (hooks_.aux_keyboard)
            hooks_.aux_keyboard->open();
    });
    connect(SearchClip, &QPushButton::clicked, this, [this] { SearchClip_Click(); });
    connect(BotoOk, &QPushButton::clicked, this, [this] { BotoOk_Click(); });
    connect(BotoCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PlantForm::show_boxes(const GlobalDataBoxes& b)
{
    descripcio_->setPlainText(b.descripcio);
    FitxDoc_->setText(b.FitxDoc);
    Ordres_->setText(b.Ordres);
    Tecles_->setText(b.Tecles);
    FitxGraf_->setText(b.FitxGraf);
    Option1_[size_t(b.clip_option)]->setChecked(true);
    FitxClip_->setText(b.FitxClip);
    TxFinestra_->setText(b.TxFinestra);
    {
        // Showing the folder is not a change of it.
        const QSignalBlocker quiet(Pathdefault_);
        Pathdefault_->setText(b.Pathdefault);
    }
    caratula_auto_->setChecked(b.caratula_auto);
    sv_idioma_->setCurrentIndex(b.sv_idioma);
    sv_locutor_->setCurrentIndex(b.sv_locutor);
    SV_velocitat_->setText(b.SV_velocitat);
}

GlobalDataBoxes PlantForm::boxes() const
{
    GlobalDataBoxes b;
    b.descripcio = descripcio_->toPlainText();
    b.FitxDoc = FitxDoc_->text();
    b.Ordres = Ordres_->text();
    b.Tecles = Tecles_->text();
    b.FitxGraf = FitxGraf_->text();
    b.caratula_auto = caratula_auto_->isChecked();
    b.FitxClip = FitxClip_->text();
    b.clip_option = Option1_[1]->isChecked() ? 1 : 0;
    b.TxFinestra = TxFinestra_->text();
    b.Pathdefault = Pathdefault_->text();
    b.sv_idioma = sv_idioma_->currentIndex();
    b.sv_locutor = sv_locutor_->currentIndex();
    b.SV_velocitat = SV_velocitat_->text();
    return b;
}

void PlantForm::BotoOk_Click()
{
    accept_global_data(state_.tmpl, boxes());
    if (hooks_.accepted)
        hooks_.accepted();
    accept();
}

void PlantForm::close_aux_keyboard()
{
    if (hooks_.aux_keyboard)
        hooks_.aux_keyboard->close_aux_keyboard();
}

void PlantForm::SearchGraf_Click()
{
    close_aux_keyboard();
    const QString chosen = picker_.browse_picture(state_.tmpl.directory);
    if (chosen.isEmpty())
        return;
    FitxGraf_->setText(relative_to_folder(chosen, state_.tmpl.directory));
    if (!FitxGraf_->text().isEmpty())
        caratula_auto_->setChecked(false);
}

void PlantForm::SearchDoc_Click()
{
    close_aux_keyboard();
    const FileDialogSettings settings{tr("Documentació de la plantilla"),
                                      tr("Fitxers del Write (*.wri)|*.wri|Fitxers de text (*.txt)|*.txt"),
                                      FitxDoc_->text(), StartFolder::Board};
    const QString chosen = picker_.choose_file(settings);
    if (chosen.isEmpty())
        return;
    FitxDoc_->setText(relative_to_folder(chosen, state_.tmpl.directory));
    state_.tmpl.modified = -1;
}

void PlantForm::SearchClip_Click()
{
    const int option = Option1_[1]->isChecked() ? 1 : 0;
    QString chosen;
    if (option == 0) {
        const FileDialogSettings settings{
            tr("Carregar Fitxers de text a la carpeta"),
            tr("Fitxers Text (*.TXT,*.WRI,*.RTF)|*.TXT;*.WRI;*.RTF|Tots els fitxers (*.*)|*.*"),
            FitxClip_->text(), StartFolder::Board};
        chosen = picker_.choose_file(settings);
    }
    else {
        close_aux_keyboard();
        chosen = picker_.browse_picture(state_.tmpl.directory);
    }
    if (chosen.isEmpty())
        return;
    state_.tmpl.clip_type = int16_t(option);
    FitxClip_->setText(relative_to_folder(chosen, state_.tmpl.directory));
}

void PlantForm::Option1_Click(int index)
{
    // The box's file was chosen for the other type; the type itself takes effect
    // at once, so a name typed afterwards is read as the type shown.
    FitxClip_->clear();
    state_.tmpl.clip_type = int16_t(index);
}

void PlantForm::programes_Click(int index)
{
    const ProgramChoice choice = program_list_choice(state_.catalogue, index);
    if (choice.kind == ProgramChoice::CatalogueProgram) {
        choose_program(state_.catalogue, choice.program);
        Macros_->clear();
        Macros_->addItem(missatge(kMacroListHeadingMessage));
        for (const CatalogueMacro& m : state_.catalogue.macros)
            Macros_->addItem(m.title);
        Ordres_->setText(catalogue_program_text(state_.catalogue, choice.program));
        if (hooks_.macros_changed)
            hooks_.macros_changed();
    }
    else if (choice.kind == ProgramChoice::OtherProgram) {
        const FileDialogSettings settings{tr("Carregar Fitxers de text a la carpeta"),
                                          tr("Fitxers Executables (*.EXE)|*.EXE|Tots els fitxers (*.*)|*.*"),
                                          QString(), StartFolder::Board};
        const QString chosen = picker_.choose_file(settings);
        if (!chosen.isEmpty())
            Ordres_->setText(relative_to_folder(chosen, state_.tmpl.directory));
    }
}

void PlantForm::Macros_Click(int index)
{
    const auto& macros = state_.catalogue.macros;
    if (index < 1 || index > int(macros.size()))
        return;
    Tecles_->setText(Tecles_->text() + macros[size_t(index - 1)].keys);
}

void PlantForm::view(const QString& name, bool viewable, const QString& failure)
{
    if (name.isEmpty())
        return;
    close_aux_keyboard();
    const QString path = resolve_stored_name(name, state_.tmpl.directory);
    if (!viewable || !existing_file(path) || !hooks_.open_viewer(path))
        QMessageBox::information(this, windowTitle(), failure);
}

void PlantForm::PlayDoc_Click()
{
    view(FitxDoc_->text(), document_viewable(FitxDoc_->text()), kDocumentViewFailed);
}

void PlantForm::PlayImg_Click()
{
    view(FitxGraf_->text(), cover_viewable(FitxGraf_->text()), kCoverViewFailed);
}

void PlantForm::SearchPath_Click()
{
    const QString start = resolve_stored_name(Pathdefault_->text(), QString());
    Dir1_Change(QFileInfo(start).isDir() ? start : QDir::homePath());
    Frame1_->show();
    Dir1_->setFocus();
}

void PlantForm::Dir1_Change(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return;
    chooser_folder_ = dir.absolutePath();
    Dir1_->clear();
    File1_->clear();
    if (!dir.isRoot())
        Dir1_->addItem(QStringLiteral(".."));
    Dir1_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    File1_->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    if (Dir1_->count() > 0)
        Dir1_->setCurrentRow(0);
}

void PlantForm::direcboto_Click(int index)
{
    // The folder keeps its letter case: on this system names differ by case.
    if (index == 0 && !chooser_folder_.isEmpty())
        Pathdefault_->setText(chooser_folder_);
    Frame1_->hide();
}

}  // namespace orvel
