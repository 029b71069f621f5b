#pragma once
// File names stored inside boards (ARCHITECTURE.md, "File names inside boards").
//
// Boards made on Windows hold names such as `SONS\BEE.WAV` or `C:\BOARDS\A.ORV`, and the
// original program upper-cased many names. Every file access goes through resolve_stored_name:
//  - both "\" and "/" separate folders in a stored name;
//  - a name is absolute when it starts with "/" or "\" or with a drive letter and ":";
//    the drive letter maps to "/";
//  - the exact name is used when it exists, otherwise a case-insensitive match folder by
//    folder (`SONS\BEE.WAV` finds `sons/bee.wav`);
//  - when nothing matches, the plain translated path, so that messages show a full name.
#include <QString>

namespace orvel {

// True when the stored name starts with "/" or "\" or with a drive letter and ":"
// (the Windows test "contains ':'" becomes this test).
bool is_absolute_stored_name(const QString& stored);

// The stored name with "/" as separator and a leading drive letter ("C:") replaced by
// "/"; a relative name is put below base_dir (unless base_dir is empty). Runs of
// separators are folded and "." / ".." resolved lexically. No disk access.
QString translate_stored_name(const QString& stored, const QString& base_dir);

// The path to use on disk for a stored name, relative names resolving against base_dir
// (the board's folder). The exact translated name when it exists; otherwise each folder
// and the file are matched without regard to letter case; where no entry matches, the
// rest of the translated path is kept as written. An empty stored name gives "".
QString resolve_stored_name(const QString& stored, const QString& base_dir);

// True when path names something on disk (existing_file: a regular file, or a link to
// one). A name holding a NUL character names nothing, and the file system is not asked.
bool existing_path(const QString& path);
bool existing_file(const QString& path);

// Name comparison as Windows does it: without regard to letter case.
bool same_file_name(const QString& a, const QString& b);
// True when name ends with suffix, compared without regard to letter case.
bool ends_with_no_case(const QString& name, const QString& suffix);

// The name (an absolute path, "/" or "\" separated) made relative to folder when it lies
// inside it (compared without regard to letter case), with "/" separators; otherwise the
// name unchanged. This is how names chosen by the user are stored in a board. Two
// different drive letters are never the same folder.
QString relative_to_folder(const QString& name, const QString& folder);

// The part after the last "/" or "\" (the whole name when there is none).
QString file_name_part(const QString& name);

}  // namespace orvel
