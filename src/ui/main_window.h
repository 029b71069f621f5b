#pragma once
// The program's one window. It opens on its editor face and turns to its run
// face in run mode: the editor's menus go, the window takes the root area's
// size on the screen and the access method moves the highlight frame. The
// window holds the menus, start-up and the switch between the faces; what it
// does is forwarded to RunController and the command logic.
#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <array>
#include <memory>
#include <vector>

#include "exec/exec_context.h"
#include "model/orvel_state.h"
#include "model/settings.h"
#include "runtime/access_method_menu.h"
#include "runtime/run_timer_set.h"
#include "ui/run_face.h"

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QStackedWidget;

namespace orvel {

class AreaCanvas;
class CoverMenu;
class BoardHooks;
class EditorAids;
class EditorFace;
class JoystickAccess;
class SpeechRecognitionEngine;
class VoiceControl;
class VoiceEngineWindows;
class RunController;
class ReactionLog;
class ReactionRecorder;
class OutsideCommands;
class RandomSource;

class MainWindow : public QMainWindow, private AccessMethodDialogs {
    Q_OBJECT
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
    // Loads the chosen profile (empty: cancelled) and restarts its method on a running board.
    void carregar_usuari(const QString& chosen);
    void desar_usuari_Click();

    void layout_board_window();

    bool in_run_mode() const { return run_mode_; }
    OrvelState& state() { return state_; }
    RunController& run() { return *run_; }
    BoardSurface* Tauvirt() const { return run_face_->Tauvirt(); }
    const HighlightFrame& marc() const { return run_face_->marc(); }
    QTimer& Timer1() { return timers_.Timer1(); }
    QTimer& Timer3() { return timers_.Timer3(); }
    AreaCanvas* canvas() const;
    EditorFace* editor() const { return editor_; }
    CoverMenu* cover_menu() const { return cover_menu_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // AccessMethodDialogs
    void open_switch_dialog(int pulsador, const QString& caption) override;
    void choose_joystick() override;
    void choose_voice() override;

    void build_menus();
    void complete_run_mode();
    void show_caption();
    void show_board_in_editor();
    void board_loaded();
    void fit_editor_to_screen();
    void tick_access_method(int16_t modus);
    void load_cover_picture(bool report_errors);
    void open_global_data();
    void new_board_command(bool global_data_allowed);
    void leave_run_mode_and_quit();
    void restart_method_with_profile();
    QSize screen_pixels() const;
    double device_pixel_ratio() const;

    Services& services_;
    OrvelState state_;
    ProfileHooks profile_hooks_;
    std::unique_ptr<RandomSource> random_;
    // The reaction record, written in the background; run mode tells the recorder.
    std::unique_ptr<ReactionLog> reaction_log_;
    std::unique_ptr<ReactionRecorder> reaction_recorder_;
    std::unique_ptr<RunController> run_;
    std::unique_ptr<BoardHooks> hooks_;
    std::unique_ptr<ExecContext> ctx_;
    std::unique_ptr<OutsideCommands> outside_;
    std::unique_ptr<JoystickAccess> joystick_;
    std::unique_ptr<VoiceEngineWindows> voice_windows_;
    std::unique_ptr<SpeechRecognitionEngine> voice_engine_;
    std::unique_ptr<VoiceControl> voice_;

    RunTimerSet timers_;

    // Menus of the editor face and of run mode.
    QMenu* fitxers_ = nullptr;
    QMenu* usuari_ = nullptr;
    QMenu* accessibilitat_ = nullptr;
    QAction* fitxers_action_ = nullptr;
    std::vector<QAction*> editor_menus_;  // "&Fitxers", "&Veure", "&Edició", "&Ajuda"
    QAction* So_actiu_ = nullptr;
    QAction* finapc_ = nullptr;
    QAction* f_obrir_ = nullptr;
    std::array<QAction*, kAccessMethodItems> Tipus_exploracio_{};

    QStackedWidget* faces_ = nullptr;
    EditorFace* editor_ = nullptr;
    EditorAids* aids_ = nullptr;
    CoverMenu* cover_menu_ = nullptr;  // "&Caràtula" and the cover kept while editing  // command menus, macros, auxiliary keyboard, picture browser
    QScrollArea* editor_scroll_ = nullptr;
    RunFace* run_face_ = nullptr;
    QImage Imatge_;    // the cover, shown by both faces
    QString shown_cover_;  // board folder and cover name of the picture on the board
    QString unreadable_cover_reported_;  // the same for a cover said to be unreadable

    bool run_mode_ = false;
    QRect editor_rect_;
    bool executing_ = false;  // an area is running
    bool asked_before_leaving_ = false;  // "&Sortir" asked already
};

}  // namespace orvel
