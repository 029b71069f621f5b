#pragma once
// The run face of the main window (`Picture3`): the board (`Tauvirt`) with the
// stretched cover (`lamvirt`) and the highlight frame (`marc`). It shows what
// run mode asks for and hands the board's keys and mouse to RunController;
// the main window decides when it is shown and sizes itself around it.
#include <QImage>
#include <QWidget>
#include <memory>

#include "model/template.h"
#include "runtime/board_geometry.h"
#include "runtime/board_view.h"

namespace orvel {

class BoardSurface;
class CoverImage;
class HighlightFrame;
class RunController;

class RunFace : public QWidget, public BoardView {
    Q_OBJECT
public:
    explicit RunFace(QWidget* parent = nullptr);
    ~RunFace() override;

    // Every event of the board goes to `run`, which outlives the face.
    void attach(RunController& run);
    // Set while the face is the one shown: only then does it take the focus.
    void set_active(bool active) { active_ = active; }

    void set_cover(const QImage& cover);
    // Places cover and outlines for the root area at `scale`; the board's size on
    // the screen, at most `limit`.
    QSize lay_out(const Template& board, const BoardScale& scale, const QSize& limit);
    // The frame shown again after the board moved or changed size.
    void refresh_frame();
    // Leaving run mode: the board no longer holds its size.
    void release_size();

    BoardSurface* Tauvirt() const { return Tauvirt_; }
    const HighlightFrame& marc() const { return *marc_; }

    // BoardView
    void show_frame(const QRect& board_rect) override;
    void hide_frame() override;
    void set_frame_style(int border_width, double color) override;
    void set_frame_contrast(bool contrast) override;
    void set_frame_progress(double fraction) override;
    void focus_board() override;
    void set_pointer(PointerShape shape) override;
    void beep() override;

private:
    BoardSurface* Tauvirt_ = nullptr;
    CoverImage* lamvirt_ = nullptr;
    std::unique_ptr<HighlightFrame> marc_;
    bool active_ = false;
};

}  // namespace orvel
