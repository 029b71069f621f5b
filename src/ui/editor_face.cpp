#include "ui/editor_face.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/area_canvas.h"

namespace orvel {

EditorFace::EditorFace(Template& board, QWidget* parent) : QWidget(parent), board_(board)
{
    auto* layout = new QHBoxLayout(this);
    canvas_ = new AreaCanvas(board_);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->area_clicked = [this](int area) {
        board_.current_area = static_cast<int16_t>(area);
        show_area(area);
    };
    layout->addWidget(canvas_, 0, Qt::AlignTop);

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("fitxa_area"));
    auto* column = new QVBoxLayout(panel);
    area_counter_ = new QLabel;
    area_counter_->setObjectName(QStringLiteral("area_counter"));
    area_data_ = new QLabel;
    area_data_->setObjectName(QStringLiteral("area_data"));
    area_data_->setTextFormat(Qt::PlainText);
    area_data_->setWordWrap(true);
    area_data_->setMinimumWidth(220);
    area_data_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(area_counter_);
    column->addWidget(area_data_);
    column->addStretch();
    layout->addWidget(panel, 1);
}

void EditorFace::show_board(const QImage& cover)
{
    area_counter_->setText(QStringLiteral("Àrees: %1").arg(board_.area_count));
    canvas_->set_cover(cover);
    canvas_->set_selected(board_.current_area);
    show_area(board_.current_area);
}

void EditorFace::show_area(int index)
{
    const Template& t = board_;
    if (index < 1 || index > t.area_count || index >= static_cast<int>(t.areas.size())) {
        area_data_->setText(QString());
        canvas_->set_selected(0);
        return;
    }
    const Area& a = t.area(index);
    area_data_->setText(QStringLiteral("Àrea %1\nPosició: %2, %3 - %4, %5\nPare: %6%7\nTecles: %8\n"
                                       "So: %9\nIcona: %10\nFitxer: %11")
                            .arg(index)
                            .arg(a.Xi)
                            .arg(a.Yi)
                            .arg(a.Xf)
                            .arg(a.Yf)
                            .arg(a.parent)
                            .arg(a.is_group ? QStringLiteral(" (grup)") : QString())
                            .arg(a.keys, a.sound_file, a.icon_file, a.clip_file));
    canvas_->set_selected(index);
}

}  // namespace orvel
