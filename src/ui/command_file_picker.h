#pragma once
// The file picker of the command menus, the auxiliary keyboard and the command
// builder: the open-file dialogs of the command catalogue and the picture
// browser, with the rules that turn a choice into a name a key text stores.
#include <QString>
#include <array>
#include <functional>

#include "exec/command_catalogue.h"

class QWidget;

namespace orvel {

// Shows one open-file dialog; the chosen file's full path, "" when cancelled.
// `initial_name` is what the file-name box starts with ("" for nothing).
using OpenFileDialog =
    std::function<QString(const FileDialogSettings& settings, const QString& start_folder, const QString& initial_name)>;

class CommandFilePicker {
public:
    // `board_folder` gives the open board's folder at the time of the choice;
    // `program_folder` is where the program's own data lives.
    CommandFilePicker(QWidget* parent, std::function<QString()> board_folder, QString program_folder);

    // Replaces the Qt dialog (tests answer with a file of their choosing).
    void set_open_file_dialog(OpenFileDialog dialog) { open_file_dialog_ = std::move(dialog); }

    // Kinds 0 to 3: the catalogue's dialog of that number; 5: the picture
    // browser; the choice in capitals, relative to the board's folder when it
    // lies there. "" when cancelled, not acceptable, or for any other kind.
    QString pick_command_file(int kind);

    // Shows a dialog: the full path chosen, "" when cancelled. The file-name box
    // starts with the name of the settings, or with the name chosen last in the same
    // dialog (`memory_slot` 0 to 3, -1 for none) when the settings give none.
    QString choose_file(const FileDialogSettings& settings, int memory_slot = -1);

    // Shows the picture browser on `start_folder` (the current folder when
    // empty): its full path when confirmed, "" when cancelled.
    QString browse_picture(const QString& start_folder = QString());
    // The picture browser's "Símbols..." button: a library symbol written into the
    // board's folder, its full path ("" when none). Without one the button is hidden.
    void set_symbol_chooser(std::function<QString()> chooser) { symbol_chooser_ = std::move(chooser); }
    // The program's one picture choice, kept between browser visits.
    const QString& picture_choice() const { return picture_choice_; }

    QString board_folder() const { return board_folder_ ? board_folder_() : QString(); }
    QWidget* parent() const { return parent_; }

private:
    QString start_folder(StartFolder start) const;
    QString show_qt_dialog(const FileDialogSettings& settings, const QString& start_folder, const QString& initial_name);

    QWidget* parent_;
    std::function<QString()> board_folder_;
    QString program_folder_;
    OpenFileDialog open_file_dialog_;
    std::array<QString, kCommandFileDialogs> last_chosen_{};
    QString picture_choice_;
    std::function<QString()> symbol_chooser_;
};

}  // namespace orvel
