#pragma once
// The editor face of the main window: the canvas with the cover and the
// areas' outlines, the area counter and the selected area's data.
#include <QImage>
#include <QWidget>

#include "model/template.h"

class QLabel;

namespace orvel {

class AreaCanvas;

class EditorFace : public QWidget {
public:
    // `board` outlives the face.
    explicit EditorFace(Template& board, QWidget* parent = nullptr);

    // The whole board again, after it was loaded, made anew or left in run mode.
    void show_board(const QImage& cover);
    void show_area(int index);

    AreaCanvas* canvas() const { return canvas_; }

private:
    Template& board_;
    AreaCanvas* canvas_ = nullptr;
    QLabel* area_counter_ = nullptr;
    QLabel* area_data_ = nullptr;
};

}  // namespace orvel
