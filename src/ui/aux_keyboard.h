#pragma once
// When the auxiliary keyboard is shown: the "&Teclat auxiliar" menu item and
// the "Tec. Aux." check box, which always agree, open and close it; its own
// close box clears both; a chooser or viewer closes it while it is open.
#include <QObject>
#include <QPointer>

#include "ui/tec_virt.h"

class QAction;
class QCheckBox;

namespace orvel {

class AuxKeyboard : public QObject {
    Q_OBJECT
public:
    // `window_parent` is the main window: the keyboard stays above it.
    AuxKeyboard(QWidget* window_parent, NotationTargets targets, CommandFilePicker& picker);
    ~AuxKeyboard() override;

    // The checkable "&Teclat auxiliar" item (`tecAux`), for the "&Veure" menu.
    QAction* tecAux() const { return tecAux_; }
    // The "Tec. Aux." check box of the editor; it follows the menu item.
    void bind_check_box(QCheckBox* box);

    // The menu item or the check box: inverts the mark, then shows or closes.
    void toggle();
    // The "Tec Aux" buttons of the global data dialog and the command builder:
    // shows it (above that dialog) and sets the mark.
    void open();
    bool checked() const;
    TecVirt* window() const { return window_; }

    // Before a chooser or viewer opens: closes the window and clears the mark.
    void close_aux_keyboard();
    // Around a command of the "Ordres" menu: closes the window, keeping the
    // mark; afterwards reopens it when the mark is still there.
    void close_for_command();
    void reopen_if_checked();

private:
    void set_checked(bool on);
    void show_window();
    void close_window();

    QWidget* window_parent_;
    NotationTargets targets_;
    CommandFilePicker& picker_;
    QAction* tecAux_ = nullptr;
    QPointer<QCheckBox> check_box_;
    QPointer<TecVirt> window_;
};

}  // namespace orvel
