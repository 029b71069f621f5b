#pragma once
// The widgets of the board: the stretched cover (`lamvirt`), the highlight
// frame (`marc`) and the board itself (`Tauvirt`), which takes the keyboard
// focus and the mouse and hands every event to run mode unchanged.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSet>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

namespace orvel {

// The cover stretched over the whole widget. A board without a cover shows a
// plain light background with the areas' outlines, so they can still be seen.
class CoverImage : public QWidget {
    Q_OBJECT
public:
    explicit CoverImage(QWidget* parent = nullptr);
    void set_picture(const QImage& picture);
    // An area's outline in this widget's pixels and what it says (its printable
    // keys or its spoken text), drawn only when there is no picture.
    struct Outline {
        QRect rect;
        QString label;
        bool group = false;  // a group's label goes at its top, clear of its members
    };
    void set_outlines(std::vector<Outline> outlines);
    bool has_picture() const { return !picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage picture_;
    QPixmap scaled_;  // the picture at the widget's size, made once per resize
    std::vector<Outline> outlines_;
};

// The highlight frame as four thin widgets over the cover: moving it repaints
// only the strips it leaves and enters, never the whole board.
class HighlightFrame {
public:
    explicit HighlightFrame(QWidget* parent);
    void set_style(int border_width, const QColor& color);
    // The border lies inside the rectangle: its outer edge is the area's edge.
    void show_at(const QRect& rect);
    void hide();
    bool is_visible() const { return visible_; }
    QRect rect() const { return rect_; }
    int border_width() const { return width_; }
    QColor color() const { return color_; }
    // A thin outline in a contrasting colour along the inner edge of the border.
    void set_contrast(bool contrast);
    bool contrast() const { return contrast_; }
    // A dwell's progress: the inside fills from the bottom (0 shows nothing).
    void set_progress(double fraction);
    double progress() const { return progress_; }

private:
    void place();
    void place_outline();
    void place_progress();
    std::array<QWidget*, 4> edges_{};
    std::array<QWidget*, 4> outline_{};  // the contrasting inner outline
    QWidget* fill_ = nullptr;            // the dwell's progress
    bool contrast_ = false;
    double progress_ = 0;
    QRect rect_;
    int width_ = 8;
    QColor color_ = Qt::red;
    bool visible_ = false;
};

// The board: key codes 13, 37..40 for Enter and the arrows, typed characters,
// presses, moves, clicks (a release after a press of the same button) and
// double clicks, in board pixels.
class BoardSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardSurface(QWidget* parent = nullptr);

    std::function<void(int key_code)> key_down;
    std::function<void(QChar character)> key_press;
    std::function<void(int button, double x, double y)> mouse_down;
    std::function<void(double x, double y)> mouse_move;
    std::function<void()> click;
    std::function<void()> double_click;
    // Every key and button going down (before its handlers above) and up, for
    // timing how long a switch is held. Ids: a key's scan code, or
    // kButtonSwitchId plus the button. `repeat` marks the keyboard's auto-repeat.
    std::function<void(int id, bool repeat)> switch_down;
    std::function<void(int id)> switch_up;
    static constexpr int kButtonSwitchId = 0x10000;

    // The key code the board's cursor movement uses for a Qt key, 0 for none.
    static int key_code_for(int qt_key);

    // Waits (up to max_ms, handling events) until no key pressed on the board is
    // still held. Keys typed into the target while the person still holds the
    // same key would be lost. Board events that arrive meanwhile are dropped.
    void wait_for_key_release(int max_ms);
    bool key_held() const { return !held_keys_.isEmpty(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    Qt::MouseButton pressed_ = Qt::NoButton;
    QSet<quint32> held_keys_;  // native scan codes pressed and not yet released
    bool waiting_ = false;
};

}  // namespace orvel
