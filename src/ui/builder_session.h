#pragma once
// What the windows of one command builder share while it is open: the board's
// state, the file picker, the row lists' entries, the window and mode stacks,
// and the field the auxiliary keyboard types into.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "editor/builder_stacks.h"
#include "editor/command_builder.h"
#include "model/orvel_state.h"

namespace orvel {

class AuxKeyboard;
class CommandFilePicker;

struct BuilderSession {
    BuilderSession(OrvelState& state_, CommandFilePicker& picker_)
        : state(state_), picker(picker_), entries(state_.catalogue.macros)
    {
    }

    OrvelState& state;
    CommandFilePicker& picker;
    AuxKeyboard* aux_keyboard = nullptr;
    BuilderEntries entries;
    BuilderStacks stacks;
    QString program_name = QStringLiteral("Orvel");
    QString scratch_path;               // the caption list; none written when empty
    QPointer<QWidget> parameter_field;  // the open parameter box, for the auxiliary keyboard
};

// The file selection for a parameter kind ("Fitxer so" ...): the picker's kind
// number, -1 when the kind is not a file.
int builder_file_kind(const QString& parameter);

}  // namespace orvel
