#pragma once
// Initialisation files (Orvel.INI, .USR profiles, MACROS.INI) with the semantics of the
// Windows profile-string functions, over Windows-1252 text:
//  - "[section]" lines and "key=value" lines; section and key names compare without
//    regard to letter case and with surrounding blanks ignored;
//  - the first of duplicate sections, and the first of duplicate keys in it, wins;
//  - values are trimmed of blanks, and a value wholly enclosed in double (or single)
//    quotes loses them;
//  - lines starting with ";" are comments; a line without "=" is not a key;
//  - CRLF line ends, LF accepted.
// Writing changes one key and keeps every other byte of the file; the new file replaces
// the old one by a rename, so a failed write never leaves half a file.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>

namespace orvel {

class IniFile {
public:
    // Files above this size are treated as unreadable and are never rewritten.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    // The value of key in section, or default_value (trailing blanks removed) when the
    // file, the section or the key is missing. At most buffer_size - 1 characters come
    // back, as from a buffer of buffer_size characters.
    QString read_string(const QString& section, const QString& key, const QString& default_value,
                        int buffer_size = 512) const;

    // Whole-number reading: default_value when the key is missing or empty; otherwise
    // leading blanks, an optional sign and the digits that follow ("abc" gives 0, "12x"
    // gives 12), saturated to the 32-bit range.
    int read_int(const QString& section, const QString& key, int default_value) const;

    // Every key of the first section named section, as read_string would return it with
    // the given buffer size, keyed by key name in case-folded form. One pass over the file
    // for callers that read many keys of one section.
    QHash<QString, QString> read_section(const QString& section, int buffer_size = 512) const;

    // Sets key in section to value: an existing key keeps its line and everything before
    // "="; a new key goes after the last line of its section; a new section goes at the
    // end of the file; a missing file is created. Line breaks inside value become blanks.
    // Characters that Windows-1252 cannot hold are written as "?" and counted in
    // *unmappable. False when the names are not valid (empty, a line break, a key with "="
    // or starting with "[" or ";", a character Windows-1252 cannot hold) or the file
    // cannot be written.
    bool write_string(const QString& section, const QString& key, const QString& value,
                      int* unmappable = nullptr);

private:
    struct Stamp {
        bool exists = false;
        qint64 size = -1;
        int64_t mtime_ns = 0;
        uint64_t inode = 0;
        uint64_t device = 0;
        bool operator==(const Stamp&) const = default;
    };

    // The file's bytes, read again only when its size, time or identity changed (or
    // when it was read too soon after a change to trust its time stamp).
    // False when the file cannot be read (missing, too big, unreadable).
    bool load() const;
    static Stamp stamp_of(const QString& path);
    static bool is_racy(const Stamp& stamp);

    QString path_;
    mutable QByteArray bytes_;
    mutable Stamp stamp_;
    mutable bool loaded_ = false;
    mutable bool readable_ = false;
    // Set when the file had been changed so shortly before it was read that a later
    // change of the same size could keep the same time stamp: it is then read again.
    mutable bool racy_ = true;
};

// The integer at the start of text as the profile reader takes it (see read_int).
int leading_integer(const QString& text);

// The decimal number at the start of text, as profile and catalogue numbers are read:
// leading blanks, a sign, digits with an optional fraction and exponent; "12abc" is 12,
// "abc" and "" are 0.
double leading_number(const QString& text);

// A number stored in a 16-bit field: rounded with halves to even, then held to the
// field's range instead of overflowing.
int16_t rounded_int16(double value);

}  // namespace orvel
