#pragma once
// The editor's 640 x 445 canvas (`TSArea`): the cover over the root area, every
// area's outline, the current area hatched and drawn last, and the rubber band
// while a new area is dragged. It paints what the editor holds and hands the
// mouse and the Delete key on; the rules live in the editor's logic.
#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "editor/area_editing.h"
#include "model/template.h"

namespace orvel {

constexpr int kCanvasPixelsWide = kCanvasWidth;
constexpr int kCanvasPixelsHigh = kCanvasHeight;

class AreaCanvas : public QWidget {
    Q_OBJECT
public:
    AreaCanvas(const Template& board, QWidget* parent = nullptr);

    void set_cover(const QImage& cover);
    const QImage& cover() const { return cover_; }
    void set_cover_visible(bool visible);
    // The band drawn while dragging; it must outlive the canvas (or be reset to null).
    void set_band(const RubberBand* band) { band_ = band; }
    void set_selected(int area);
    int selected() const { return selected_; }
    // The board's areas changed: the outlines are drawn afresh.
    void board_changed();
    // The band moved: only the strips it leaves and enters are painted again.
    void band_changed(const QRect& before);

    // Mouse events in canvas pixels.
    std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y)> mouse_down;
    std::function<void(int x, int y)> mouse_move;
    std::function<void(int x, int y)> mouse_up;
    std::function<void()> delete_pressed;
    // Colours laid over the areas (index = area; an invalid colour leaves one bare),
    // asked for whenever the outlines are drawn afresh. Empty: no colours.
    std::function<std::vector<QColor>()> area_tints;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paint_layer();

    const Template& board_;
    const RubberBand* band_ = nullptr;
    QImage cover_;
    bool cover_visible_ = true;
    int selected_ = 0;
    QPixmap layer_;  // cover and outlines, made again only when the board changes
    bool layer_stale_ = true;
};

}  // namespace orvel
