#pragma once
// The editor's 640 x 445 canvas: the cover with every area's outline. A click
// selects the area under the pointer; drawing and changing areas come with the
// editor itself.
#include <QImage>
#include <QWidget>
#include <functional>

#include "model/template.h"

namespace orvel {

constexpr int kCanvasPixelsWide = 640;
constexpr int kCanvasPixelsHigh = 445;

class AreaCanvas : public QWidget {
public:
    AreaCanvas(const Template& board, QWidget* parent = nullptr);

    void set_cover(const QImage& cover);
    void set_selected(int area) { selected_ = area; update(); }
    int selected() const { return selected_; }

    // A click on the canvas: the area found there (0 where none lies).
    std::function<void(int area)> area_clicked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Template& board_;
    QImage cover_;
    int selected_ = 0;
};

}  // namespace orvel
