#pragma once
// The global data dialog `PlantForm` ("Dades globals"): the board's cover,
// documentation, description, folder, start-up actions and speech settings.
// Only the folder and the clipboard file's type change the board at once; the
// rest is stored by "D'Acord".
#include <QDialog>
#include <array>
#include <functional>

#include "editor/global_data.h"
#include "model/orvel_state.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orvel {

class AuxKeyboard;
class CommandFilePicker;

struct PlantFormHooks {
    AuxKeyboard* aux_keyboard = nullptr;                   // "Tec Aux"; closed before choosers and viewers
    std::function<void()> macros_changed;                  // a program was chosen: its macros were read
    std::function<bool(const QString& path)> open_viewer;  // false when nothing could show the file
    std::function<void()> accepted;                        // after "D'Acord" stored the boxes
};

class PlantForm : public QDialog {
    Q_OBJECT
public:
    PlantForm(OrvelState& state, CommandFilePicker& picker, PlantFormHooks hooks, QWidget* parent = nullptr);

    GlobalDataBoxes boxes() const;

    // Event handlers, named after their controls.
    void BotoOk_Click();
    void SearchGraf_Click();
    void SearchDoc_Click();
    void SearchClip_Click();
    void Option1_Click(int index);
    void programes_Click(int index);
    void Macros_Click(int index);
    void PlayDoc_Click();
    void PlayImg_Click();
    void SearchPath_Click();
    void direcboto_Click(int index);
    void Dir1_Change(const QString& folder);

    QLineEdit* FitxGraf() const { return FitxGraf_; }
    QCheckBox* caratula_auto() const { return caratula_auto_; }
    QLineEdit* FitxDoc() const { return FitxDoc_; }
    QPlainTextEdit* descripcio() const { return descripcio_; }
    QLineEdit* Pathdefault() const { return Pathdefault_; }
    QComboBox* programes() const { return programes_; }
    QLineEdit* Ordres() const { return Ordres_; }
    QComboBox* Macros() const { return Macros_; }
    QLineEdit* Tecles() const { return Tecles_; }
    QLineEdit* FitxClip() const { return FitxClip_; }
    QRadioButton* Option1(int i) const { return Option1_[size_t(i)]; }
    QLineEdit* TxFinestra() const { return TxFinestra_; }
    QComboBox* sv_idioma() const { return sv_idioma_; }
    QComboBox* sv_locutor() const { return sv_locutor_; }
    QLineEdit* SV_velocitat() const { return SV_velocitat_; }
    QFrame* Frame1() const { return Frame1_; }
    QListWidget* Dir1() const { return Dir1_; }
    QString chooser_folder() const { return chooser_folder_; }

private:
    void build();
    void show_boxes(const GlobalDataBoxes& b);
    void close_aux_keyboard();
    void view(const QString& name, bool viewable, const QString& failure);

    OrvelState& state_;
    CommandFilePicker& picker_;
    PlantFormHooks hooks_;
    QString chooser_folder_;

    QLineEdit* FitxGraf_ = nullptr;
    QCheckBox* caratula_auto_ = nullptr;
    QLineEdit* FitxDoc_ = nullptr;
    QPlainTextEdit* descripcio_ = nullptr;
    QLineEdit* Pathdefault_ = nullptr;
    QFrame* Frame1_ = nullptr;
    QListWidget* Dir1_ = nullptr;
    QListWidget* File1_ = nullptr;
    QComboBox* programes_ = nullptr;
    QLineEdit* Ordres_ = nullptr;
    QComboBox* Macros_ = nullptr;
    QLineEdit* Tecles_ = nullptr;
    QLineEdit* FitxClip_ = nullptr;
    std::array<QRadioButton*, 2> Option1_{};
    QLineEdit* TxFinestra_ = nullptr;
    QComboBox* sv_idioma_ = nullptr;
    QComboBox* sv_locutor_ = nullptr;
    QLineEdit* SV_velocitat_ = nullptr;
};

}  // namespace orvel
