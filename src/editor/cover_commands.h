#pragma once
// The "&Caràtula" menu's commands without their windows: "&Nova" draws the cover from
// the areas and opens it in the paint program, "&Editar" opens the cover there (a
// fresh one when the areas changed since it was drawn).
//
// Where this differs from the Windows program, on purpose:
//  - The cover is drawn before the board is written again, so the board records the
//    name the cover was written under (a ".GIF" name becomes a bitmap's, possibly a
//    free "-N" one).
//  - cover_file stays relative to the board's folder after the paint program opens it,
//    so the board can still be moved with its cover.
//  - "&Editar" of a cover that is not on disk draws a new one.
#include <QString>
#include <functional>
#include <optional>

#include "model/template.h"

namespace orvel {

class MessageBoxes;
class PictureCache;

struct CoverCommandHooks {
    std::function<void()> save;  // "&Desar ...": names a board never saved
    // "Enregistrar Caràtula": another name for a cover edited outside; nothing when cancelled.
    std::function<std::optional<QString>(const QString& folder, const QString& proposed)> choose_cover_name;
    std::function<bool(const QString& path)> open_in_paint;  // false when it cannot be started
    std::function<void()> close_aux_keyboard;
};

// "&Nova". True when the cover was written (and the paint program asked to open it).
bool CaratulaDesar_Click(Template& t, PictureCache& pictures, const CoverCommandHooks& hooks,
                         MessageBoxes& messages);
// "&Editar".
bool CaratulaEditar_Click(Template& t, PictureCache& pictures, const CoverCommandHooks& hooks,
                          MessageBoxes& messages);

// The message for a cover that could not be made or opened: "4 Error N DESCRIPTION".
QString cover_error_message(int number, const QString& description);

}  // namespace orvel
