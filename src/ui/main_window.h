#pragma once
// The program's one window. It opens as the editor (menus, the canvas with the
// cover and the areas' outlines, the area counter and the selected area's
// data) and becomes the board in run mode: the editor's menus and panels go,
// the window takes the root area's size on the screen, the cover is stretched
// over it and the access method moves the highlight frame. Everything it does
// is forwarded to RunController and the command logic; the window only shows.
#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <QTimer>
#include <array>
#include <memory>

#include "exec/exec_context.h"
#include "model/orvel_state.h"
#include "model/settings.h"
#include "runtime/access_method_menu.h"
#include "runtime/board_view.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;

namespace orvel {

class AreaCanvas;
class BoardHooks;
class BoardSurface;
class CoverImage;
class HighlightFrame;
class RunController;
class OutsideCommands;
class RandomSource;

class MainWindow : public QMainWindow, public BoardView, public RunTimers, private AccessMethodDialogs {
public:
    // `services` (with their message boxes) outlive the window.
    explicit MainWindow(Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: catalogue, new user, settings, speech; then the board named by
    // the arguments (with an optional .usr profile) in run mode, or a new
    // board in the editor.
    void Form_Load(const QStringList& arguments);

    // "&Activar": enters run mode (nothing happens on a board without areas).
    void actApl_Click();
    // "&Sortir" in run mode (and the close command): leaves run mode.
    void finapc_Click();
    // "&Canvi de plafó": another board without leaving run mode.
    void f_obrir_Click();
    // The "&Accessibilitat" menu.
    void Tipus_exploracio_Click(int index);

    // "&Fitxers" and "Usuari" menu commands.
    void nou_Click();
    void obrir_Click();
    void desar_Click();
    void sortir_Click();
    void usuari_nou_Click();
    void carregar_usuari_Click();
    void desar_usuari_Click();

    void layout_board_window();

    bool in_run_mode() const { return run_mode_; }
    OrvelState& state() { return state_; }
    RunController& run() { return *run_; }
    BoardSurface* Tauvirt() const { return Tauvirt_; }
    const HighlightFrame& marc() const { return *marc_; }
    QTimer& Timer1() { return Timer1_; }
    QTimer& Timer3() { return Timer3_; }
    AreaCanvas* canvas() const { return canvas_; }

    // BoardView
    void show_frame(const QRect& board_rect) override;
    void hide_frame() override;
    void set_frame_style(int border_width, double color) override;
    void focus_board() override;
    void set_pointer(PointerShape shape) override;
    void beep() override;

    // RunTimers
    void set_execution_interval(int milliseconds) override;
    void set_focus_keeper_running(bool running) override;
    void set_step_interval(int milliseconds) override;
    void set_step_running(bool running) override;
    bool step_running() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // AccessMethodDialogs
    void open_switch_dialog(int pulsador, const QString& caption) override;
    void choose_joystick() override {}
    void choose_voice() override {}

    void build_menus();
    void build_editor_face();
    void build_board_face();
    void complete_run_mode();
    void show_caption();
    void show_area(int index);
    void show_board_in_editor();
    void tick_access_method(int16_t modus);
    void load_cover_picture(bool report_errors);
    void leave_run_mode_and_quit();
    QSize screen_pixels() const;

    Services& services_;
    OrvelState state_;
    ProfileHooks profile_hooks_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<RunController> run_;
    std::unique_ptr<BoardHooks> hooks_;
    std::unique_ptr<ExecContext> ctx_;
    std::unique_ptr<OutsideCommands> outside_;

    QTimer Timer1_;  // execution tick
    QTimer Timer2_;  // focus keeper
    QTimer Timer3_;  // scanning step

    // Menus of the editor face and of run mode.
    QMenu* fitxers_ = nullptr;
    QMenu* usuari_ = nullptr;
    QMenu* accessibilitat_ = nullptr;
    QAction* fitxers_action_ = nullptr;
    QAction* finapc_ = nullptr;
    QAction* f_obrir_ = nullptr;
    std::array<QAction*, kAccessMethodItems> Tipus_exploracio_{};

    QStackedWidget* faces_ = nullptr;
    // Editor face.
    QWidget* editor_ = nullptr;
    AreaCanvas* canvas_ = nullptr;
    QLabel* area_counter_ = nullptr;
    QLabel* area_data_ = nullptr;
    // Board face: Picture3 holds Tauvirt, which holds lamvirt and marc.
    QWidget* Picture3_ = nullptr;
    BoardSurface* Tauvirt_ = nullptr;
    CoverImage* lamvirt_ = nullptr;
    std::unique_ptr<HighlightFrame> marc_;
    QImage Imatge_;
    QString shown_cover_;  // board folder and cover name of the picture on the board

    bool run_mode_ = false;
    QRect editor_rect_;
    bool executing_ = false;  // an area is running
};

}  // namespace orvel
