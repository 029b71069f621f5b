#pragma once
// The editor face of the main window: the canvas (`TSArea`) and the area panel,
// the "Arees" pop-up menu and the editor's own menus ("&Veure", "&Edició",
// "&Ajuda"). It turns the person's clicks and keys into the editor's rules
// (editor/area_editing, editor/geometry_tools), takes the undo snapshot before
// each change and shows the result.
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "editor/area_editing.h"
#include "editor/file_viewers.h"
#include "model/orvel_state.h"

class QCheckBox;
class QMenu;
class QAction;

namespace orvel {

class AreaCanvas;
class ScanCostLegend;
class AreaPanel;
class MessageBoxes;

// What the editor asks of the rest of the program.
struct EditorHooks {
    std::function<void(const QString& sound)> play_sound;     // the auditory symbol, as run mode plays it
    std::function<bool(const QString& path)> open_file;       // the desktop's default application
    // A picture chosen for the visual symbol, starting in `folder`; nothing when cancelled.
    std::function<std::optional<QString>(const QString& folder)> choose_picture;
    std::function<std::optional<QString>(const QString& folder)> choose_sound;
    // Before a chooser or viewer opens: the auxiliary keyboard goes.
    std::function<void()> close_aux_keyboard;
    // A click on the canvas leaves this area for another (the cover redraws its piece).
    std::function<void(int area)> leaving_area;
};

class EditorFace : public QWidget {
    Q_OBJECT
public:
    // `state` and `messages` outlive the face.
    EditorFace(OrvelState& state, MessageBoxes& messages, QWidget* parent = nullptr);
    ~EditorFace() override;

    void set_hooks(EditorHooks hooks);
    const EditorHooks& hooks() const { return hooks_; }

    // A board was loaded, made anew or left in run mode: the face shows it whole.
    // `drawing` switches drawing mode on (the new-board command) or off.
    void show_board(const QImage& cover, std::optional<bool> drawing = std::nullopt);
    void show_area(int index);
    void store_area_fields(bool refresh);
    // Before the board is saved or run: a join's temporary records go and drawing
    // mode ends, so neither is written to the file nor run as areas.
    void finish_editing();

    // The canvas's mouse, as the rules take it.
    void TSArea_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void TSArea_MouseMove(int x, int y);
    void TSArea_MouseUp(int x, int y);

    // Area commands.
    void AfegirArea_Click();
    void EliminarArea_Click();
    void NextArea_Click();
    void PrevArea_Click();
    void MnuQuad_Click();
    void RedimArea_Click();
    void AjustArea_Click();
    // "&Edició".
    void copy_key_text();
    void paste_key_text();
    void Desfer_Click();
    // Inserts at the key text's caret (the command menus and the auxiliary keyboard).
    void insert_key_text(const QString& text);

    bool drawing() const { return band_.drawing; }
    int16_t join_base() const { return join_base_; }
    AreaCanvas* canvas() const { return canvas_; }
    AreaPanel* panel() const { return panel_; }
    QMenu* view_menu() const { return view_menu_; }
    QMenu* edit_menu() const { return edit_menu_; }
    QMenu* help_menu() const { return help_menu_; }
    QMenu* areas_menu() const { return mn_arees_; }

    // "Cost d'escaneig" under "&Veure": each area coloured by what reaching it costs
    // under the profile's scanning, with a legend under the canvas.
    void show_scan_cost(bool on);
    // The person's profile changed: the colours, when shown, are counted again.
    void profile_changed();
    ScanCostLegend* scan_cost_legend() const { return cost_legend_; }

    // "So actiu" (`Check1(0)`): shows the board's `sound_active`; a click stores it
    // or a board shown tells `sound_active_changed`, so the menu command can follow.
    void show_sound_active(bool active);
    std::function<void(bool active)> sound_active_changed;
    QCheckBox* Check1() const { return Check1_; }

private:
    void build_menus();
    void wire_panel();
    void take_snapshot();
    void set_draw_mode(bool on);
    void edge_changed(Edge edge, int value);
    void edge_focus(bool gained);
    void choose_picture();
    void view_file(const QString& name, ViewerKind kind);
    void close_aux_keyboard();

    OrvelState& state_;
    Template& board_;
    MessageBoxes& messages_;
    EditorHooks hooks_;
    AreaCanvas* canvas_ = nullptr;
    AreaPanel* panel_ = nullptr;
    QMenu* mn_arees_ = nullptr;
    QMenu* view_menu_ = nullptr;
    QMenu* edit_menu_ = nullptr;
    QMenu* help_menu_ = nullptr;
    QAction* veure_pant_ = nullptr;
    QAction* veure_cost_ = nullptr;
    ScanCostLegend* cost_legend_ = nullptr;
    std::vector<int> cost_selections_;

    RubberBand band_;
    int16_t join_base_ = 0;
    bool updating_ = false;        // the panel is being filled or stored
    Area edge_snapshot_;           // the area as it was when an edge scrollbar took the focus
    int edge_snapshot_index_ = 0;  // 0: none
    QCheckBox* Check1_ = nullptr;
};

}  // namespace orvel
