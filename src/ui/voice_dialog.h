#pragma once
// The voice dialog `veu` ("Control per veu"): how many spoken orders, the
// recording length, training the engine on the person's voice, saving the
// trained words, the sound level and the distances between the words, and the
// highlight frame. "Acceptar" stores into the profile in memory; "Cancelar"
// returns to the mouse method while the engine has not started.
#include <QDialog>
#include <array>

#include "model/user_profile.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace orvel {

class FrameColorBox;
class VoiceControl;

class veu : public QDialog {
    Q_OBJECT
public:
    veu(VoiceControl& voice, UserProfile& profile, QWidget* parent = nullptr);

    void Option1_Click(int index);
    void CommandEntrenament_Click();
    void CommandGuardar_Click();
    void CommandVeureLesFuncions_Click();
    void CommandControlDelVolum_Click();
    void buto_Click(int index);
    // Escape and the window's close button cancel as "Cancelar" does.
    void reject() override;

    QRadioButton* Option1(int i) const { return Option1_[static_cast<size_t>(i)]; }
    QPushButton* CommandEntrenament() const { return entrenament_; }
    QPushButton* CommandGuardar() const { return guardar_; }
    QPushButton* CommandVeureLesFuncions() const { return millorar_; }
    QPushButton* CommandControlDelVolum() const { return volum_; }
    QLineEdit* decimes() const { return decimes_; }
    QScrollBar* HScroll1() const { return HScroll1_; }
    QLineEdit* retard() const { return retard_; }
    QLineEdit* Gruix() const { return Gruix_; }
    FrameColorBox* frame_color() const { return color_box_; }

private:
    void HScroll1_Change();
    void show_engine_state();

    VoiceControl& voice_;
    UserProfile& profile_;
    std::array<QRadioButton*, 3> Option1_{};
    QPushButton* entrenament_ = nullptr;
    QPushButton* guardar_ = nullptr;
    QPushButton* millorar_ = nullptr;
    QPushButton* volum_ = nullptr;
    QLabel* decimes_label_ = nullptr;
    QLineEdit* decimes_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QLineEdit* retard_ = nullptr;
    QLineEdit* Gruix_ = nullptr;
    FrameColorBox* color_box_ = nullptr;
};

}  // namespace orvel
