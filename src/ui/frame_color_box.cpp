#include "ui/frame_color_box.h"

#include <QColorDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "runtime/frame_style.h"

namespace orvel {

FrameColorBox::FrameColorBox(double color, QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    marc_color_ = new QLabel;
    marc_color_->setObjectName(QStringLiteral("marc_color"));
    marc_color_->setAccessibleName(QStringLiteral("marc_color"));
    marc_color_->setFixedSize(48, 20);
    marc_color_->setAutoFillBackground(true);
    auto* button = new QPushButton(tr("Color del marc"));
    button->setObjectName(QStringLiteral("Command1"));
    connect(button, &QPushButton::clicked, this, [this] { Command1_Click(); });
    row->addWidget(marc_color_);
    row->addWidget(button);
    row->addStretch();
    set_color(color);
}

void FrameColorBox::set_color(double color)
{
    color_ = color;
    const Rgb rgb = rgb_from_color_number(color);
    QPalette p = marc_color_->palette();
    p.setColor(QPalette::Window, QColor(rgb.red, rgb.green, rgb.blue));
    marc_color_->setPalette(p);
}

void FrameColorBox::Command1_Click()
{
    const Rgb rgb = rgb_from_color_number(color_);
    const QColor chosen =
        QColorDialog::getColor(QColor(rgb.red, rgb.green, rgb.blue), this, tr("Color del marc"));
    if (chosen.isValid())
        set_color(color_number_from_rgb({chosen.red(), chosen.green(), chosen.blue()}));
}

}  // namespace orvel
