#pragma once
// The highlight frame's colour as the access dialogs show and choose it: a box
// painted in the colour and the button "Color del marc" that opens the colour
// dialog. The colour is an RGB number as profiles store it.
#include <QWidget>

class QLabel;

namespace orvel {

class FrameColorBox : public QWidget {
    Q_OBJECT
public:
    explicit FrameColorBox(double color, QWidget* parent = nullptr);

    double color() const { return color_; }
    void set_color(double color);

    // "Color del marc": the colour dialog, starting at the box's colour; a
    // cancelled dialog changes nothing.
    void Command1_Click();

private:
    double color_ = 255;
    QLabel* marc_color_ = nullptr;
};

}  // namespace orvel
