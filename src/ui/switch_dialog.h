#pragma once
// The switch dialog `usr` ("Configuració Pulsador"): which event is the switch,
// its key list, its action time, the scanning step time and the highlight
// frame's width and colour. "Acceptar" stores into the profile in memory only
// when the rules allow it; "Cancelar" returns to the mouse method.
#include <QDialog>
#include <array>

#include "model/user_profile.h"
#include "runtime/switch_dialog_rules.h"

class QCheckBox;
class QLabel;
class QSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvel {

class FrameColorBox;

class usr : public QDialog {
    Q_OBJECT
public:
    usr(UserProfile& profile, int pulsador, const QString& caption, QWidget* parent = nullptr);

    // The fields as they stand (for the rules and for tests).
    SwitchDialogFields fields() const;
    void buto_Click(int index);
    void set_frame_color(double color);

    QRadioButton* option(int i) const { return Option1_[static_cast<size_t>(i)]; }
    QLineEdit* llista_tecles() const { return llista_tecles_; }
    QLineEdit* retard(int i) const { return i == 0 ? temps_ : retard_; }
    QLineEdit* Gruix() const { return Gruix_; }
    QSpinBox* acceptacio() const { return acceptacio_; }
    QSpinBox* post_acceptacio() const { return post_acceptacio_; }
    QSpinBox* retard_inicial() const { return retard_inicial_; }
    QSpinBox* voltes() const { return voltes_; }
    QCheckBox* files() const { return files_; }
    QSpinBox* permanencia() const { return permanencia_; }
    QCheckBox* marc_contrast() const { return marc_contrast_; }

    // Escape and the window's close button cancel as "Cancelar" does.
    void reject() override;

private:
    void pulsador_Change();

    UserProfile& profile_;
    int pulsador_;
    std::array<QRadioButton*, kSwitchOptionCount> Option1_{};
    QLineEdit* llista_tecles_ = nullptr;
    QLineEdit* temps_ = nullptr;
    QLineEdit* retard_ = nullptr;
    QLineEdit* Gruix_ = nullptr;
    FrameColorBox* color_box_ = nullptr;
    QSpinBox* acceptacio_ = nullptr;
    QSpinBox* post_acceptacio_ = nullptr;
    QSpinBox* retard_inicial_ = nullptr;
    QSpinBox* voltes_ = nullptr;
    QCheckBox* files_ = nullptr;
    QSpinBox* permanencia_ = nullptr;
    QCheckBox* marc_contrast_ = nullptr;
};

}  // namespace orvel
