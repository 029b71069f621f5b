#pragma once
// The macro and program catalogue read from MACROS.INI.
#include <QString>
#include <vector>

namespace orvel {

struct CatalogueProgram {
    QString title;       // nPROG
    QString section;     // ncodi
    QString file;        // ncami reduced to its file name, in capitals
    QString identifier;  // nREG, in capitals
};

struct CatalogueMacro {
    QString title;
    QString keys;
    QString sound;
    QString icon;
};

struct Catalogue {
    std::vector<CatalogueProgram> programs;  // programs[0] is program 1
    QString program_lookup;                  // "|FILE|path|FILE|path|...|" or empty
    std::vector<CatalogueMacro> macros;      // macros of the program chosen last
    QString macros_title;                    // caption of the "Seleccionar" menu
};

}  // namespace orvel
