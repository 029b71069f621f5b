#pragma once
// The commands of the command language that reach outside the board: speech,
// files, sounds, the clipboard and the registry. The interpreter dispatches to
// this interface; the program's implementation performs them, tests record them.
#include <QString>

namespace orvel {

class OutsideCommands {
public:
    virtual ~OutsideCommands() = default;
    virtual void read_text(const QString& text) = 0;             // LLEGIR, LEER
    virtual void read_file(const QString& argument) = 0;         // LLEGEIX, LEE
    virtual void load_command(const QString& argument) = 0;      // CARREGA, CARGA
    virtual void sound_command(const QString& argument) = 0;     // SONA, SUENA
    virtual void paste_command(const QString& argument) = 0;     // ENGANXA, ENGANCHA
    virtual void registry_command(const QString& argument) = 0;  // REG
};

}  // namespace orvel
