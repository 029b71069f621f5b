#pragma once
// The macro and program catalogue read from MACROS.INI.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/folders.h"

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
    QString file_path;                       // the MACROS.INI read; empty when none was usable
};

inline constexpr char kCatalogueFileName[] = "MACROS.INI";

// Counts above this are held to it: the counts are 16-bit numbers.
inline constexpr int kMaxCatalogueCount = 32767;

// The full path registered for a program identifier; "" when none.
using ProgidExe = std::function<QString(const QString& identifier)>;

// Reads the programs of section "Inici" of MACROS.INI (the user's copy, else the
// program's) into catalogue.programs and builds program_lookup from the programs whose
// executable exists: the path registered for the identifier when the program has one
// (progid_exe may be empty: then it has none), else the "cami" file name looked for in
// current_folder. A missing file or a "versio" other than "MAC1" leaves it empty.
void load_program_catalogue(Catalogue& catalogue, const Folders& folders, const QString& current_folder,
                            const ProgidExe& progid_exe);

// Replaces catalogue.macros with the macros of one section of the catalogue file.
void load_macros(Catalogue& catalogue, const QString& section);

// Program k of the program menu (1-based): its macros, and its title as the caption of
// the macro menu. False when there is no program k.
bool choose_program(Catalogue& catalogue, int k);

// The three fields of the area panel that a macro fills in.
struct MacroPanelFields {
    QString keys;     // the macro's key text is appended
    QString sound;    // replaced by the macro's sound
    QString picture;  // replaced by program folder + "/icones/" + the macro's icon
};

// Macro k of the macro menu (1-based) applied to the panel of the area being edited.
// Nothing happens (false) when no area is selected (current_area 0) or there is no macro k.
bool choose_macro(const Catalogue& catalogue, int k, int16_t current_area, const QString& program_folder,
                  MacroPanelFields& fields);

// The program whose executable's file name equals the file name part of a board's
// program text, without regard to letter case: its number (1-based), or 0.
int find_program_entry(const Catalogue& catalogue, const QString& program_text);

}  // namespace orvel
