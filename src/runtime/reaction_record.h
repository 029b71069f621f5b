#pragma once
// The reaction record: one line per switch selection in run mode, kept in the user's
// state folder and never sent anywhere. It tells how long after the highlighting step
// each press came and which selections were undone at once, so that the switch dialog
// can suggest a step time fitted to the person, and it counts how often each area of a
// board is chosen (the weights of a board's scan cost).
//
// File "reaccions.tsv", UTF-8, LF line ends, a first line "#orvel-reaccions 1", then
// tab-separated lines of eight fields:
//   when_ms  session  board  area  modus  step_ms  reaction_ms  undo
// when_ms: wall clock, milliseconds since 1970; session: when run mode started, same
// unit; board: the board's file name; area: the selected area; modus: access method;
// step_ms: scanning step in force; reaction_ms: milliseconds from the step that
// highlighted the area to the press, -1 when not known; undo: 1 when this selection
// undoes the one before it (a level back, an erasing key).
// When the file passes its size bound it becomes "reaccions.1.tsv" (replacing the older
// one) and a new file starts, so the record never holds more than twice the bound.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace orvel {

inline constexpr char kReactionRecordName[] = "reaccions.tsv";
inline constexpr char kOlderReactionRecordName[] = "reaccions.1.tsv";
inline constexpr char kReactionRecordHeader[] = "#orvel-reaccions 1";
inline constexpr qint64 kReactionRecordMaxBytes = 256 * 1024;

struct ReactionEntry {
    int64_t when_ms = 0;
    int64_t session = 0;
    QString board;
    int16_t area = 0;
    int16_t modus = 0;
    int32_t step_ms = 0;
    int32_t reaction_ms = -1;
    bool undo = false;
    // Not stored: set by the reader when the next selection of the session undid this one.
    bool corrected = false;
};

// One line of the record, with its line end.
QByteArray reaction_line(const ReactionEntry& entry);

// The entries of a record's bytes in order. Lines that are not whole (the last one
// without its line end), too long, of the wrong shape or with values out of range are
// skipped; `corrected` is set from the lines that follow.
std::vector<ReactionEntry> parse_reaction_record(const QByteArray& bytes);

// The record of the state folder, older file first; empty when there is none.
std::vector<ReactionEntry> read_reaction_record(const QString& state_folder);

// How often each area of the board was selected (index = area; sized area_count + 1).
// Boards are matched by absolute file name, without regard to letter case.
std::vector<int> selection_counts(const std::vector<ReactionEntry>& entries, const QString& board_file,
                                  int area_count);

// Whether selecting an area with these keys undoes the selection before it: it goes
// back a level ({|NIVELL ...}) or only erases ({BACKSPACE}, {BS}, {BKSP}).
bool is_undo_like(const QString& keys);

}  // namespace orvel
