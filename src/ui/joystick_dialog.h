#pragma once
// The joystick dialog `USR_JOYSTIC` ("Josytick"): whether a joystick or the
// mouse ("Multimouse") serves, the sensitivity and the polling period, and the
// highlight frame's width and colour. "Acceptar" stores into the profile in
// memory; "Cancelar" returns to the mouse method.
#include <QDialog>
#include <array>

#include "model/user_profile.h"

class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace orvel {

class FrameColorBox;

class USR_JOYSTIC : public QDialog {
    Q_OBJECT
public:
    explicit USR_JOYSTIC(UserProfile& profile, QWidget* parent = nullptr);

    void buto_Click(int index);
    // Escape and the window's close button cancel as "Cancelar" does.
    void reject() override;

    QRadioButton* modus(int i) const { return modus_[static_cast<size_t>(i)]; }
    QScrollBar* HScroll1(int i) const { return HScroll1_[static_cast<size_t>(i)]; }
    QLineEdit* intensitat(int i) const { return intensitat_[static_cast<size_t>(i)]; }
    QLineEdit* Gruix() const { return Gruix_; }
    FrameColorBox* frame_color() const { return color_box_; }

private:
    void HScroll1_Change(int i);

    UserProfile& profile_;
    std::array<QRadioButton*, 2> modus_{};
    std::array<QScrollBar*, 2> HScroll1_{};
    std::array<QLineEdit*, 2> intensitat_{};
    QLineEdit* Gruix_ = nullptr;
    FrameColorBox* color_box_ = nullptr;
};

}  // namespace orvel
