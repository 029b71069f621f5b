#pragma once
// The editor's "&Caràtula" menu ("&Nova", "&Editar") and the cover the editor keeps
// while areas change: it draws the cover on save and redraws the piece of the area
// the person leaves, so the canvas shows the board's face as it will be saved.
#include <QImage>
#include <QMenu>
#include <functional>
#include <vector>

#include "editor/picture_cache.h"
#include "model/orvel_state.h"

namespace orvel {

class MessageBoxes;

class CoverMenu : public QMenu {
    Q_OBJECT
public:
    CoverMenu(OrvelState& state, MessageBoxes& messages, QWidget* parent = nullptr);

    std::function<void()> save;                // "&Desar ..."
    std::function<void()> close_aux_keyboard;  // before the save dialog of a cover painted over
    std::function<void(const QImage&)> cover_changed;  // the editor shows this cover now
    // Starts the paint program on path (default: the one named in the user's settings,
    // else the desktop's default application through xdg-open).
    std::function<bool(const QString& path)> open_in_paint;

    void CaratulaDesar_Click();
    void CaratulaEditar_Click();
    // The cover step of a save (board drawn by its areas): a failure is reported.
    void generate_on_save(Template& t);
    // caratulaCrear_num: the canvas click leaves area n.
    void leaving_area(int n);

private:
    void show_generated();

    OrvelState& state_;
    MessageBoxes& messages_;
    PictureCache pictures_;
    QImage lamina_;  // the cover being kept up to date while editing
    std::vector<Area> drawn_areas_;  // the areas as lamina_ shows them
    QString drawn_folder_;           // the folder their pictures were found in
};

// The paint program named in Orvel.INI ("EditorImatges" of section "Orvel"); "" for the
// desktop's default.
QString paint_program(const Folders& folders);

}  // namespace orvel
