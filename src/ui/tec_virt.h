#pragma once
// The auxiliary keyboard `TecVirt` ("Teclat Auxiliar"): a small tool window of
// special keys and command pictures. A click inserts the key's notation at the
// caret of the key-text field being edited; it sends nothing to any program.
// It never takes the keyboard focus, so the field keeps it.
#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "exec/aux_keyboard_keys.h"

class QPushButton;

namespace orvel {

class CommandFilePicker;

// The field of each editing place; a resolver gives null while its place has
// no field open.
struct NotationTargets {
    std::function<QWidget*()> area_keys;          // the area panel's key text
    std::function<QWidget*()> initial_keys;       // the global data dialog's "Tecles"
    std::function<QWidget*()> builder_parameter;  // the active command builder's parameter
};

class TecVirt : public QWidget {
    Q_OBJECT
public:
    TecVirt(NotationTargets targets, CommandFilePicker& picker, QWidget* parent = nullptr);

    QPushButton* key_button(int index) const;  // null for a number without a button
    QPushButton* picture(int index) const { return pictures_[static_cast<size_t>(index)]; }

    void key_Click(int index);
    void picture_Click(int index);
    // Inserts text into the field that `open_windows` selects; nothing when that
    // field is not open.
    void insert_key_notation(int open_windows, const QString& text);

    // The program's visible windows (menus and tooltips are not windows).
    static int open_window_count();

    // Closes the window without telling closed_by_user.
    void close_quietly();
    // Called when the person closes the window with its close box.
    std::function<void()> closed_by_user;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* field_for(int open_windows) const;

    NotationTargets targets_;
    CommandFilePicker& picker_;
    std::map<int, QPushButton*> keys_;
    std::array<QPushButton*, kAuxPictures> pictures_{};
    bool closing_quietly_ = false;
};

}  // namespace orvel
