#pragma once
// Registry values as boards write and read them: the text forms of the REG
// command and the lookups other parts of the program make.
//
// Value text: no ":" is a string; "HEX:" and byte values separated by "," are
// raw bytes; "DWORD:" and eight hexadecimal digits is a 32-bit number (the
// prefixes compared in capitals). A value holding ":" with neither prefix is
// refused, as is a malformed list of bytes or number.
#include <QString>

#include "exec/exec_context.h"

namespace orvel {

class RegistryStore;

// Writes a named value (its key must exist) or, when name is empty, the key's
// default value as a string (creating the key). False on any failure.
bool reg_write(RegistryStore* store, const QString& root, const QString& key, const QString& name,
               const QString& value);
// The value in text form: a string with its terminating "\0" still attached,
// "hex:" with two digits per byte separated by ",", or "dword:" and eight
// digits. Empty on any failure. name empty reads the key's default value.
QString reg_read(RegistryStore* store, const QString& root, const QString& key, const QString& name);
// The names of the key's direct subkeys, each followed by "\r"; empty when the key is missing.
QString reg_subkeys(RegistryStore* store, const QString& root, const QString& key);
// The executable registered for a program identifier, in the letter case it was
// registered with, or an empty text.
QString progid_exe(RegistryStore* store, const QString& id);

// REG [ROOT\key]name=value: shows "REG", then writes. A malformed command or a missing
// key writes nothing silently; a value the store itself could not write is reported.
void registry_command(ExecContext& ctx, const QString& argument);

}  // namespace orvel
