#pragma once
// The command builder's rules without its windows: a key text turned into
// rows (one catalogue command, macro or piece of typed text each) and the rows
// joined back. Opening and accepting without edits gives the text back
// unchanged: a text the rows cannot reproduce opens as one raw row.
#include <QString>
#include <QStringList>
#include <vector>

#include "model/catalogue.h"

namespace orvel {

// The entries every row's list offers: the catalogue's commands, then the
// macros of the current program.
class BuilderEntries {
public:
    explicit BuilderEntries(const std::vector<CatalogueMacro>& macros = {});

    QStringList captions() const { return captions_; }
    int size() const { return int(captions_.size()); }
    int catalogue_count() const { return int(catalogue_index_.size()); }
    // For a list position below catalogue_count(): the catalogue's index; -1 otherwise.
    int catalogue_index(int entry) const;
    // For a list position at or past catalogue_count(): the macro; null otherwise.
    const CatalogueMacro* macro(int entry) const;
    QString code(int entry) const;       // the code template, or the macro's key text
    QString parameter(int entry) const;  // the kind of value the entry needs ("" for macros)
    int entry_of_catalogue(int index) const;  // list position of a catalogue index; -1 when left out
    const std::vector<CatalogueMacro>& macros() const { return macros_; }

private:
    QStringList captions_;
    std::vector<int> catalogue_index_;
    std::vector<CatalogueMacro> macros_;
};

inline constexpr int kWriteEntry = 0;  // "Escriu": typed text
inline const QString kValuePlaceholder = QStringLiteral("_VALOR_");

struct BuilderRow {
    int entry = -1;  // list position; -1 when unset
    QString value;
    bool operator==(const BuilderRow&) const = default;
};

struct OpenedRows {
    std::vector<BuilderRow> rows;
    bool raw = false;  // the text could not be read as rows: one "Escriu" row holds it whole
};

// Recognises one command text ("{|Sona BEE.WAV}") and the text after it
// (`following`, for templates that go on past the brace, as "}^v"): the entry and
// value that give it back, and how much of `following` they take too. The entry
// is -1 when no catalogue command gives this text.
struct FoundCode {
    int entry = -1;
    QString value;
    int following_used = 0;
};
FoundCode codi_trobar(const QString& command, const QString& following, const BuilderEntries& entries);

// A key text as rows. An empty text gives no rows.
OpenedRows rows_from_key_text(const QString& keys, const BuilderEntries& entries);

// The rows joined into a key text, and the visual symbol they give the area
// (the last macro's or picture file's; empty when none).
struct JoinedCode {
    QString keys;
    QString symbol;
};
JoinedCode confegir_codi(const std::vector<BuilderRow>& rows, const BuilderEntries& entries,
                         const QString& program_folder);

// The row list's buttons; `selected` is 1-based (0 when there are no rows).
void add_row(std::vector<BuilderRow>& rows, int& selected);     // "+ Codi"
void remove_row(std::vector<BuilderRow>& rows, int& selected);  // "- Codi"
void raise_row(std::vector<BuilderRow>& rows, int& selected);   // "^ Codi"

// The parameter window's values.
QStringList list_items(const QString& value);        // "[a#b#c]" -> a, b, c
QString list_value(const QStringList& items);        // empty items left out
QStringList coordinates(const QString& value);       // split at the first blank; always two
QString coordinates_value(const QString& x, const QString& y);

// The memory test's value: "compared{true}{false}".
struct SimValue {
    QString compared;
    QString when_true;
    QString when_false;
};
SimValue split_sim(const QString& value);
QString sim_value(const SimValue& sim);

}  // namespace orvel
