#pragma once
// Reading and writing board files (.ORV).
//
// The file is Windows-1252 text, CRLF line ends (LF accepted on reading), one value a
// line: integer lines (" 2 ", "-1 "), quoted text lines ("text", with "¶" standing for a
// double quote) and the one plain line, the cover file. A quoted value runs to the next
// double quote, so a value holding a line break is read back whole.
#include <QByteArray>
#include <QString>

#include "model/template.h"

class QIODevice;

namespace orvel {

class MessageBoxes;

// Only a board that was read replaces the open one: after Refused or Missing the template
// is exactly as it was before the call.
enum class LoadOutcome {
    NothingToLoad,   // empty path
    Read,            // the file was read without a problem
    ReadWithErrors,  // the file was read and read errors were reported; what was read is kept
    Refused,         // "Format incorrecte", a newer format, or a file that holds no board
                     // (read errors and not one area)
    Missing,         // the file does not exist, is not a regular file or cannot be opened
};

// True for the outcomes after which the template holds the file's board.
inline bool board_was_read(LoadOutcome outcome)
{
    return outcome == LoadOutcome::Read || outcome == LoadOutcome::ReadWithErrors;
}

// Error numbers and descriptions reported after "Error en llegir el fitxer " (each number
// once per load) and after "6 Error" when saving.
namespace file_error {
constexpr int kOverflow = 6;            // "Overflow": a number outside 16 bits
constexpr int kTypeMismatch = 13;       // "Type mismatch": a number line that holds no number
constexpr int kFileNotFound = 53;       // "File not found"
constexpr int kDeviceIo = 57;           // "Device I/O error"
constexpr int kDiskFull = 61;           // "Disk full"
constexpr int kPastEndOfFile = 62;      // "Input past end of file"
constexpr int kPermissionDenied = 70;   // "Permission denied"
constexpr int kPathFileAccess = 75;     // "Path/File access error"
constexpr int kPathNotFound = 76;       // "Path not found"
QString description(int number);
}  // namespace file_error

struct LoadOptions {
    // Folder against which the cover is looked for; empty: the board's own folder.
    // Undo reads the snapshot from the state folder but resolves against the board's.
    QString references_folder;
    // Make the board's folder the process's current folder (as the Windows program did).
    bool set_current_folder = true;
};

// Reads the board at path into t, steps 1 to 14 of load_template except what belongs to
// windows (drawing mode, cover picture, redraw, caption, panel layout and the catalogue
// mark, done by the caller). A relative path resolves against t.directory
// (resolve_stored_name). The board is read into a reset copy of t, which replaces t (with
// the board's folder as t.directory) only when a board was read; a refused or missing file
// leaves t, and the current folder, as they were. A file that starts with the UTF-8
// byte-order mark is read as UTF-8. Every problem is reported through messages with the
// board's own texts:
// "Format incorrecte" (critical icon) for a name not ending in ".ORV" (any letter case),
// message 14 for a newer format, "Error en llegir el fitxer PATH N DESCRIPTION" for read
// errors (each number once), "Orvel no troba el fitxer NAME" for a missing cover.
LoadOutcome load_template(Template& t, const QString& path, MessageBoxes& messages);
LoadOutcome load_template(Template& t, const QString& path, MessageBoxes& messages,
                          const LoadOptions& options);

// The reading itself, from any device (steps 7 to 10): version check, header and areas.
// path_for_messages is the name shown in read-error messages. Returns Refused for a newer
// format (message 14 shown), ReadWithErrors when read errors were reported, Read otherwise.
// t is not reset here.
LoadOutcome read_template(Template& t, QIODevice& in, const QString& path_for_messages,
                          MessageBoxes& messages);

struct WriteResult {
    bool ok = false;
    int error_number = 0;  // file_error number when !ok
    QString error_text;    // the system's description when !ok
    int unmappable = 0;    // characters written as "?" (Windows-1252 cannot hold them)
    explicit operator bool() const { return ok; }
};

// The bytes of the board file for t: version 2, 1, the seventeen header lines and one
// block of twelve lines per area. *unmappable counts characters written as "?".
QByteArray template_bytes(const Template& t, int* unmappable = nullptr);

// Writes t to path without changing any field: a temporary file in the same folder is
// written, flushed to disk and renamed over path, so the old file survives any failure.
// A symbolic link (or a chain of them) is followed to the file it finally names, which is
// the one replaced. Temporary files left beside that file by saves that were killed are
// removed first.
WriteResult write_template(const Template& t, const QString& path);

// Writes bytes to path through a temporary file in the same folder renamed over it; an
// existing file keeps its permissions, a symbolic link its target.
WriteResult write_file_atomically(const QString& path, const QByteArray& bytes);

// The message shown once when a write put "?" for characters Windows-1252 cannot hold.
QString unmappable_message(const QString& path);

// Date and time text of a file as kept in file_time and cover_time; "" when missing.
QString file_time_text(const QString& path);

}  // namespace orvel
