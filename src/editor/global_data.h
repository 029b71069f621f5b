#pragma once
// The rules of the global data dialog ("Dades globals") without its window:
// what the boxes show when it opens, what accepting stores in the board, and
// how chosen files and the speed text are read.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "model/catalogue.h"
#include "model/template.h"

namespace orvel {

// The dialog's boxes, named after its controls.
struct GlobalDataBoxes {
    QString descripcio;
    QString FitxDoc;
    QString Ordres;
    QString Tecles;
    QString FitxGraf;
    bool caratula_auto = false;
    QString FitxClip;
    int clip_option = 0;  // Option1: 0 "TXT", 1 "Gràfic"
    QString TxFinestra;
    QString Pathdefault;
    int sv_idioma = 0;    // list positions
    int sv_locutor = 0;
    QString SV_velocitat;
};

// The boxes of a dialog opening on the board. The speech boxes are preset from the
// board only when the speech engine is present; otherwise they keep `speech_as_shown`.
GlobalDataBoxes global_data_boxes(const Template& t, bool speech_present,
                                  const GlobalDataBoxes& speech_as_shown = GlobalDataBoxes());

// "D'Acord": stores the boxes in the board, marks it modified and its cover up to
// date, and takes the cover's time when the cover names an existing file.
// (`directory` and `clip_type` are not stored here: the dialog changes them at once.)
void accept_global_data(Template& t, const GlobalDataBoxes& boxes);

// The number at the start of the speed text, rounded (halves to even); 0 when there
// is none, and held to the 16-bit range.
int16_t speed_from_text(const QString& text);


// The "programes" list: its heading, the catalogue's programs in order, ">>> ALTRES"
// (messages 11 and 12). The macro list starts with message 13.
QStringList program_list_items(const Catalogue& catalogue);
inline constexpr int kMacroListHeadingMessage = 13;

// What choosing item `index` of the "programes" list does.
struct ProgramChoice {
    enum Kind { Nothing, CatalogueProgram, OtherProgram } kind = Nothing;
    int program = 0;  // with CatalogueProgram: the catalogue's program number (1-based)
};
ProgramChoice program_list_choice(const Catalogue& catalogue, int index);

// What a catalogue program puts into "Programa": its executable's file name, which
// the start-up actions look up in the catalogue to find the full path.
QString catalogue_program_text(const Catalogue& catalogue, int program);

// "Veure la documentació" opens .WRI and .TXT files; "Veure la Caràtula" .PCX and .BMP.
bool document_viewable(const QString& name);
bool cover_viewable(const QString& name);
inline const QString kDocumentViewFailed = QStringLiteral("No es pot activar el fitxer de documentació");
inline const QString kCoverViewFailed = QStringLiteral("No es pot activar el fitxer de l'imatge");

}  // namespace orvel
